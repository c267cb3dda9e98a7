#pragma once

#include <string>

// The densest packings of equal round fibres lying parallel, as fibre volume fractions [%]. In a
// square array each fibre fills the inscribed circle of its square cell, pi/4 of it; in a
// hexagonal array, the densest arrangement of parallel cylinders, pi/(2 sqrt 3) of its hexagonal
// cell. A UD ply or random mat of round fibres above the square limit needs a hexagonal array,
// and above the hexagonal limit it cannot be made at all. The micromechanical formulas still give
// numbers there, so results are marked rather than refused.
inline constexpr double kSquarePackingPercent = 78.53981633974483;
inline constexpr double kHexagonalPackingPercent = 90.68996821171089;

// The one-line note of a UD ply or random mat at this fibre volume fraction [%]: that round fibres
// cannot pack that densely in a square array, or above the hexagonal limit in any array; "" at or
// below the square limit.
std::string PackingNote(double fibreVolumePercent);

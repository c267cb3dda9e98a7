#pragma once

#include <array>

#include "ConfigurationDialog.h"
#include "InputChecks.h"
#include "weftcore.h"

// What the woven-fabric library call is made of besides the materials: the fabric array, the yarn
// angles in radians, the constant yarn-load factors and the coarsening level of the
// finite-element grid. Shared by the main form and the command-line tool so both call alike.

// Constant yarn-load factors of the fabric cell models.
inline constexpr double kCellFactors[2] = {10.0, 5.0};

// The library's fabric array: the configuration's four percentages as fractions, then the warp
// and fill counts and the areal density.
std::array<double, 7> FabricArray(const FabricConfiguration& settings, const FabricData& data);

// Degrees to radians as the form converts them: (pi * degrees) / 180, the division written as a
// product with its reciprocal.
double DegreesToRadians(double degrees);

// How often the finite-element grid is coarsened: the accuracy setting (0 fine .. 100 coarse)
// as a share of the weave's largest possible coarsening, rounded to the nearest level with an
// exact half rounding down.
int CoarseningLevel(const CWeave& weave, int accuracy);

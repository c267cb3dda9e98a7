#pragma once

#include <array>

// The property checks a material passes before the lists take it, whether typed into a creation
// form or read from the user-material file. Properties in the records' units and order (Pa, 1/K,
// kg/m^3).

// A resin property that cannot be used, as its index in the property array (0 E, 1 nu, 2 alpha;
// E and alpha are checked before nu), or -1 when all can: E positive and finite, nu strictly
// between -1 and 0.5 (the range of an isotropic solid, bounded at 0.5 where the bulk modulus is
// infinite), alpha finite.
int InvalidResinProperty(const std::array<double, 3>& properties);

// The same for a fibre (0..3 E1, E2, G12, G23; 4 nu12; 5, 6 alpha1, alpha2; 7 density): moduli
// finite and not negative (zero is allowed), nu12 and the expansion coefficients finite, the
// density positive and finite.
int InvalidFibreProperty(const std::array<double, 8>& properties);

// The resin Poisson's ratio's bounds.
inline constexpr double kResinNuMinimum = -1.0;
inline constexpr double kResinNuMaximum = 0.5;

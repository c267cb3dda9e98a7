#include "MaterialChecks.h"

#include <cmath>

// The negated comparisons also refuse NaN.
int InvalidResinProperty(const std::array<double, 3>& properties) {
    const double E = properties[0];
    const double nu = properties[1];
    const double alpha = properties[2];
    if (!(E > 0.0) || !std::isfinite(E)) {
        return 0;
    }
    if (!std::isfinite(alpha)) {
        return 2;
    }
    return nu > kResinNuMinimum && nu < kResinNuMaximum ? -1 : 1;
}

int InvalidFibreProperty(const std::array<double, 8>& properties) {
    for (int k = 0; k < 4; ++k) {
        if (!(properties[k] >= 0.0) || !std::isfinite(properties[k])) {
            return k;
        }
    }
    for (int k = 4; k < 7; ++k) {
        if (!std::isfinite(properties[k])) {
            return k;
        }
    }
    return properties[7] > 0.0 && std::isfinite(properties[7]) ? -1 : 7;
}

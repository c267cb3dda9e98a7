#include "FabricCalculation.h"

#include <cmath>

namespace {

const double kPi = std::acos(-1.0);

}  // namespace

std::array<double, 7> FabricArray(const FabricConfiguration& settings, const FabricData& data) {
    return {
        settings.warpUndulation * 0.01,
        settings.fillUndulation * 0.01,
        settings.fibreHeight * 0.01,
        settings.fibreWidth * 0.01,
        data.warpCount,
        data.fillCount,
        data.arealDensity,
    };
}

double DegreesToRadians(double degrees) {
    return (kPi * degrees) * 0.005555555555555556;
}

int CoarseningLevel(const CWeave& weave, int accuracy) {
    const int n = weave.MaxReduction() * accuracy;
    const double w = n * 0.01;
    const double whole = std::floor(w);
    return static_cast<int>(std::fmod(w, 1.0) > 0.5 ? whole + 1 : whole);
}

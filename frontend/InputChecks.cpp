#include "InputChecks.h"

#include <algorithm>
#include <cmath>
#include <utility>

bool FabricDataValid(const FabricData& data) {
    return FirstFabricDataFault(data) == FabricDataFault::None;
}

FabricDataFault FirstFabricDataFault(const FabricData& data) {
    const std::pair<double, FabricDataFault> positives[] = {
        {data.warpCount, FabricDataFault::WarpCount},
        {data.fillCount, FabricDataFault::FillCount},
        {data.arealDensity, FabricDataFault::ArealDensity}};
    for (const auto& [value, fault] : positives) {
        if (!(value > 0.0) || !std::isfinite(value)) {
            return fault;
        }
    }
    if (!std::isfinite(data.warpAngleDeg)) {
        return FabricDataFault::WarpAngle;
    }
    if (!std::isfinite(data.fillAngleDeg)) {
        return FabricDataFault::FillAngle;
    }
    const double offParallel = std::fmod(std::fabs(data.warpAngleDeg - data.fillAngleDeg), 180.0);
    return std::min(offParallel, 180.0 - offParallel) > kParallelYarnTolerance
               ? FabricDataFault::None
               : FabricDataFault::FillAngle;
}

bool ResultsFinite(const double* out, int count) {
    return std::all_of(out, out + count, [](double value) { return std::isfinite(value); });
}

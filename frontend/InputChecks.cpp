#include "InputChecks.h"

#include <algorithm>
#include <cmath>

bool FabricDataValid(const FabricData& data) {
    const double positives[] = {data.warpCount, data.fillCount, data.arealDensity};
    for (double value : positives) {
        if (!(value > 0.0) || !std::isfinite(value)) {
            return false;
        }
    }
    const double difference = data.warpAngleDeg - data.fillAngleDeg;
    if (!std::isfinite(difference)) {
        return false;
    }
    const double offParallel = std::fmod(std::fabs(difference), 180.0);
    return std::min(offParallel, 180.0 - offParallel) > kParallelYarnTolerance;
}

bool ResultsFinite(const double* out, int count) {
    return std::all_of(out, out + count, [](double value) { return std::isfinite(value); });
}

#include "InputChecks.h"

#include <cmath>

bool FabricDataValid(const FabricData& data) {
    const double positives[] = {data.warpCount, data.fillCount, data.arealDensity};
    for (double value : positives) {
        if (!(value > 0.0) || !std::isfinite(value)) {
            return false;
        }
    }
    const double difference = data.warpAngleDeg - data.fillAngleDeg;
    return std::isfinite(difference) && std::fmod(difference, 180.0) != 0.0;
}

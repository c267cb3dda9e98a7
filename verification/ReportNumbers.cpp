// How the verification and validation report shows its numbers.
#include <cmath>
#include <cstdio>

#include "ModelReport.h"

std::string ShownValue(double value, int digits) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf");
    }
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

// Deviations at rounding level differ from machine to machine in their digits but not in their
// order of magnitude: they are shown as the power of ten they stay under.
std::string ShownDeviation(double deviation) {
    if (!std::isfinite(deviation)) {
        return ShownValue(deviation);
    }
    constexpr double kFloor = 1e-15;
    if (deviation < kFloor) {
        return "< " + ShownValue(kFloor, 1);
    }
    if (deviation < 1e-6) {
        const double exponent = std::floor(std::log10(deviation)) + 1.0;
        return "< " + ShownValue(std::pow(10.0, exponent), 1);
    }
    return ShownValue(deviation, 2);
}

std::string ShownError(LaminaProperty property, double error) {
    char text[40];
    if (HasRelativeError(property)) {
        std::snprintf(text, sizeof text, "%+.1f %%", error * 100.0);
    } else {
        std::snprintf(text, sizeof text, "%+.2f", error * 1e6);
    }
    return text;
}

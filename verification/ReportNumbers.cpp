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

// Deviations at rounding level differ from machine to machine, even in their order of magnitude
// (a processor with fused multiply-add rounds differently, and the sparse solver picks its
// kernels by processor): everything under a floor well above rounding shows as "< 1e-12", larger
// deviations as the power of ten they stay under, so the report reads the same on every machine.
std::string ShownDeviation(double deviation) {
    if (!std::isfinite(deviation)) {
        return ShownValue(deviation);
    }
    constexpr double kFloor = 1e-12;
    if (deviation < kFloor) {
        return "< " + ShownValue(kFloor, 1);
    }
    if (deviation < 1e-6) {
        const double exponent = std::floor(std::log10(deviation)) + 1.0;
        return "< " + ShownValue(std::pow(10.0, exponent), 1);
    }
    return ShownValue(deviation, 2);
}

namespace {

// Relative errors in percent with one decimal, expansion errors in 10⁻⁶/K with two.
std::string ErrorText(LaminaProperty property, double error, bool withSign, bool withPercent) {
    const bool relative = HasRelativeError(property);
    char text[40];
    std::snprintf(text, sizeof text, withSign ? "%+.*f" : "%.*f", relative ? 1 : 2,
                  error * (relative ? 100.0 : 1e6));
    return std::string(text) + (relative && withPercent ? " %" : "");
}

}  // namespace

std::string ShownError(LaminaProperty property, double error) {
    return ErrorText(property, error, true, true);
}

std::string ShownMeanError(LaminaProperty property, double meanAbsolute) {
    return ErrorText(property, meanAbsolute, false, false);
}

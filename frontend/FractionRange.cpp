#include "FractionRange.h"

#include <cmath>
#include <string>

#include "NumberFormat.h"

namespace {

// A point as a field would hold it after showing it with 15 significant digits.
double AsTyped(double value) {
    double typed = value;
    ParseNumber(FormatGeneral(value, kFieldDigits), typed);
    return typed;
}

}  // namespace

bool FractionRange::Valid() const {
    return std::isfinite(start) && std::isfinite(stop) && step > 0.0 && std::isfinite(step) &&
           start <= stop;
}

// The relative and absolute allowances take a stop that the steps reach only up to rounding
// (0.1 + 2 * 0.1 falls short of 0.3 by one unit in the last place).
double FractionRange::PointCount() const {
    return std::floor((stop - start) / step * (1.0 + 1e-12) + 1e-9) + 1.0;
}

std::vector<double> FractionRange::Points() const {
    const int count = static_cast<int>(PointCount());
    std::vector<double> points;
    points.reserve(count);
    for (int i = 0; i < count; ++i) {
        points.push_back(AsTyped(start + i * step));
    }
    return points;
}

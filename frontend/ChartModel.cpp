#include "ChartModel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The interval nearest above `raw` among 1, 2, 2.5 and 5 times a power of ten.
double RoundInterval(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    for (double step : {1.0, 2.0, 2.5, 5.0}) {
        if (fraction <= step * (1.0 + 1e-9)) {
            return step * power;
        }
    }
    return 10.0 * power;
}

}  // namespace

AxisRange RoundAxis(double low, double high, int ticks) {
    if (!(high > low)) {
        const double widening = low == 0.0 ? 1.0 : std::fabs(low) * 0.05;
        low -= widening;
        high += widening;
    }
    const double interval = RoundInterval((high - low) / ticks);
    // An end that is a multiple of the interval up to rounding stays where it is.
    return AxisRange{std::floor(low / interval + 1e-9) * interval,
                     std::ceil(high / interval - 1e-9) * interval, interval};
}

void FitAxes(ChartModel& chart) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    if (!chart.percents.empty()) {
        low = chart.percents.front();
        high = chart.percents.back();
    }
    if (chart.currentPercent) {
        low = std::min(low, *chart.currentPercent);
        high = std::max(high, *chart.currentPercent);
    }
    if (low <= high) {
        const AxisRange round = RoundAxis(low, high);
        chart.x = low < high ? AxisRange{low, high, round.tickInterval} : round;
    }

    double least = std::numeric_limits<double>::infinity();
    double most = -least;
    for (const ChartSeries& series : chart.series) {
        for (const std::optional<float>& value : series.values) {
            if (value) {
                least = std::min(least, static_cast<double>(*value));
                most = std::max(most, static_cast<double>(*value));
            }
        }
    }
    chart.y = least <= most ? RoundAxis(least, most) : AxisRange{};

    std::vector<ChartRegion> clipped;
    for (ChartRegion region : chart.regions) {
        region.from = std::max(region.from, chart.x.minimum);
        region.to = std::min(region.to, chart.x.maximum);
        if (region.from < region.to) {
            clipped.push_back(region);
        }
    }
    chart.regions = std::move(clipped);
}

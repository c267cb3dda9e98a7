#include "ChartText.h"

#include <cmath>
#include <limits>

#include "CsvText.h"
#include "NumberFormat.h"

namespace {

// A property's value with its unit: "8.53125 GPa", "0.27" for a ratio.
std::string ValueText(const ShownProperty& property, const std::string& number) {
    return property.unit.empty() ? number : number + " " + property.unit;
}

// The pointer's position to four significant digits, as far as a pixel tells it apart.
constexpr int kPointerDigits = 4;

}  // namespace

std::string ChartCsv(const ChartModel& chart) {
    std::vector<std::string> header = {"vf [%]"};
    for (const ChartSeries& series : chart.series) {
        header.push_back(series.name + " " + chart.YTitle());
    }
    std::string text = CsvLine(header);
    for (std::size_t i = 0; i < chart.percents.size(); ++i) {
        std::vector<std::string> cells = {FormatGeneral(chart.percents[i], kFieldDigits)};
        for (const ChartSeries& series : chart.series) {
            const std::optional<float>& value = series.values[i];
            cells.push_back(value ? FormatGeneral(*value, kResultDigits) : std::string());
        }
        text += CsvLine(cells);
    }
    return text;
}

std::string ChartReadout(const ChartModel& chart, double percent, double value,
                         double percentPerPixel, double valuePerPixel) {
    if (!(percentPerPixel > 0.0) || !(valuePerPixel > 0.0)) {
        return std::string();
    }
    const ChartSeries* nearestSeries = nullptr;
    std::size_t nearestPoint = 0;
    double nearest = std::numeric_limits<double>::infinity();
    for (const ChartSeries& series : chart.series) {
        for (std::size_t i = 0; i < series.values.size(); ++i) {
            if (!series.values[i]) {
                continue;
            }
            const double distance = std::hypot((chart.percents[i] - percent) / percentPerPixel,
                                               (*series.values[i] - value) / valuePerPixel);
            if (distance < nearest) {
                nearest = distance;
                nearestSeries = &series;
                nearestPoint = i;
            }
        }
    }
    if (nearestSeries != nullptr && nearest <= kReadoutRadius) {
        return nearestSeries->name + ", Vf " +
               FormatGeneral(chart.percents[nearestPoint], kFieldDigits) +
               " %: " + chart.property.label + " " +
               ValueText(chart.property,
                         FormatGeneral(*nearestSeries->values[nearestPoint], kResultDigits));
    }
    return "Vf " + FormatGeneral(percent, kPointerDigits) + " %, " + chart.property.label + " " +
           ValueText(chart.property, FormatGeneral(value, kPointerDigits));
}

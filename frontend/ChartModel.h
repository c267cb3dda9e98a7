#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ShownProperties.h"

// A chart of one displayed property against the fibre volume fraction, as plain data: what the
// chart window and `corvel-cli plot` draw and what the chart's CSV table holds. x is the fibre
// volume fraction [%], y the property in its display unit, as the result form shows it.

enum class SeriesStyle { Line, Points };

// One model's curve (or points). values[i] belongs to the chart's percents[i]; a fraction at which
// the model gives no finite result, or at which it was not computed, holds none.
struct ChartSeries {
    std::string name;
    SeriesStyle style = SeriesStyle::Line;
    std::vector<std::optional<float>> values;
};

// The region between two series, the iso-stress and iso-strain bounds of a fabric.
struct ChartBand {
    std::string name;
    std::size_t lower = 0;  // indices into the chart's series
    std::size_t upper = 1;
};

// A span of volume fractions marked as a shaded region: beyond a packing limit of round fibres.
struct ChartRegion {
    std::string name;
    double from = 0.0;
    double to = 0.0;
};

// An axis from minimum to maximum with a tick at every multiple of tickInterval between them.
struct AxisRange {
    double minimum = 0.0;
    double maximum = 1.0;
    double tickInterval = 0.2;
};

struct ChartModel {
    std::string title;
    ShownProperty property;
    std::vector<double> percents;  // ascending, each once
    std::vector<ChartSeries> series;
    std::optional<ChartBand> band;
    std::vector<ChartRegion> regions;  // clipped to the x axis
    std::optional<double> currentPercent;
    AxisRange x;
    AxisRange y;

    static constexpr const char* kXTitle = "Fibre volume fraction [%]";
    // "Ey = Ez [GPa]".
    std::string YTitle() const { return NameWithUnit(property); }
};

// An axis over [low, high] on round numbers: a tick interval of 1, 2, 2.5 or 5 times a power of
// ten giving about `ticks` intervals, the ends moved out to multiples of it. An empty span (one
// value, a constant series) is widened by 5 % of the value (by 1 around 0) first.
AxisRange RoundAxis(double low, double high, int ticks = 5);

// Fits both axes to what the chart shows: x runs exactly over the fractions and the current one,
// ticked on round numbers; y over every value on round numbers. The packing regions are then
// clipped to the x axis, and dropped where they fall outside it.
void FitAxes(ChartModel& chart);

#pragma once

#include <string>

#include "ChartModel.h"

// A chart in words: its CSV table and the read-out of the value under the pointer.

// The chart's series as a table: a header row "vf [%]" and one column per series ("Halpin-Tsai
// Ey = Ez [GPa]"), then one row per fraction with the values as the result forms and
// `corvel-cli --csv` print them (six significant digits), an empty cell where a series has no
// value. The fractions print as a number field shows them (15 significant digits).
std::string ChartCsv(const ChartModel& chart);

// Within this distance [pixels] of the pointer a series' point is read out rather than the
// pointer's position.
inline constexpr double kReadoutRadius = 12.0;

// What the chart shows under the pointer at (percent, value), with the axes' scales in units per
// pixel: the nearest point of any series within kReadoutRadius ("Halpin-Tsai, Vf 42 %: Ey = Ez
// 8.53125 GPa"), or else the pointer's position ("Vf 42.31 %, Ey = Ez 8.502 GPa").
std::string ChartReadout(const ChartModel& chart, double percent, double value,
                         double percentPerPixel, double valuePerPixel);

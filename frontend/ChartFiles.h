#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ChartModel.h"

// The files a chart is exported to: a PNG image, an SVG drawing, or its CSV table (ChartText.h).
enum class ChartFileFormat { Png, Svg, Csv };

// ".png", ".svg", ".csv".
const char* ChartFileExtension(ChartFileFormat format);
// The file type of a save dialog: "PNG image (*.png)".
std::string ChartFileFilter(ChartFileFormat format);
// The format a file name asks for by its extension, in any case; none for another extension.
std::optional<ChartFileFormat> ChartFormatOfPath(const std::string& path);

// The file name a save dialog proposes for a chart: the property's label in lower case, words
// joined by '-' (a Greek letter spelt out: "alpha-x"), then the format's extension.
std::string ChartFileName(const ChartModel& chart, ChartFileFormat format);

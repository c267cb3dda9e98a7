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

// A text as the stem of a file name: its letters and digits in lower case, each run of anything
// else one '-' between them ("3D Results" -> "3d-results").
std::string FileStem(const std::string& text);

// The file name a save dialog proposes for a chart: the stem of the property's label with its
// Greek letters spelt out ("alpha-x"), then the format's extension.
std::string ChartFileName(const ChartModel& chart, ChartFileFormat format);

#include "ChartFiles.h"

#include <cctype>
#include <filesystem>

namespace {

std::string Lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

const char* ChartFileExtension(ChartFileFormat format) {
    switch (format) {
        case ChartFileFormat::Png:
            return ".png";
        case ChartFileFormat::Svg:
            return ".svg";
        case ChartFileFormat::Csv:
            break;
    }
    return ".csv";
}

std::string ChartFileFilter(ChartFileFormat format) {
    switch (format) {
        case ChartFileFormat::Png:
            return "PNG image (*.png)";
        case ChartFileFormat::Svg:
            return "SVG drawing (*.svg)";
        case ChartFileFormat::Csv:
            break;
    }
    return "CSV table (*.csv)";
}

std::optional<ChartFileFormat> ChartFormatOfPath(const std::string& path) {
    const std::string extension = Lowered(std::filesystem::path(path).extension().string());
    for (ChartFileFormat format :
         {ChartFileFormat::Png, ChartFileFormat::Svg, ChartFileFormat::Csv}) {
        if (extension == ChartFileExtension(format)) {
            return format;
        }
    }
    return std::nullopt;
}

std::string FileStem(const std::string& text) {
    std::string stem;
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            stem += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!stem.empty() && stem.back() != '-') {
            stem += '-';
        }
    }
    while (!stem.empty() && stem.back() == '-') {
        stem.pop_back();
    }
    return stem;
}

std::string ChartFileName(const ChartModel& chart, ChartFileFormat format) {
    const std::string stem = FileStem(SpeltOut(chart.property.label));
    return (stem.empty() ? std::string("chart") : stem) + ChartFileExtension(format);
}

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

std::string ChartFileName(const ChartModel& chart, ChartFileFormat format) {
    std::string name;
    for (char c : SpeltOut(chart.property.label)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!name.empty() && name.back() != '-') {
            name += '-';
        }
    }
    while (!name.empty() && name.back() == '-') {
        name.pop_back();
    }
    return (name.empty() ? std::string("chart") : name) + ChartFileExtension(format);
}

// The report writers on any values and names: every number, finite or not, however large or
// small, fits its field without overflowing a buffer; the reports have their fixed number of
// lines and the exponent form keeps its three exponent digits.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "NumberFormat.h"
#include "Reports.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "report broken: %s\n", what);
        std::abort();
    }
}

// The input read as doubles, the rest as a name.
struct Input {
    std::vector<double> values;
    std::string name;
};

Input Split(const std::uint8_t* data, std::size_t size) {
    Input input;
    std::size_t doubles = std::min<std::size_t>(size / sizeof(double), 41);
    input.values.resize(41, 0.0);
    for (std::size_t i = 0; i < doubles; ++i) {
        std::memcpy(&input.values[i], data + i * sizeof(double), sizeof(double));
    }
    input.name.assign(reinterpret_cast<const char*>(data) + doubles * sizeof(double),
                      size - doubles * sizeof(double));
    return input;
}

std::size_t Lines(const std::string& text) {
    std::size_t lines = 0;
    for (char c : text) {
        lines += c == '\n';
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input input = Split(data, size);
    for (double value : input.values) {
        const std::string exponent = FormatExponent(value, 11, 4);
        const std::size_t e = exponent.find('e');
        if (e != std::string::npos) {
            Check(exponent.size() - e - 2 >= 3, "an exponent of fewer than three digits");
        }
        Check(!FormatFixed(value, 10, 4).empty(), "a fixed value without text");
    }
    // Names that hold line breaks would add lines: the forms refuse them, so they are left out.
    const std::string name = input.name.find('\n') == std::string::npos ? input.name : "name";
    const PlyReportInputs ply{name, name, name, name, input.values[0]};
    const std::size_t udLines = Lines(UDPlyReport(ply, UDResults::FromLibrary(input.values.data())));
    Check(udLines == Lines(UDPlyReport({"f", "r", "e", "t", 50.0}, UDResults::FromLibrary(
                                                                       std::vector<double>(41).data()))),
          "a UD report's lines depend on its values");
    FabricReportInputs fabric;
    fabric.fibreName = fabric.resinName = fabric.weaveName = name;
    fabric.warpAngleDeg = input.values[1];
    fabric.thicknessMm = input.values[2];
    const FabricABDResults laminate =
        FabricABDResults::FromLibrary(input.values.data(), 1e-10, 1e-15);
    Check(!FabricABDReport(fabric, laminate).empty(), "an empty laminate report");
    Check(!Fabric3DReport(fabric, Fabric3DResults::FromLibrary(input.values.data())).empty(),
          "an empty 3D report");
    return 0;
}

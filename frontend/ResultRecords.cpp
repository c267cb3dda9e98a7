#include "ResultRecords.h"

#include <cmath>

#include "NumberFormat.h"

namespace {

// Where a record field comes from: an index into the library's output array and the factor to
// display units.
struct Source {
    int index;
    double scale;
};

constexpr double kToGPa = 1e-9;

template <std::size_t N>
std::array<float, N> Scaled(const double* out, const std::array<Source, N>& sources) {
    std::array<float, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = static_cast<float>(out[sources[i].index] * sources[i].scale);
    }
    return values;
}

// clang-format off
// UDMixel: E1, E2, G12, G23 [Pa], nu12, nu23, nu21, alpha1, alpha2 [ppm/K]; the form shows
// nu21 before nu23.
constexpr std::array<Source, UDResults::kFieldCount> kUDSources = {{
    {0, kToGPa}, {1, kToGPa}, {2, kToGPa}, {3, kToGPa},
    {4, 1.0}, {6, 1.0}, {5, 1.0},
    {7, 1.0}, {8, 1.0},
}};

constexpr std::array<Source, RandomMatResults::kFieldCount> kRandomMatSources = {{
    {0, kToGPa}, {1, kToGPa}, {2, kToGPa}, {3, kToGPa},
    {4, 1.0}, {5, 1.0}, {6, 1.0},
    {7, 1.0}, {8, 1.0},
}};

constexpr std::array<Source, Fabric3DResults::kFieldCount> kFabric3DSources = {{
    {0, kToGPa}, {1, kToGPa}, {2, kToGPa}, {3, kToGPa}, {4, kToGPa}, {5, kToGPa},
    {6, 1.0}, {7, 1.0}, {8, 1.0}, {9, 1.0}, {10, 1.0}, {11, 1.0},
    {12, 1.0}, {13, 1.0}, {14, 1.0}, {15, 1.0},
    {16, 1.0}, {17, 1.0},
}};

// WFProperties models 1 and 2: A, B, D upper triangles out[0..17] [N/m, N, N m], coupling ratios
// out[18..21], NT out[22..24], MT out[25..27], thermal strains out[28..30] [1/K] shown in
// percent, curvatures out[31..33].
constexpr std::array<Source, FabricABDResults::kFieldCount> kFabricABDSources = {{
    {0, 1e-6}, {1, 1e-6}, {2, 1e-6}, {3, 1e-6}, {4, 1e-6}, {5, 1e-6},
    {6, 1e-3}, {7, 1e-3}, {8, 1e-3}, {9, 1e-3}, {10, 1e-3}, {11, 1e-3},
    {12, 1.0}, {13, 1.0}, {14, 1.0}, {15, 1.0}, {16, 1.0}, {17, 1.0},
    {22, 1.0}, {23, 1.0}, {24, 1.0},
    {25, 1.0}, {26, 1.0}, {27, 1.0},
    {28, 100.0}, {29, 100.0}, {30, 100.0},
    {31, 1.0}, {32, 1.0}, {33, 1.0},
    {18, 1.0}, {19, 1.0}, {20, 1.0}, {21, 1.0},
}};
// clang-format on

// The ABD output entries subject to the minimums: the matrices and coupling ratios, then the
// thermal vectors.
constexpr int kMatrixEntries = 22;
constexpr int kThermalEnd = 34;

}  // namespace

UDResults UDResults::FromLibrary(const double* out) {
    return UDResults{Scaled(out, kUDSources)};
}

RandomMatResults RandomMatResults::FromLibrary(const double* out) {
    return RandomMatResults{Scaled(out, kRandomMatSources)};
}

Fabric3DResults Fabric3DResults::FromLibrary(const double* out) {
    return Fabric3DResults{Scaled(out, kFabric3DSources)};
}

FabricABDResults FabricABDResults::FromLibrary(const double* out, double abdMinimum,
                                               double thermalMinimum) {
    std::array<double, kThermalEnd> shown{};
    for (int i = 0; i < kThermalEnd; ++i) {
        double minimum = i < kMatrixEntries ? abdMinimum : thermalMinimum;
        shown[i] = std::fabs(out[i]) < minimum ? 0.0 : out[i];
    }
    return FabricABDResults{Scaled(shown.data(), kFabricABDSources)};
}

float DisplayedValue(float value) {
    double shown = value;
    ParseNumber(FormatGeneral(value, kResultDigits), shown);
    return static_cast<float>(shown);
}

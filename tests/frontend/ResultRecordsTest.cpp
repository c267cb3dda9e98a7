#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "ResultRecords.h"

namespace {

constexpr double kDefaultAbdMinimum = 1e-10;
constexpr double kDefaultThermalMinimum = 1e-15;

// An output array whose entry i is (i + 1) * scale, so every field tells where it came from.
std::vector<double> Numbered(double scale, std::size_t count = 41) {
    std::vector<double> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = static_cast<double>(i + 1) * scale;
    }
    return out;
}

}  // namespace

TEST(ResultRecords, UDRecordScalesModuliToGPaAndShowsNu21BeforeNu23) {
    const double out[9] = {72.4e9,   12.4262e9, 3.95568e9, 4.29831e9, 0.268104,
                           0.445471, 0.0744868, 6.70885,   24.389};
    UDResults record = UDResults::FromLibrary(out);
    EXPECT_EQ(record[UDResults::E1], 72.4f);
    EXPECT_EQ(record[UDResults::E2], static_cast<float>(12.4262e9 * 1e-9));
    EXPECT_EQ(record[UDResults::Nu12], 0.268104f);
    EXPECT_EQ(record[UDResults::Nu21], 0.0744868f);
    EXPECT_EQ(record[UDResults::Nu23], 0.445471f);
    EXPECT_EQ(record[UDResults::Alpha2], 24.389f);
}

TEST(ResultRecords, RandomAnd3DRecordsTakeTheOutputInOrderWithoutThresholds) {
    std::vector<double> out = Numbered(1e9);
    RandomMatResults random = RandomMatResults::FromLibrary(out.data());
    for (int i = 0; i < RandomMatResults::kFieldCount; ++i) {
        float expected = static_cast<float>(out[i] * (i < 4 ? 1e-9 : 1.0));
        EXPECT_EQ(random.values[i], expected) << i;
    }

    out[16] = 1e-20;
    out[17] = -3e-30;
    Fabric3DResults fabric = Fabric3DResults::FromLibrary(out.data());
    for (int i = 0; i < Fabric3DResults::kFieldCount; ++i) {
        float expected = static_cast<float>(out[i] * (i < 6 ? 1e-9 : 1.0));
        EXPECT_EQ(fabric.values[i], expected) << i;
    }
    EXPECT_EQ(fabric[Fabric3DResults::C16OverC11], 1e-20f);
    out[18] = 0.00035;
    EXPECT_DOUBLE_EQ(Fabric3DResults::ThicknessMillimetres(out.data()), 0.35);
}

TEST(ResultRecords, ABDRecordScalesEachGroupAndPlacesTheCouplingRatiosLast) {
    std::vector<double> out = Numbered(1.0);
    FabricABDResults record =
        FabricABDResults::FromLibrary(out.data(), kDefaultAbdMinimum, kDefaultThermalMinimum);
    EXPECT_EQ(record[FabricABDResults::A11], static_cast<float>(1.0 * 1e-6));
    EXPECT_EQ(record[FabricABDResults::A66], static_cast<float>(6.0 * 1e-6));
    EXPECT_EQ(record[FabricABDResults::B11], static_cast<float>(7.0 * 1e-3));
    EXPECT_EQ(record[FabricABDResults::D66], 18.0f);
    EXPECT_EQ(record[FabricABDResults::A16OverA11], 19.0f);
    EXPECT_EQ(record[FabricABDResults::D26OverD22], 22.0f);
    EXPECT_EQ(record[FabricABDResults::NTx], 23.0f);
    EXPECT_EQ(record[FabricABDResults::MTxy], 28.0f);
    EXPECT_EQ(record[FabricABDResults::EpsilonX], 2900.0f);
    EXPECT_EQ(record[FabricABDResults::KappaXY], 34.0f);
    out[34] = 0.00035;
    EXPECT_DOUBLE_EQ(FabricABDResults::ThicknessMillimetres(out.data()), 0.35);

    // A thermal strain of 1.2e-5 1/K shows in percent.
    out[28] = 1.2e-5;
    record = FabricABDResults::FromLibrary(out.data(), kDefaultAbdMinimum, kDefaultThermalMinimum);
    EXPECT_EQ(record[FabricABDResults::EpsilonX], static_cast<float>(1.2e-5 * 100.0));
}

TEST(ResultRecords, ABDEntriesBelowTheMinimumsShowAsZero) {
    std::vector<double> out = Numbered(1.0);
    out[2] = 3e-11;    // A16 below the matrix minimum
    out[5] = 1e-10;    // A66 equal to it: stays
    out[8] = -5e-11;   // B16, negative and below
    out[18] = 2e-11;   // A16/A11
    out[22] = 3e-11;   // NTx: far above the thermal minimum
    out[33] = 1e-16;   // kappa xy below the thermal minimum
    out[31] = -1e-15;  // kappa x equal to it: stays
    out[12] = std::numeric_limits<double>::quiet_NaN();
    FabricABDResults record =
        FabricABDResults::FromLibrary(out.data(), kDefaultAbdMinimum, kDefaultThermalMinimum);
    EXPECT_EQ(record[FabricABDResults::A16], 0.0f);
    EXPECT_EQ(record[FabricABDResults::A66], static_cast<float>(1e-10 * 1e-6));
    EXPECT_EQ(record[FabricABDResults::B16], 0.0f);
    EXPECT_EQ(record[FabricABDResults::A16OverA11], 0.0f);
    EXPECT_EQ(record[FabricABDResults::NTx], 3e-11f);
    EXPECT_EQ(record[FabricABDResults::KappaXY], 0.0f);
    EXPECT_EQ(record[FabricABDResults::KappaX], -1e-15f);
    EXPECT_TRUE(std::isnan(record[FabricABDResults::D11])) << "non-finite values pass through";

    // Raised minimums clear more; the groups keep their own minimum.
    out[0] = 9e-4;
    out[23] = 9e-4;
    record = FabricABDResults::FromLibrary(out.data(), 1e-3, 1e-10);
    EXPECT_EQ(record[FabricABDResults::A11], 0.0f);
    EXPECT_EQ(record[FabricABDResults::NTy], 9e-4f);
    EXPECT_EQ(record[FabricABDResults::NTx], 0.0f);
}

TEST(ResultRecords, ReadBackHoldsTheSixDigitDisplayInSinglePrecision) {
    EXPECT_EQ(DisplayedValue(12345.678901f), 12345.7f);
    EXPECT_EQ(static_cast<double>(DisplayedValue(12345.678901f)), 12345.7001953125);
    EXPECT_EQ(DisplayedValue(72.4f), 72.4f);
    EXPECT_EQ(DisplayedValue(1e-20f), 1e-20f);
    EXPECT_EQ(DisplayedValue(-0.0744868f), -0.0744868f);
    EXPECT_EQ(DisplayedValue(std::numeric_limits<float>::infinity()),
              std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(DisplayedValue(std::numeric_limits<float>::quiet_NaN())));

    UDResults record{};
    record.values[UDResults::E1] = 12345.678901f;
    record.values[UDResults::Nu12] = 0.123456789f;
    UDResults shown = AsDisplayed(record);
    EXPECT_EQ(shown[UDResults::E1], 12345.7f);
    EXPECT_EQ(shown[UDResults::Nu12], 0.123457f);
}

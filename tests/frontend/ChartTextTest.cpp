// What a chart says in words and numbers: its axes, CSV table, read-out, file names, the property
// names a user may type, the range's points and the packing note of a result.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartFiles.h"
#include "ChartModel.h"
#include "ChartText.h"
#include "FractionRange.h"
#include "PackingLimits.h"
#include "ShownProperties.h"

namespace {

// Two models over three fractions; the second has no value at 50 %.
ChartModel TwoSeries() {
    ChartModel chart;
    chart.property = {"Ey = Ez", "GPa"};
    chart.percents = {40.0, 50.0, 60.0};
    chart.series = {{"CCA", SeriesStyle::Line, {8.0f, 9.5f, 11.25f}},
                    {"Halpin Tsai(Circ)", SeriesStyle::Line, {7.0f, std::nullopt, 10.123456f}}};
    FitAxes(chart);
    return chart;
}

}  // namespace

TEST(ChartAxes, RoundAxesTickOnOneTwoTwoAndAHalfOrFiveTimesAPowerOfTen) {
    struct Row {
        double low, high;
        AxisRange expected;
    };
    const Row rows[] = {
        {3.78, 25.6, {0.0, 30.0, 5.0}},     {0.2681, 0.3368, {0.26, 0.34, 0.02}},
        {-27.6, 51.6, {-40.0, 60.0, 20.0}}, {1e-20, 3e-20, {1e-20, 3e-20, 5e-21}},
        {12.0, 12.0, {11.25, 12.75, 0.25}},  // one value: widened by 5 % first
        {0.0, 0.0, {-1.0, 1.0, 0.5}},
    };
    for (const Row& row : rows) {
        const AxisRange axis = RoundAxis(row.low, row.high);
        EXPECT_NEAR(axis.minimum, row.expected.minimum, 1e-9 * row.expected.tickInterval)
            << row.low << " " << row.high;
        EXPECT_NEAR(axis.maximum, row.expected.maximum, 1e-9 * row.expected.tickInterval)
            << row.low << " " << row.high;
        EXPECT_NEAR(axis.tickInterval, row.expected.tickInterval, 1e-9 * row.expected.tickInterval)
            << row.low << " " << row.high;
    }
}

TEST(ChartText, CsvHasOneColumnPerSeriesAndEmptyCellsForGaps) {
    ChartModel chart = TwoSeries();
    chart.series[1].name = "Iso, \"strain\"";
    EXPECT_EQ(ChartCsv(chart),
              "vf [%],CCA Ey = Ez [GPa],\"Iso, \"\"strain\"\" Ey = Ez [GPa]\"\n"
              "40,8,7\n"
              "50,9.5,\n"
              "60,11.25,10.1235\n");
}

TEST(ChartText, ReadsOutTheNearestPointWithinReachOrElseThePointer) {
    const ChartModel chart = TwoSeries();
    // 0.1 % and 0.05 GPa a pixel: (50.3, 9.7) is 5 pixels from CCA at 50 %.
    EXPECT_EQ(ChartReadout(chart, 50.3, 9.7, 0.1, 0.05), "CCA, Vf 50 %: Ey = Ez 9.5 GPa");
    EXPECT_EQ(ChartReadout(chart, 59.5, 10.0, 0.1, 0.05),
              "Halpin Tsai(Circ), Vf 60 %: Ey = Ez 10.1235 GPa");
    // The gap at 50 % is not a point: the pointer itself is read out.
    EXPECT_EQ(ChartReadout(chart, 50.0, 8.0, 0.1, 0.05), "Vf 50 %, Ey = Ez 8 GPa");
    EXPECT_EQ(ChartReadout(chart, 45.12345, 8.98765, 0.1, 0.05), "Vf 45.12 %, Ey = Ez 8.988 GPa");
    EXPECT_EQ(ChartReadout(chart, 45.0, 8.0, 0.0, 0.05), "");

    ChartModel ratio = chart;
    ratio.property = {"ν xy", ""};
    EXPECT_EQ(ChartReadout(ratio, 40.0, 8.0, 0.1, 0.05), "CCA, Vf 40 %: ν xy 8");
}

TEST(ChartFiles, FormatsFollowTheExtensionAndNamesTheProperty) {
    EXPECT_EQ(ChartFormatOfPath("out/Ey.SVG"), ChartFileFormat::Svg);
    EXPECT_EQ(ChartFormatOfPath("ey.png"), ChartFileFormat::Png);
    EXPECT_EQ(ChartFormatOfPath("ey.csv"), ChartFileFormat::Csv);
    EXPECT_EQ(ChartFormatOfPath("ey.pdf"), std::nullopt);
    EXPECT_EQ(ChartFormatOfPath("png"), std::nullopt);

    ChartModel chart;
    chart.property = {"α y = α z", "ppm/K"};
    EXPECT_EQ(ChartFileName(chart, ChartFileFormat::Png), "alpha-y-alpha-z.png");
    chart.property = {"A16/A11", ""};
    EXPECT_EQ(ChartFileName(chart, ChartFileFormat::Csv), "a16-a11.csv");
}

TEST(ShownProperties, APropertyIsNamedByItsLabelOrOneOfTheNamesItEquates) {
    const std::vector<ShownProperty>& ud = UDPlyProperties();
    EXPECT_EQ(FindProperty(ud, "Ey = Ez"), 1u);
    EXPECT_EQ(FindProperty(ud, "ey"), 1u);
    EXPECT_EQ(FindProperty(ud, "EZ"), 1u);
    EXPECT_EQ(FindProperty(ud, "nu yx"), 5u);
    EXPECT_EQ(FindProperty(ud, "ν zy"), 6u);
    EXPECT_EQ(FindProperty(ud, "alphax"), 7u);
    EXPECT_EQ(FindProperty(ud, "Eq"), std::nullopt);
    EXPECT_EQ(FindProperty(ud, " "), std::nullopt);
    EXPECT_EQ(FindProperty(RandomMatProperties(), "Ey"), 0u);
    EXPECT_EQ(FindProperty(RandomMatProperties(), "Ez"), 1u);
    EXPECT_EQ(FindProperty(Fabric3DProperties(), "C16/C11"), 16u);
    EXPECT_EQ(FindProperty(FabricLaminateProperties(), "kappa xy"), 29u);
    EXPECT_EQ(FindProperty(FabricLaminateProperties(), "A16/A11"), 30u);
    EXPECT_EQ(FindProperty(FabricLaminateProperties(), "a16"), 2u);
}

TEST(FractionRange, PointsAreTheTypedFractionsWithTheStopWithinRounding) {
    const std::vector<double> chart = FractionRange{5.0, 75.0, 1.0}.Points();
    EXPECT_EQ(chart.size(), 71u);
    EXPECT_EQ(chart.back(), 75.0);
    EXPECT_EQ((FractionRange{5.0, 6.0, 0.7}.Points()), (std::vector<double>{5.0, 5.7}));
    EXPECT_FALSE((FractionRange{5.0, 4.0, 1.0}.Valid()));
    EXPECT_FALSE((FractionRange{5.0, 6.0, 0.0}.Valid()));
    EXPECT_FALSE((FractionRange{5.0, INFINITY, 1.0}.Valid()));
}

TEST(PackingLimits, TheLimitsAreThoseOfSquareAndHexagonalArraysOfRoundFibres) {
    const double pi = std::acos(-1.0);
    EXPECT_DOUBLE_EQ(kSquarePackingPercent, 100.0 * pi / 4.0);
    EXPECT_DOUBLE_EQ(kHexagonalPackingPercent, 100.0 * pi / (2.0 * std::sqrt(3.0)));

    EXPECT_EQ(PackingNote(60.0), "");
    EXPECT_EQ(PackingNote(78.5), "");  // below pi/4
    EXPECT_EQ(PackingNote(kSquarePackingPercent), "");
    EXPECT_EQ(PackingNote(78.6),
              "Note: round fibres cannot pack to 78.6 % in a square array (at most 78.5 %).");
    EXPECT_NE(PackingNote(kHexagonalPackingPercent).find("in a square array"), std::string::npos);
    EXPECT_EQ(PackingNote(95.0),
              "Note: round fibres cannot pack to 95 % in any array (at most 90.7 %, hexagonal).");
}

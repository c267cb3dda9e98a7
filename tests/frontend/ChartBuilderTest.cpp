// The series of the property charts: every model of the case, computed as the result forms
// compute their values, the fabric's bounds and finite-element points, the packing regions, the
// current fraction and the axes fitted to them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Catalogue.h"
#include "ChartBuilder.h"
#include "DisplayOrder.h"
#include "FractionRange.h"
#include "PackingLimits.h"
#include "ResultRecords.h"
#include "weftcore.h"

namespace {

const CCatalogue& Catalogue() {
    static const CCatalogue catalogue;
    return catalogue;
}

std::vector<ModelEntry> InDisplayOrder(std::vector<ModelEntry> models) {
    std::stable_sort(models.begin(), models.end(), [](const ModelEntry& a, const ModelEntry& b) {
        return DisplayLess(a.name, b.name);
    });
    return models;
}

std::size_t IndexOf(const std::vector<ModelEntry>& models, const std::string& name) {
    for (std::size_t i = 0; i < models.size(); ++i) {
        if (models[i].name == name) {
            return i;
        }
    }
    ADD_FAILURE() << "no model " << name;
    return 0;
}

// AS4 carbon in 8552 epoxy with the models picked by name, as the main form would pass them.
ChartCase PlyCase(ChartCaseKind kind, const std::string& elastic = "CCA",
                  const std::string& thermal = "Shapery") {
    ChartCase chartCase;
    chartCase.kind = kind;
    chartCase.resinName = "Hexcel 8552";
    chartCase.fibreName = "Hercules AS4";
    chartCase.resin = Catalogue().FindResin("Hexcel 8552")->Array();
    chartCase.fibre = Catalogue().FindFibre("Hercules AS4")->Array();
    chartCase.elasticModels = InDisplayOrder(Catalogue().ElasticModels());
    chartCase.thermalModels = InDisplayOrder(Catalogue().ThermalModels());
    chartCase.elastic = IndexOf(chartCase.elasticModels, elastic);
    chartCase.thermal = IndexOf(chartCase.thermalModels, thermal);
    chartCase.currentPercent = 60.0;
    return chartCase;
}

ChartCase FabricCase(FabricResults results, FabricMethod method = FabricMethod::Average) {
    ChartCase chartCase;
    chartCase.kind = ChartCaseKind::Fabric;
    FabricRequest& request = chartCase.fabric;
    request.resinName = "Hexcel RTM6";
    request.resin = Catalogue().FindResin("Hexcel RTM6")->Array();
    request.fibreName = "Tenax HTA";
    request.fibre = Catalogue().FindFibre("Tenax HTA")->Array();
    request.weave = Catalogue().FindWeave("Plain");
    request.data = FabricData{1200.0, 1150.5, 0.2, 0.0, 90.0};
    request.results = results;
    request.method = method;
    // A coarse grid and few Gauss points: a finite-element point in milliseconds.
    request.settings.gaussPoints = 3;
    request.settings.accuracy = 100;
    return chartCase;
}

std::vector<std::string> Names(const ChartModel& chart) {
    std::vector<std::string> names;
    for (const ChartSeries& series : chart.series) {
        names.push_back(series.name);
    }
    return names;
}

std::vector<std::string> ModelNames(const std::vector<ModelEntry>& models) {
    std::vector<std::string> names;
    for (const ModelEntry& model : models) {
        names.push_back(model.name);
    }
    return names;
}

}  // namespace

// Each point is the float the result form shows for the same library call: the chart takes no
// other path to its values.
TEST(ChartBuilder, PlySeriesAreTheResultFormsValuesOfEveryModelOfThePropertysKind) {
    const ChartCase chartCase = PlyCase(ChartCaseKind::UDPly, "Puck", "ChamberLain(Square)");
    const ChartRuns runs = ComputeChartRuns(chartCase, {60.0, 20.0, 40.0, 40.0});
    EXPECT_EQ(runs.percents, (std::vector<double>{20.0, 40.0, 60.0}));

    const ChartModel ey = ChartOf(chartCase, runs, UDResults::E2);
    EXPECT_EQ(Names(ey), ModelNames(chartCase.elasticModels));
    EXPECT_EQ(ey.title, "Ey = Ez of a UD ply: Hercules AS4 in Hexcel 8552");
    EXPECT_EQ(ey.YTitle(), "Ey = Ez [GPa]");
    const ChartModel alpha = ChartOf(chartCase, runs, UDResults::Alpha2);
    EXPECT_EQ(Names(alpha), ModelNames(chartCase.thermalModels));
    EXPECT_EQ(alpha.title,
              "α y = α z of a UD ply: Hercules AS4 in Hexcel 8552, elastic model Puck");

    const short puck = chartCase.elasticModels[chartCase.elastic].code;
    const short square = chartCase.thermalModels[chartCase.thermal].code;
    for (std::size_t i = 0; i < runs.percents.size(); ++i) {
        for (std::size_t m = 0; m < chartCase.elasticModels.size(); ++m) {
            double out[9];
            UDMixel(runs.percents[i] * 0.01, chartCase.resin, chartCase.fibre,
                    chartCase.elasticModels[m].code, square, out);
            EXPECT_EQ(ey.series[m].values[i], UDResults::FromLibrary(out)[UDResults::E2]);
        }
        for (std::size_t m = 0; m < chartCase.thermalModels.size(); ++m) {
            double out[9];
            UDMixel(runs.percents[i] * 0.01, chartCase.resin, chartCase.fibre, puck,
                    chartCase.thermalModels[m].code, out);
            EXPECT_EQ(alpha.series[m].values[i], UDResults::FromLibrary(out)[UDResults::Alpha2]);
        }
    }
}

TEST(ChartBuilder, ARandomMatIsChartedFromItsOwnEntryPoint) {
    const ChartCase chartCase = PlyCase(ChartCaseKind::RandomMat);
    const ChartModel gxy =
        ChartOf(chartCase, ComputeChartRuns(chartCase, {50.0}), RandomMatResults::Gxy);
    EXPECT_EQ(gxy.title, "Gxy of a random mat: Hercules AS4 in Hexcel 8552");
    double out[9];
    RNDProperties(0.5, chartCase.resin, chartCase.fibre, chartCase.elasticModels[0].code,
                  chartCase.thermalModels[chartCase.thermal].code, out);
    EXPECT_EQ(gxy.series[0].values[0], RandomMatResults::FromLibrary(out)[RandomMatResults::Gxy]);
}

// A resin without stiffness makes some models divide by zero: those fractions are gaps, and the
// models that still give numbers keep their points.
TEST(ChartBuilder, FractionsWithoutFiniteResultsAreGapsNotPoints) {
    static const double kLimpResin[3] = {0.0, 0.35, 5e-5};
    ChartCase chartCase = PlyCase(ChartCaseKind::UDPly);
    chartCase.resin = kLimpResin;
    const ChartModel ex = ChartOf(chartCase, ComputeChartRuns(chartCase, {30.0, 50.0}), 0);
    std::size_t gaps = 0;
    std::size_t points = 0;
    for (const ChartSeries& series : ex.series) {
        for (const std::optional<float>& value : series.values) {
            (value ? points : gaps) += 1;
        }
    }
    EXPECT_GT(gaps, 0u);
    EXPECT_GT(points, 0u);
    EXPECT_LE(ex.y.minimum, ex.y.maximum);
}

TEST(ChartBuilder, PackingRegionsMarkPliesOnlyAndOnlyWhereTheAxisReaches) {
    const ChartCase ply = PlyCase(ChartCaseKind::UDPly);
    const ChartModel upTo95 =
        ChartOf(ply, ComputeChartRuns(ply, FractionRange{5.0, 95.0, 5.0}.Points()), 0);
    ASSERT_EQ(upTo95.regions.size(), 2u);
    EXPECT_EQ(upTo95.regions[0].from, kSquarePackingPercent);
    EXPECT_EQ(upTo95.regions[0].to, kHexagonalPackingPercent);
    EXPECT_EQ(upTo95.regions[1].from, kHexagonalPackingPercent);
    EXPECT_EQ(upTo95.regions[1].to, 95.0);
    const ChartModel upTo80 = ChartOf(ply, ComputeChartRuns(ply, {10.0, 80.0}), 0);
    ASSERT_EQ(upTo80.regions.size(), 1u);
    EXPECT_EQ(upTo80.regions[0].to, 80.0);
    EXPECT_TRUE(ChartOf(ply, ComputeChartRuns(ply, {10.0, 75.0}), 0).regions.empty());

    // A fabric's volume fraction is not its yarns' packing.
    const ChartCase fabric = FabricCase(FabricResults::Constants3D);
    const ChartModel woven = ChartOf(fabric, ComputeChartRuns(fabric, {50.0, 85.0}), 0);
    EXPECT_TRUE(woven.regions.empty());
}

TEST(ChartBuilder, AFabricIsABandBetweenItsIsoStressAndIsoStrainBounds) {
    const ChartCase chartCase = FabricCase(FabricResults::Constants3D);
    const ChartRuns runs = ComputeChartRuns(chartCase, {30.0, 45.0, 60.0});
    EXPECT_FALSE(runs.finiteElementRun);
    const ChartModel ex = ChartOf(chartCase, runs, Fabric3DResults::Ex);
    EXPECT_EQ(Names(ex), (std::vector<std::string>{"Iso-stress", "Iso-strain"}));
    ASSERT_TRUE(ex.band);
    EXPECT_EQ(ex.band->lower, 0u);
    EXPECT_EQ(ex.band->upper, 1u);
    for (std::size_t i = 0; i < runs.percents.size(); ++i) {
        // Equal strains in every yarn crossing make the stiffer average.
        EXPECT_LT(*ex.series[0].values[i], *ex.series[1].values[i]) << runs.percents[i];
        FabricRequest request = chartCase.fabric;
        request.isoStrain = true;
        request.fibreVolumePercent = runs.percents[i];
        double out[kFabricResultSize];
        ASSERT_TRUE(request.Calculate(out));
        EXPECT_EQ(ex.series[1].values[i], Fabric3DResults::FromLibrary(out)[Fabric3DResults::Ex]);
    }
}

// The laminate's small entries are cleared by the display minimums, as on the result form.
TEST(ChartBuilder, ALaminateChartAppliesTheDisplayMinimums) {
    ChartCase chartCase = FabricCase(FabricResults::Laminate);
    const ChartRuns runs = ComputeChartRuns(chartCase, {50.0});
    FabricRequest request = chartCase.fabric;
    request.fibreVolumePercent = 50.0;
    double out[kFabricResultSize];
    ASSERT_TRUE(request.Calculate(out));
    const FabricABDResults shown = FabricABDResults::FromLibrary(out, 1e-10, 1e-15);
    for (std::size_t field = 0; field < FabricABDResults::kFieldCount; ++field) {
        EXPECT_EQ(ChartOf(chartCase, runs, field).series[0].values[0], shown.values[field])
            << field;
    }
    chartCase.minimums.abdMinimum = 1e30;
    EXPECT_EQ(ChartOf(chartCase, ComputeChartRuns(chartCase, {50.0}), FabricABDResults::A11)
                  .series[0]
                  .values[0],
              0.0f);
}

TEST(ChartBuilder, FiniteElementPointsAreAFewFractionsOfTheRangeFilledOneByOne) {
    EXPECT_EQ(FiniteElementPoints(FractionRange{5.0, 75.0, 1.0}.Points()),
              (std::vector<std::size_t>{0, 18, 35, 53, 70}));
    EXPECT_EQ(FiniteElementPoints({10.0, 20.0, 30.0}), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(FiniteElementPoints({10.0}), (std::vector<std::size_t>{0}));
    EXPECT_TRUE(FiniteElementPoints({}).empty());

    const ChartCase chartCase = FabricCase(FabricResults::Laminate, FabricMethod::FiniteElements);
    ChartRuns runs = ComputeChartRuns(chartCase, FractionRange{40.0, 60.0, 5.0}.Points());
    ASSERT_TRUE(runs.finiteElementRun);
    ChartModel chart = ChartOf(chartCase, runs, FabricABDResults::A11);
    ASSERT_EQ(Names(chart),
              (std::vector<std::string>{"Iso-stress", "Iso-strain", "Finite elements"}));
    EXPECT_EQ(chart.series[2].style, SeriesStyle::Points);
    EXPECT_TRUE(std::none_of(chart.series[2].values.begin(), chart.series[2].values.end(),
                             [](const std::optional<float>& value) { return value.has_value(); }));

    const std::vector<float> record = FiniteElementRecord(chartCase, 50.0);
    ASSERT_EQ(record.size(), std::size_t{FabricABDResults::kFieldCount});
    FabricRequest request = chartCase.fabric;
    request.fibreVolumePercent = 50.0;
    double out[kFabricResultSize];
    ASSERT_TRUE(request.Calculate(out));
    EXPECT_EQ(record[FabricABDResults::D11],
              FabricABDResults::FromLibrary(out, 1e-10, 1e-15)[FabricABDResults::D11]);
    EXPECT_TRUE(SetFiniteElementRecord(runs, 2, record));
    EXPECT_FALSE(SetFiniteElementRecord(runs, 10, record));  // not a finite-element fraction
    chart = ChartOf(chartCase, runs, FabricABDResults::D11);
    EXPECT_EQ(chart.series[2].values[2], record[FabricABDResults::D11]);

    const ChartRuns complete =
        ComputeCompleteChartRuns(chartCase, FractionRange{40.0, 60.0, 5.0}.Points());
    for (std::size_t point : complete.finiteElementPoints) {
        EXPECT_FALSE(complete.runs[2].records[point].empty()) << point;
    }
}

TEST(ChartBuilder, AxesReachTheCurrentFractionAndEncloseEveryValueOnRoundNumbers) {
    ChartCase chartCase = PlyCase(ChartCaseKind::UDPly);
    chartCase.currentPercent = 72.5;
    const ChartModel chart =
        ChartOf(chartCase, ComputeChartRuns(chartCase, {20.0, 30.0, 40.0}), UDResults::G12);
    EXPECT_EQ(chart.x.minimum, 20.0);
    EXPECT_EQ(chart.x.maximum, 72.5);
    for (const ChartSeries& series : chart.series) {
        for (const std::optional<float>& value : series.values) {
            EXPECT_GE(*value, chart.y.minimum);
            EXPECT_LE(*value, chart.y.maximum);
        }
    }
    const double ticks = (chart.y.maximum - chart.y.minimum) / chart.y.tickInterval;
    EXPECT_NEAR(ticks, std::round(ticks), 1e-9);
}

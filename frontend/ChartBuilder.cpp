#include "ChartBuilder.h"

#include <algorithm>
#include <functional>
#include <future>
#include <iterator>

#include "PackingLimits.h"
#include "PlyCalculation.h"
#include "ResultRecords.h"

namespace {

template <typename Record>
std::vector<float> Values(const Record& record) {
    return std::vector<float>(record.values.begin(), record.values.end());
}

std::vector<float> PlyRecord(const ChartCase& chartCase, double percent, short elasticCode,
                             short thermalCode) {
    const bool randomMat = chartCase.kind == ChartCaseKind::RandomMat;
    double out[kPlyResultSize] = {};
    if (!CalculatePlyOutput(randomMat, percent, chartCase.resin, chartCase.fibre, elasticCode,
                            thermalCode, out)) {
        return {};
    }
    return randomMat ? Values(RandomMatResults::FromLibrary(out))
                     : Values(UDResults::FromLibrary(out));
}

// The fabric's record by the request's results and method, with the display minimums on a
// laminate as its result form clears them.
std::vector<float> FabricRecord(const FabricRequest& request, const DisplayOptions& minimums) {
    double out[kFabricResultSize] = {};
    if (request.weave == nullptr || !request.Calculate(out) ||
        !ResultsFinite(out, request.OutputSize())) {
        return {};
    }
    if (request.Laminate()) {
        return Values(
            FabricABDResults::FromLibrary(out, minimums.abdMinimum, minimums.thermalMinimum));
    }
    return Values(Fabric3DResults::FromLibrary(out));
}

// One run per model of a ply list; `thermal` says whether the list is the thermal one, the other
// list's selected model completing each call.
std::vector<ModelRun> PlyRuns(const ChartCase& chartCase, const std::vector<double>& percents,
                              bool thermal) {
    const std::vector<ModelEntry>& models =
        thermal ? chartCase.thermalModels : chartCase.elasticModels;
    std::vector<ModelRun> runs;
    if (chartCase.elastic >= chartCase.elasticModels.size() ||
        chartCase.thermal >= chartCase.thermalModels.size()) {
        return runs;
    }
    for (const ModelEntry& model : models) {
        ModelRun run{model.name,
                     SeriesStyle::Line,
                     thermal ? ModelRun::Draws::Thermal : ModelRun::Draws::Elastic,
                     {}};
        const short elastic =
            thermal ? chartCase.elasticModels[chartCase.elastic].code : model.code;
        const short thermalCode =
            thermal ? model.code : chartCase.thermalModels[chartCase.thermal].code;
        run.records.reserve(percents.size());
        for (double percent : percents) {
            run.records.push_back(PlyRecord(chartCase, percent, elastic, thermalCode));
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

ModelRun AverageRun(const ChartCase& chartCase, const std::vector<double>& percents,
                    bool isoStrain) {
    ModelRun run{
        isoStrain ? "Iso-strain" : "Iso-stress", SeriesStyle::Line, ModelRun::Draws::Every, {}};
    FabricRequest request = chartCase.fabric;
    request.method = FabricMethod::Average;
    request.isoStrain = isoStrain;
    for (double percent : percents) {
        request.fibreVolumePercent = percent;
        run.records.push_back(FabricRecord(request, chartCase.minimums));
    }
    return run;
}

bool Draws(const ModelRun& run, bool thermalProperty) {
    switch (run.draws) {
        case ModelRun::Draws::Elastic:
            return !thermalProperty;
        case ModelRun::Draws::Thermal:
            return thermalProperty;
        case ModelRun::Draws::Every:
            break;
    }
    return true;
}

}  // namespace

ChartRuns ComputeChartRuns(const ChartCase& chartCase, std::vector<double> percents) {
    std::sort(percents.begin(), percents.end());
    percents.erase(std::unique(percents.begin(), percents.end()), percents.end());
    ChartRuns result;
    result.percents = std::move(percents);
    if (!chartCase.IsFabric()) {
        result.runs = PlyRuns(chartCase, result.percents, false);
        std::vector<ModelRun> thermal = PlyRuns(chartCase, result.percents, true);
        std::move(thermal.begin(), thermal.end(), std::back_inserter(result.runs));
        return result;
    }
    // The two averages side by side: a fine weave takes a few milliseconds a fraction.
    std::future<ModelRun> isoStrain = std::async(
        std::launch::async, AverageRun, std::cref(chartCase), std::cref(result.percents), true);
    result.runs.push_back(AverageRun(chartCase, result.percents, false));
    result.runs.push_back(isoStrain.get());
    if (chartCase.fabric.Laminate() && chartCase.fabric.FiniteElements()) {
        result.finiteElementRun = result.runs.size();
        result.finiteElementPoints = FiniteElementPoints(result.percents);
        result.runs.push_back(ModelRun{"Finite elements", SeriesStyle::Points,
                                       ModelRun::Draws::Every,
                                       std::vector<std::vector<float>>(result.percents.size())});
    }
    return result;
}

ChartRuns ComputeCompleteChartRuns(const ChartCase& chartCase, std::vector<double> percents) {
    ChartRuns runs = ComputeChartRuns(chartCase, std::move(percents));
    for (std::size_t point : runs.finiteElementPoints) {
        SetFiniteElementRecord(runs, point, FiniteElementRecord(chartCase, runs.percents[point]));
    }
    return runs;
}

std::vector<std::size_t> FiniteElementPoints(const std::vector<double>& percents) {
    std::vector<std::size_t> points;
    if (percents.empty()) {
        return points;
    }
    const std::size_t count = std::min(kFiniteElementPointCount, percents.size());
    const std::size_t last = percents.size() - 1;
    for (std::size_t k = 0; k < count; ++k) {
        // The k-th of `count` evenly spaced positions, rounded to the nearest point.
        const std::size_t point = count == 1 ? 0 : (k * last * 2 + (count - 1)) / (2 * (count - 1));
        if (points.empty() || points.back() != point) {
            points.push_back(point);
        }
    }
    return points;
}

std::vector<float> FiniteElementRecord(const ChartCase& chartCase, double percent) {
    FabricRequest request = chartCase.fabric;
    request.fibreVolumePercent = percent;
    return FabricRecord(request, chartCase.minimums);
}

bool SetFiniteElementRecord(ChartRuns& runs, std::size_t point, std::vector<float> record) {
    if (!runs.finiteElementRun ||
        std::find(runs.finiteElementPoints.begin(), runs.finiteElementPoints.end(), point) ==
            runs.finiteElementPoints.end()) {
        return false;
    }
    runs.runs[*runs.finiteElementRun].records[point] = std::move(record);
    return true;
}

ChartModel ChartOf(const ChartCase& chartCase, const ChartRuns& runs, std::size_t property) {
    ChartModel chart;
    chart.property = chartCase.Properties().at(property);
    const bool thermal = chartCase.IsThermal(property);
    chart.title = chart.property.label + " of " + chartCase.Description();
    if (thermal && chartCase.elastic < chartCase.elasticModels.size()) {
        chart.title += ", elastic model " + chartCase.elasticModels[chartCase.elastic].name;
    }
    chart.percents = runs.percents;
    for (const ModelRun& run : runs.runs) {
        if (!Draws(run, thermal)) {
            continue;
        }
        ChartSeries series{run.name, run.style, {}};
        series.values.reserve(run.records.size());
        for (const std::vector<float>& record : run.records) {
            series.values.push_back(
                property < record.size() ? std::optional<float>(record[property]) : std::nullopt);
        }
        chart.series.push_back(std::move(series));
    }
    if (chartCase.IsFabric()) {
        // The first two runs are the iso-stress and iso-strain averages.
        chart.band = ChartBand{"Between the bounds", 0, 1};
    } else {
        chart.regions = {{"Beyond square packing", kSquarePackingPercent, kHexagonalPackingPercent},
                         {"Beyond hexagonal packing", kHexagonalPackingPercent, 100.0}};
    }
    chart.currentPercent = chartCase.currentPercent;
    FitAxes(chart);
    return chart;
}

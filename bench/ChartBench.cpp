// The property chart of a UD ply with every model over 200 volume fractions: the 13 runs (6
// elastic and 7 thermal models) computed as the chart window computes them when its range
// changes, the chart of one property picked from them, and the chart drawn again with Qt Charts
// at the window's size (laid out, painted, the series it replaced deleted). The window's budget
// for all of it is 50 ms.
#include <benchmark/benchmark.h>
#include <QApplication>

#include <algorithm>
#include <cstdlib>

#include "Catalogue.h"
#include "ChartBuilder.h"
#include "ChartCanvas.h"
#include "DisplayOrder.h"
#include "FractionRange.h"
#include "ResultRecords.h"

namespace {

std::vector<ModelEntry> InDisplayOrder(std::vector<ModelEntry> models) {
    std::stable_sort(models.begin(), models.end(), [](const ModelEntry& a, const ModelEntry& b) {
        return DisplayLess(a.name, b.name);
    });
    return models;
}

const ChartCase& UDCase() {
    static const CCatalogue catalogue;
    static const ChartCase chartCase = [] {
        ChartCase made;
        made.kind = ChartCaseKind::UDPly;
        made.resinName = "Hexcel 8552";
        made.fibreName = "Hercules AS4";
        made.resin = catalogue.FindResin(made.resinName)->Array();
        made.fibre = catalogue.FindFibre(made.fibreName)->Array();
        made.elasticModels = InDisplayOrder(catalogue.ElasticModels());
        made.thermalModels = InDisplayOrder(catalogue.ThermalModels());
        made.currentPercent = 60.0;
        return made;
    }();
    return chartCase;
}

// 200 fractions: 0.45 % to 99.95 % in steps of 0.5 %, past both packing limits.
const std::vector<double>& Fractions() {
    static const std::vector<double> fractions = FractionRange{0.45, 99.95, 0.5}.Points();
    return fractions;
}

void BM_ChartRunsOf13ModelsAt200Fractions(benchmark::State& state) {
    for (auto _ : state) {
        const ChartRuns runs = ComputeChartRuns(UDCase(), Fractions());
        benchmark::DoNotOptimize(ChartOf(UDCase(), runs, UDResults::E2).series.size());
    }
    state.SetItemsProcessed(state.iterations() * 13 * static_cast<int64_t>(Fractions().size()));
}

// Lays the canvas out and paints it as the window does after a change, and deletes the series it
// replaced (which Qt leaves to the event loop).
void Redraw(CChartCanvas& canvas) {
    QApplication::processEvents();
    canvas.repaint();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What the window does when the range changes: compute, pick the property, draw.
void BM_ChartRunsAndRedraw(benchmark::State& state) {
    CChartCanvas canvas;
    canvas.resize(980, 560);
    canvas.show();
    std::size_t property = 0;
    for (auto _ : state) {
        const ChartRuns runs = ComputeChartRuns(UDCase(), Fractions());
        canvas.Show(ChartOf(UDCase(), runs, property));
        property = (property + 1) % UDResults::kFieldCount;
        Redraw(canvas);
    }
}

// Another property from runs already computed: the property list's cost.
void BM_ChartRedrawOfAnotherProperty(benchmark::State& state) {
    CChartCanvas canvas;
    canvas.resize(980, 560);
    canvas.show();
    const ChartRuns runs = ComputeChartRuns(UDCase(), Fractions());
    std::size_t property = 0;
    for (auto _ : state) {
        canvas.Show(ChartOf(UDCase(), runs, property));
        property = (property + 1) % UDResults::kFieldCount;
        Redraw(canvas);
    }
}

BENCHMARK(BM_ChartRunsOf13ModelsAt200Fractions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartRunsAndRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartRedrawOfAnotherProperty)->Unit(benchmark::kMillisecond);

}  // namespace

// Qt Charts needs an application object; the offscreen platform draws without a display.
int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <string>

#include "Catalogue.h"
#include "weftcore.h"

namespace {

// A fibre, a resin, a volume fraction and a fabric, with yarns at 0 and 90 degrees.
struct FabricMaterials {
    double resin[3];
    double fibre[8];
    double vf;
    double fabric[7];
};

// The calculator's default fabric settings with the catalogue pair "Hexcel 8552" / "Hercules
// AS4" at a 60 % fibre volume fraction.
const FabricMaterials kCarbonEpoxy{{3.64e9, 0.37, 6.5e-5},
                                   {221e9, 15e9, 20e9, 5e9, 0.27, -4e-7, 1.2e-5, 1790},
                                   0.6,
                                   {1.0, 1.0, 0.95, 0.85, 500.0, 500.0, 0.3}};

// "E-Glass" / "General Epoxy" at 50 %, 1200 yarns/m each way: a much softer, isotropic fibre in
// a denser fabric, for the finite-element solve's dependence on the materials.
const FabricMaterials kGlassEpoxy{{3.24e9, 0.37, 6.6e-5},
                                  {72.4e9, 72.4e9, 30.2e9, 30.2e9, 0.2, 5e-6, 5e-6, 2500},
                                  0.5,
                                  {1.0, 1.0, 0.95, 0.85, 1200.0, 1200.0, 0.3}};

void RunWoven(benchmark::State& state, const std::string& weaveName, short model,
              const FabricMaterials& materials = kCarbonEpoxy) {
    static const CCatalogue catalogue;
    const CNamedWeave* weave = catalogue.FindWeave(weaveName);
    const double cellFactors[2] = {10.0, 5.0};
    short gaussPoints = static_cast<short>(state.range(0));
    // The front-end's coarsening level: MaxReduction scaled by the accuracy percentage, rounded.
    int reductions = static_cast<int>(std::lround(weave->MaxReduction() * state.range(1) / 100.0));
    double out[41];
    for (auto _ : state) {
        bool ok = WFProperties(model, true, weave, gaussPoints, materials.vf, materials.resin,
                               materials.fibre, materials.fabric, 0.0, 1.5707963267948966,
                               cellFactors, reductions, out);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(out);
    }
    // Peak resident memory of the process so far: run one benchmark per process to read it.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = usage.ru_maxrss / 1024.0;
}

void BM_Woven3D_Plain(benchmark::State& state) {
    RunWoven(state, "Plain", 0);
}
void BM_Woven3D_Basket8x8(benchmark::State& state) {
    RunWoven(state, "Basket 8x8", 0);
}
void BM_WovenABD_Plain(benchmark::State& state) {
    RunWoven(state, "Plain", 1);
}
void BM_WovenABD_Basket8x8(benchmark::State& state) {
    RunWoven(state, "Basket 8x8", 1);
}

// Arguments: Gauss points, accuracy in percent (read by the finite-element model only).
BENCHMARK(BM_Woven3D_Plain)->Args({8, 0})->Args({11, 0})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Woven3D_Basket8x8)->Args({8, 0})->Args({11, 0})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WovenABD_Plain)->Args({8, 0})->Args({11, 0})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WovenABD_Basket8x8)->Args({8, 0})->Args({11, 0})->Unit(benchmark::kMicrosecond);

// Finite elements for every built-in weave, at the front-end's default 8 Gauss points, at
// accuracy 0 (Fine, one element per pattern cell) and 100 (Coarse). Named
// BM_WovenFE/<weave>/<Gauss points>/<accuracy>; the equation count is reported as N. For the
// peak memory of one weave run it alone: --benchmark_filter='BM_WovenFE/Basket 8x8/8/0$'.
struct RegisterFiniteElementRuns {
    RegisterFiniteElementRuns() {
        static const CCatalogue catalogue;
        for (const auto& weave : catalogue.Weaves()) {
            const std::string name = weave->Name();
            auto* run = benchmark::RegisterBenchmark(
                ("BM_WovenFE/" + name).c_str(), [name](benchmark::State& state) {
                    RunWoven(state, name, 2);
                    const CWeave* found = catalogue.FindWeave(name);
                    int reductions = static_cast<int>(
                        std::lround(found->MaxReduction() * state.range(1) / 100.0));
                    int nx = found->Cols() >> reductions;
                    int ny = found->Rows() >> reductions;
                    state.counters["N"] = 5.0 * (nx + 1) * (ny + 1);
                });
            run->Args({8, 0})->Args({8, 100})->Unit(benchmark::kMillisecond);
        }
        // The largest weaves again with the glass fabric: BM_WovenFE_Glass/<weave>/8/0.
        for (const std::string name : {"Satin 12H", "Basket 8x8"}) {
            benchmark::RegisterBenchmark(
                ("BM_WovenFE_Glass/" + name).c_str(),
                [name](benchmark::State& state) { RunWoven(state, name, 2, kGlassEpoxy); })
                ->Args({8, 0})
                ->Unit(benchmark::kMillisecond);
        }
    }
} registerFiniteElementRuns;

}  // namespace

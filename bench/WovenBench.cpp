#include <benchmark/benchmark.h>

#include <string>

#include "Catalogue.h"
#include "weftcore.h"

namespace {

// The calculator's default fabric settings with the catalogue pair "Hexcel 8552" / "Hercules
// AS4" (a 60 % fibre volume fraction is set below) and yarns at 0 and 90 degrees.
void RunWoven(benchmark::State& state, const std::string& weaveName, short model) {
    static const CCatalogue catalogue;
    const CNamedWeave* weave = catalogue.FindWeave(weaveName);
    const double resin[3] = {3.64e9, 0.37, 6.5e-5};
    const double fibre[8] = {221e9, 15e9, 20e9, 5e9, 0.27, -4e-7, 1.2e-5, 1790};
    const double fabric[7] = {1.0, 1.0, 0.95, 0.85, 500.0, 500.0, 0.3};
    const double cellFactors[2] = {10.0, 5.0};
    short gaussPoints = static_cast<short>(state.range(0));
    double out[41];
    for (auto _ : state) {
        bool ok = WFProperties(model, true, weave, gaussPoints, 0.6, resin, fibre, fabric, 0.0,
                               1.5707963267948966, cellFactors, 0, out);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(out);
    }
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

BENCHMARK(BM_Woven3D_Plain)->Arg(8)->Arg(11)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Woven3D_Basket8x8)->Arg(8)->Arg(11)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WovenABD_Plain)->Arg(8)->Arg(11)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WovenABD_Basket8x8)->Arg(8)->Arg(11)->Unit(benchmark::kMicrosecond);

}  // namespace

// corvel-cli's largest everyday sweep run in-process: 41 volume fractions x 6 elastic x 7
// thermal models of a UD ply (1722 rows), from the command line to the printed table or CSV.
#include <benchmark/benchmark.h>

#include <sstream>
#include <vector>

#include "Commands.h"

namespace {

void RunSweep(benchmark::State& state, const char* format) {
    std::vector<const char*> arguments = {"corvel-cli", "ud",           "--resin",   "Hexcel 8552",
                                          "--fibre",    "Hercules AS4", "--vf",      "30:70:1",
                                          "--elastic",  "all",          "--thermal", "all"};
    if (format != nullptr) {
        arguments.push_back(format);
    }
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        const int status =
            RunCorvelCli(static_cast<int>(arguments.size()), arguments.data(), out, err);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * 41 * 6 * 7);
}

void BM_UDSweepTable(benchmark::State& state) {
    RunSweep(state, nullptr);
}
void BM_UDSweepCsv(benchmark::State& state) {
    RunSweep(state, "--csv");
}
void BM_UDSweepJson(benchmark::State& state) {
    RunSweep(state, "--json");
}

BENCHMARK(BM_UDSweepTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UDSweepCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UDSweepJson)->Unit(benchmark::kMillisecond);

}  // namespace

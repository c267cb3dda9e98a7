#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "UserMaterials.h"

namespace {

// A user file of `count` resins and `count` fibres, written by the program itself.
std::string WriteUserFile(const std::filesystem::path& directory, int count) {
    CUserMaterials materials;
    for (int i = 0; i < count; ++i) {
        std::string suffix = std::to_string(i);
        materials.AddResin(
            ResinRecord{"Resin " + suffix, "bench", "07/12/2026", {3.1e9 + i, 0.35, 6.6e-5}});
        materials.AddFibre(FibreRecord{"Fibre " + suffix,
                                       "bench",
                                       "07/12/2026",
                                       {231e9 + i, 40e9, 24e9, 14.4e9, 0.26, -5e-7, 5.6e-6, 1750}});
    }
    std::string file = (directory / "userData.dat").string();
    materials.SaveUserMaterials(file);
    return file;
}

// Start-up load and exit save of a large user file: 10,000 materials in all.
void BM_LoadAndSaveUserFile(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no temporary directory");
        return;
    }
    std::filesystem::path directory = pattern;
    std::string file = WriteUserFile(directory, static_cast<int>(state.range(0)) / 2);
    for (auto _ : state) {
        CUserMaterials materials;
        materials.LoadUserMaterials(file);
        materials.AddResin(ResinRecord{"New", "bench", "07/12/2026", {3e9, 0.3, 5e-5}});
        benchmark::DoNotOptimize(materials.SaveUserMaterials(file));
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_LoadAndSaveUserFile)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

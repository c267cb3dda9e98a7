#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "Commands.h"
#include "MainDialog.h"
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

// A temporary directory holding a user file of `materials` materials in all, removed at the end.
class CBenchDirectory {
public:
    explicit CBenchDirectory(int materials) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvel-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
            file_ = WriteUserFile(path_, materials / 2);
        }
    }
    ~CBenchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    bool Ok() const { return !file_.empty(); }
    const std::filesystem::path& Path() const { return path_; }
    const std::string& File() const { return file_; }

private:
    std::filesystem::path path_;
    std::string file_;
};

// A window system that answers nothing: the main form only opens.
class CSilentWindowSystem : public IWindowSystem {
public:
    MessageAnswer ShowMessage(const Message&) override { return MessageAnswer::No; }
    FormResult RunModal(CForm& form) override { return form.Result(); }
    void ShowDocument(const std::string&, std::string_view) override {}
    SaveFileAnswer AskSaveFile(const SaveFileQuestion&) override { return {}; }
    void SetClipboardText(const std::string&) override {}
    WorkOutcome RunWork(const WorkRequest&, std::function<void(IProgressSink&)> work) override {
        CUncancelledProgress progress;
        work(progress);
        return WorkOutcome::Finished;
    }
};

// Start-up load and exit save of a large user file.
void BM_LoadAndSaveUserFile(benchmark::State& state) {
    CBenchDirectory directory(static_cast<int>(state.range(0)));
    if (!directory.Ok()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    for (auto _ : state) {
        CUserMaterials materials;
        materials.LoadUserMaterials(directory.File());
        materials.AddResin(ResinRecord{"New", "bench", "07/12/2026", {3e9, 0.3, 5e-5}});
        benchmark::DoNotOptimize(materials.SaveUserMaterials(directory.File()));
    }
}
BENCHMARK(BM_LoadAndSaveUserFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The desktop's start-up from the file to the main form's filled lists.
void BM_MainFormOpensWithUserFile(benchmark::State& state) {
    CBenchDirectory directory(static_cast<int>(state.range(0)));
    if (!directory.Ok()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    CSilentWindowSystem windowSystem;
    for (auto _ : state) {
        CMainDialog form(windowSystem, directory.File());
        form.BeginModal();
        benchmark::DoNotOptimize(form.ResinList().Count());
    }
}
BENCHMARK(BM_MainFormOpensWithUserFile)->Arg(100000)->Unit(benchmark::kMillisecond);

// `corvel-cli list resins` in-process, from the file in the working directory to the printed
// list.
void BM_CliListsUserFile(benchmark::State& state) {
    CBenchDirectory directory(static_cast<int>(state.range(0)));
    if (!directory.Ok()) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(directory.Path());
    const char* arguments[] = {"corvel-cli", "list", "resins"};
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(RunCorvelCli(3, arguments, out, err));
    }
    std::filesystem::current_path(previous);
}
BENCHMARK(BM_CliListsUserFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

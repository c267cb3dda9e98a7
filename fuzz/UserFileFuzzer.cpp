// The user-material file as an attacker writes it: any bytes are loaded without a crash, a hang or
// unbounded memory, and a file that loads makes a round trip: saved, loaded again and saved
// again, the two saved files are byte for byte the same and hold the same materials.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "UserMaterials.h"

namespace {

const std::filesystem::path& Directory() {
    static const std::filesystem::path directory = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvel-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return std::filesystem::path(pattern);
    }();
    return directory;
}

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "round trip broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path input = Directory() / "input.dat";
    const std::filesystem::path first = Directory() / "first.dat";
    const std::filesystem::path second = Directory() / "second.dat";
    std::filesystem::remove(first);
    std::filesystem::remove(second);
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CUserMaterials loaded;
    loaded.LoadUserMaterials(input.string());
    if (!loaded.ReadOk()) {
        Check(loaded.ResinCount() + loaded.FibreCount() == 0, "a failed load kept materials");
        Check(!loaded.LoadFailureText("f").empty(), "a failed load without a reason");
        return 0;
    }
    Check(!loaded.SaveUserMaterials(first.string()).has_value(), "the first save failed");
    CUserMaterials reloaded;
    reloaded.LoadUserMaterials(first.string());
    Check(reloaded.ReadOk(), "a saved file did not load");
    Check(reloaded.ResinCount() == loaded.ResinCount(), "resins lost");
    Check(reloaded.FibreCount() == loaded.FibreCount(), "fibres lost");
    Check(!reloaded.SaveUserMaterials(second.string()).has_value(), "the second save failed");
    Check(Read(first) == Read(second), "the second save differs from the first");
    return 0;
}

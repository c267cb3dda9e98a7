#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "WholeFile.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class WholeFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvel-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
    }
    void TearDown() override {
        fs::permissions(directory_, fs::perms::owner_all);
        fs::remove_all(directory_);
    }
    fs::path directory_;
};

}  // namespace

TEST_F(WholeFile, ReplacesTheFileWithTheWholeText) {
    const fs::path path = directory_ / "mat.inp";
    std::ofstream(path) << "an older and longer text";
    EXPECT_EQ(WriteWholeFile(path, "*MATERIAL\n"), "");
    EXPECT_EQ(Read(path), "*MATERIAL\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 1);
}

TEST_F(WholeFile, FailureLeavesTheOldFileAndNoTemporary) {
    EXPECT_NE(WriteWholeFile(directory_ / "missing" / "mat.inp", "x"), "");
    const fs::path path = directory_ / "mat.inp";
    std::ofstream(path) << "old";
    if (::geteuid() != 0) {  // root writes into read-only directories
        fs::permissions(directory_, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(WriteWholeFile(path, "new"), "Permission denied");
        fs::permissions(directory_, fs::perms::owner_all);
    }
    // Renaming over a directory fails after the text was written: the temporary goes.
    fs::create_directory(directory_ / "taken");
    EXPECT_NE(WriteWholeFile(directory_ / "taken", "new"), "");
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()), 2);
}

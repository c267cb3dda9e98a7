#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "UserMaterials.h"

namespace fs = std::filesystem;

namespace {

// Each test works in its own fresh directory under the system's temporary directory.
class UserMaterialsFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvel-user-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
        file_ = (directory_ / "userData.dat").string();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(directory_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(directory_, ignored);
    }

    void Write(const std::string& path, const std::string& text) {
        std::ofstream out(path, std::ios::binary);
        out << text;
    }
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    CUserMaterials Loaded(const std::string& text) {
        Write(file_, text);
        CUserMaterials materials;
        materials.LoadUserMaterials(file_);
        return materials;
    }

    fs::path directory_;
    std::string file_;
};

std::string ResinLines(const std::string& name, const std::string& E = "3.000000",
                       const std::string& nu = "0.350000", const std::string& alpha = "0.000060") {
    return "Name   :        \t" + name + "\nUser   :        \tXJQ\nDate   :        \t01/02/2003\n" +
           "E      : [ GPa ]\t" + E + "\nnu     : [     ]\t" + nu + "\nAlpha  : [ 1/K ]\t" + alpha +
           "\n\n";
}

std::string FibreLines(const std::string& name) {
    return "Name   :        \t" + name +
           "\nUser   :        \tXJQ\nDate   :        \t01/02/2003\n"
           "E1     : [ GPa ]\t230.000000\nE2     : [ GPa ]\t15.000000\n"
           "G12    : [ GPa ]\t24.000000\nG23    : [ GPa ]\t5.000000\n"
           "nu12   : [     ]\t0.260000\nAlpha1 : [ 1/K ]\t-0.000001\n"
           "Alpha2 : [ 1/K ]\t0.000010\nDensity: [Kg/m3]\t1750.000000\n\n";
}

std::string FileOf(const std::string& resins, const std::string& fibres) {
    return "USER DEFINED DATA\n\nRESINS:\n\n" + resins + "\nFIBRES:\n\n" + fibres;
}

template <typename List>
std::vector<std::string> Names(const List& list) {
    std::vector<std::string> names;
    for (const auto& record : list) {
        names.push_back(record.name);
    }
    return names;
}

ResinRecord Resin(const std::string& name, double E, double nu, double alpha) {
    return ResinRecord{name, "me", "07/12/2026", {E, nu, alpha}};
}

const char* const kNotFoundQuestion =
    "userData file not found during application startup.\nCreate a new userData file?";
const char* const kOverwriteQuestion =
    "Overwrite the user-defined resins and fibres file?\n"
    "\n- [New user-defined resins and/or fibres were created]";
const char* const kLoadWarning =
    "\n- WARNING:No user-defined material were loaded during start up."
    "\nPossible reading error during file reading";

}  // namespace

TEST_F(UserMaterialsFile, MissingFileLoadsNothingAndOffersToCreateOne) {
    CUserMaterials materials;
    materials.LoadUserMaterials(file_);
    EXPECT_FALSE(materials.FileFound());
    EXPECT_FALSE(materials.ReadOk());
    EXPECT_EQ(materials.ResinCount() + materials.FibreCount(), 0u);
    EXPECT_EQ(materials.ExitQuestion(), kNotFoundQuestion);

    materials.AddResin(Resin("R", 3e9, 0.3, 5e-5));
    EXPECT_EQ(materials.ExitQuestion(), kNotFoundQuestion);
}

TEST_F(UserMaterialsFile, EmptyListsSaveAsHeadingsOnly) {
    CUserMaterials materials;
    materials.LoadUserMaterials(file_);
    EXPECT_EQ(materials.SaveUserMaterials(file_), std::nullopt);
    EXPECT_EQ(Read(file_), "USER DEFINED DATA\n\nRESINS:\n\n\nFIBRES:\n\n");
    EXPECT_FALSE(fs::exists(file_ + ".tmp"));

    CUserMaterials reloaded;
    reloaded.LoadUserMaterials(file_);
    EXPECT_TRUE(reloaded.ReadOk());
    EXPECT_EQ(reloaded.ResinCount() + reloaded.FibreCount(), 0u);
}

TEST_F(UserMaterialsFile, LoadsNewestFirstAndSavesCreationsAheadOfLoadedMaterials) {
    CUserMaterials materials = Loaded(FileOf(ResinLines("A") + ResinLines("B"), FibreLines("F")));
    EXPECT_TRUE(materials.FileFound());
    EXPECT_TRUE(materials.ReadOk());
    EXPECT_EQ(Names(materials.Resins()), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(materials.ResinCount(), 2u);
    EXPECT_EQ(Names(materials.Fibres()), (std::vector<std::string>{"F"}));
    // Nothing created: leaving neither asks nor writes.
    EXPECT_EQ(materials.ExitQuestion(), std::nullopt);

    const ResinRecord& a = *std::next(materials.Resins().begin());
    EXPECT_EQ(a.user, "XJQ");
    EXPECT_EQ(a.date, "01/02/2003");
    EXPECT_EQ(a.E(), 3e9);
    EXPECT_EQ(a.Nu(), 0.35);
    EXPECT_EQ(a.Alpha(), 0.00006);
    const FibreRecord& fibre = materials.Fibres().front();
    const double expected[8] = {230e9, 15e9, 24e9, 5e9, 0.26, -0.000001, 0.00001, 1750};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(fibre.properties[k], expected[k]) << k;
    }

    const double* before = a.Array();
    materials.AddResin(Resin("C", 3e9, 0.3, 5e-5));
    EXPECT_EQ(a.Array(), before) << "records must not move when others are added";
    EXPECT_EQ(materials.ExitQuestion(), kOverwriteQuestion);
    ASSERT_EQ(materials.SaveUserMaterials(file_), std::nullopt);

    CUserMaterials next;
    next.LoadUserMaterials(file_);
    std::string text = Read(file_);
    EXPECT_LT(text.find("\tC\n"), text.find("\tB\n"));
    EXPECT_LT(text.find("\tB\n"), text.find("\tA\n"));
    EXPECT_EQ(Names(next.Resins()), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_FALSE(fs::exists(file_ + ".bak")) << "a file that was read needs no backup";
}

TEST_F(UserMaterialsFile, WritesTheFixedLayoutWithNumbersThatReadBackUnchanged) {
    CUserMaterials materials;
    materials.LoadUserMaterials(file_);
    materials.AddResin(Resin("Hexcel RTM6", 2.89e9, 0.35, 7.33e-5));
    // Values that six fixed decimals would lose: -4e-7 1/K and a modulus of 4e-7 GPa.
    materials.AddFibre(
        FibreRecord{"Odd fibre",
                    "me",
                    "07/12/2026",
                    {231e9, 400.0, 80769230769.23077, 14.4e9, 0.26, -4e-7, 5.6e-6, 1750}});
    ASSERT_EQ(materials.SaveUserMaterials(file_), std::nullopt);
    EXPECT_EQ(Read(file_),
              "USER DEFINED DATA\n\nRESINS:\n\n"
              "Name   :        \tHexcel RTM6\nUser   :        \tme\nDate   :        \t07/12/2026\n"
              "E      : [ GPa ]\t2.89\nnu     : [     ]\t0.35\nAlpha  : [ 1/K ]\t7.33e-05\n\n"
              "\nFIBRES:\n\n"
              "Name   :        \tOdd fibre\nUser   :        \tme\nDate   :        \t07/12/2026\n"
              "E1     : [ GPa ]\t231\nE2     : [ GPa ]\t4e-07\nG12    : [ GPa ]\t80.7692307692308\n"
              "G23    : [ GPa ]\t14.4\nnu12   : [     ]\t0.26\nAlpha1 : [ 1/K ]\t-4e-07\n"
              "Alpha2 : [ 1/K ]\t5.6e-06\nDensity: [Kg/m3]\t1750\n\n");

    CUserMaterials reloaded;
    reloaded.LoadUserMaterials(file_);
    ASSERT_EQ(reloaded.FibreCount(), 1u);
    const FibreRecord& fibre = reloaded.Fibres().front();
    const FibreRecord& original = materials.Fibres().front();
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(fibre.properties[k], original.properties[k],
                    1e-14 * std::fabs(original.properties[k]))
            << k;
    }
    EXPECT_EQ(fibre.Alpha1(), -4e-7);
    EXPECT_NEAR(reloaded.Resins().front().E(), 2.89e9, 1e-5);
}

TEST_F(UserMaterialsFile, ReadsValuesAtofStyleWhateverTheLabels) {
    std::string resin =
        "Whatever\tOld resin\nU\tsomeone\nD\t\nModulus\t  3.5GPa\nPoisson\tabc\nExp\t0.000073\n\n";
    CUserMaterials materials = Loaded(FileOf(resin, ""));
    ASSERT_TRUE(materials.ReadOk());
    ASSERT_EQ(materials.ResinCount(), 1u);
    const ResinRecord& loaded = materials.Resins().front();
    EXPECT_EQ(loaded.name, "Old resin");
    EXPECT_EQ(loaded.date, "");
    EXPECT_EQ(loaded.E(), 3.5e9);
    EXPECT_EQ(loaded.Nu(), 0.0) << "a value that is not a number reads as 0";
    EXPECT_EQ(loaded.Alpha(), 0.000073);

    CUserMaterials crlf = Loaded(
        "USER DEFINED DATA\r\n\r\nRESINS:\r\n\r\nName\tA\r\nUser\tB\r\n"
        "Date\tC\r\nE\t+3\r\nnu\t-.25\r\nAlpha\t1e-5\r\n\r\n\r\nFIBRES:\r\n");
    ASSERT_EQ(crlf.ResinCount(), 1u);
    EXPECT_EQ(crlf.Resins().front().name, "A");
    EXPECT_EQ(crlf.Resins().front().E(), 3e9);
    EXPECT_EQ(crlf.Resins().front().Nu(), -0.25);
}

TEST_F(UserMaterialsFile, MalformedFilesLoadNothingAndNeverHang) {
    const std::string twoResins = ResinLines("A") + ResinLines("B");
    std::string lastLineWithoutLineFeed = FileOf(twoResins, FibreLines("F"));
    lastLineWithoutLineFeed.resize(lastLineWithoutLineFeed.size() - 2);
    std::string thirteenResinLines = FileOf(twoResins + "Extra\tline\n", FibreLines("F"));

    struct Row {
        const char* what;
        std::string text;
        bool accepted;
    };
    const std::vector<Row> rows = {
        {"empty file", "", false},
        {"no fibre heading", "USER DEFINED DATA\n\nRESINS:\n\n" + twoResins, false},
        {"fibre heading only before the resins", "FIBRES:\nRESINS:\n" + twoResins, false},
        {"headings glued to other words", "xRESINS: FIBRES:x\n", false},
        {"thirteen resin lines", thirteenResinLines, false},
        {"last value line without line feed", lastLineWithoutLineFeed, false},
        {"tabs but no line feeds", "RESINS:\t\t\t\t\t\t\tFIBRES:\t\t\t", true},
        {"a material named FIBRES:", FileOf(ResinLines("FIBRES:"), ""), false},
        {"headings only, on one line", "RESINS: FIBRES:", true},
        {"blank lines and stray text carry no values", FileOf("note\n\n", "\n"), true},
    };
    for (const Row& row : rows) {
        CUserMaterials materials = Loaded(row.text);
        EXPECT_TRUE(materials.FileFound()) << row.what;
        EXPECT_EQ(materials.ReadOk(), row.accepted) << row.what;
        if (!row.accepted) {
            EXPECT_EQ(materials.ResinCount() + materials.FibreCount(), 0u) << row.what;
        }
    }
}

TEST_F(UserMaterialsFile, AfterAFailedLoadTheExitQuestionWarnsAndTheOldFileIsKept) {
    const std::string broken = FileOf(ResinLines("A") + "Extra\tline\n", "");
    Write(file_ + ".bak", "earlier backup");
    CUserMaterials materials = Loaded(broken);
    EXPECT_TRUE(materials.FileFound());
    EXPECT_FALSE(materials.ReadOk());
    EXPECT_EQ(materials.ExitQuestion(), std::nullopt) << "nothing created: leave without asking";

    materials.AddResin(Resin("New", 3e9, 0.3, 5e-5));
    EXPECT_EQ(materials.ExitQuestion(), std::string(kOverwriteQuestion) + kLoadWarning);
    ASSERT_EQ(materials.SaveUserMaterials(file_), std::nullopt);
    EXPECT_EQ(Read(file_ + ".bak"), "earlier backup");
    EXPECT_EQ(Read(file_ + ".bak.1"), broken);
    CUserMaterials reloaded;
    reloaded.LoadUserMaterials(file_);
    EXPECT_EQ(Names(reloaded.Resins()), (std::vector<std::string>{"New"}));

    // The file now holds the lists: a second save replaces it without another backup.
    ASSERT_EQ(materials.SaveUserMaterials(file_), std::nullopt);
    EXPECT_FALSE(fs::exists(file_ + ".bak.2"));
}

TEST_F(UserMaterialsFile, AFailedSaveNamesTheFileAndKeepsTheOldOne) {
    // A directory where the file should be: the rename over it fails after the temporary file
    // was written.
    CUserMaterials materials = Loaded(FileOf(ResinLines("A"), ""));
    materials.AddResin(Resin("B", 3e9, 0.3, 5e-5));
    fs::remove(file_);
    fs::create_directories(fs::path(file_) / "inside");
    auto failure = materials.SaveUserMaterials(file_);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("'" + file_ + "'"), std::string::npos) << *failure;
    EXPECT_TRUE(fs::is_directory(fs::path(file_) / "inside"));
    EXPECT_FALSE(fs::exists(file_ + ".tmp"));

    // A directory that does not exist: nothing can be created.
    std::string nowhere = (directory_ / "missing" / "userData.dat").string();
    failure = materials.SaveUserMaterials(nowhere);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("No such file or directory"), std::string::npos) << *failure;
}

TEST_F(UserMaterialsFile, RespectsFilesAndDirectoriesTheUserCannotWrite) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "access rights do not bind the superuser";
    }
    CUserMaterials materials = Loaded(FileOf(ResinLines("A"), ""));
    materials.AddResin(Resin("B", 3e9, 0.3, 5e-5));
    const std::string before = Read(file_);
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_TRUE(materials.SaveUserMaterials(file_).has_value());
    EXPECT_EQ(Read(file_), before);

    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(directory_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(materials.SaveUserMaterials(file_).has_value());
    EXPECT_EQ(Read(file_), before);

    fs::permissions(file_, fs::perms::none);
    CUserMaterials unreadable;
    unreadable.LoadUserMaterials(file_);
    EXPECT_FALSE(unreadable.FileFound());
}

TEST(UserMaterials, RefusesTextsThatWouldBreakTheFile) {
    for (const char* text : {"Epoxy 3", "", "  spaced  ", "RESINS",
                             "resins:", "xFIBRES:", "FIBRES:x", "Name : 12/12"}) {
        EXPECT_TRUE(CUserMaterials::FitsInFile(text)) << text;
    }
    for (const char* text :
         {"tab\there", "line\nfeed", "FIBRES:", "my RESINS: resin", "a\vFIBRES:\fb", "\tx"}) {
        EXPECT_FALSE(CUserMaterials::FitsInFile(text)) << text;
    }
}

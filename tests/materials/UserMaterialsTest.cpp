#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "AsOrdinaryUser.h"
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

TEST_F(UserMaterialsFile, KeepsTheFilesOrderAndSavesCreationsAheadOfLoadedMaterials) {
    CUserMaterials materials = Loaded(FileOf(ResinLines("A") + ResinLines("B"), FibreLines("F")));
    EXPECT_TRUE(materials.FileFound());
    EXPECT_TRUE(materials.ReadOk());
    EXPECT_EQ(Names(materials.Resins()), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(materials.ResinCount(), 2u);
    EXPECT_EQ(Names(materials.Fibres()), (std::vector<std::string>{"F"}));
    // Nothing created: leaving neither asks nor writes.
    EXPECT_EQ(materials.ExitQuestion(), std::nullopt);

    const ResinRecord& a = materials.Resins().front();
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
    EXPECT_LT(text.find("\tC\n"), text.find("\tA\n"));
    EXPECT_LT(text.find("\tA\n"), text.find("\tB\n"));
    EXPECT_EQ(Names(next.Resins()), (std::vector<std::string>{"C", "A", "B"}));
    // Loaded and saved again, the file stays byte for byte the same.
    ASSERT_EQ(next.SaveUserMaterials(file_), std::nullopt);
    EXPECT_EQ(Read(file_), text);
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

TEST_F(UserMaterialsFile, ReadsValuesWhateverTheLabelsAndTheLineEnds) {
    std::string resin =
        "Whatever\tOld resin\nU\tsomeone\nD\t\nModulus\t  3.5 \nPoisson\t-.25\nExp\t0.000073\n\n";
    CUserMaterials materials = Loaded(FileOf(resin, ""));
    ASSERT_TRUE(materials.ReadOk()) << materials.LoadFailureText("f");
    ASSERT_EQ(materials.ResinCount(), 1u);
    const ResinRecord& loaded = materials.Resins().front();
    EXPECT_EQ(loaded.name, "Old resin");
    EXPECT_EQ(loaded.date, "");
    EXPECT_EQ(loaded.E(), 3.5e9);
    EXPECT_EQ(loaded.Nu(), -0.25);
    EXPECT_EQ(loaded.Alpha(), 0.000073);
    EXPECT_EQ(materials.LoadFailureText("f"), "");

    // The same file with CR LF, CR alone, and without a line end after its last value.
    const std::string lf = FileOf(ResinLines("A") + ResinLines("B"), FibreLines("F"));
    std::string crlf;
    std::string cr;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    std::string unterminated = lf.substr(0, lf.size() - 2);
    for (const std::string& text : {crlf, cr, unterminated}) {
        CUserMaterials other = Loaded(text);
        ASSERT_TRUE(other.ReadOk()) << other.LoadFailureText("f");
        EXPECT_EQ(Names(other.Resins()), (std::vector<std::string>{"A", "B"}));
        ASSERT_EQ(other.FibreCount(), 1u);
        EXPECT_EQ(other.Fibres().front().Density(), 1750);
    }
}

// An editor that expands tabs: the label the file writes at that place, blanks, the value.
TEST_F(UserMaterialsFile, ReadsValueLinesWhoseTabBecameBlanks) {
    const std::string lf = FileOf(ResinLines("Epoxy A") + ResinLines("B"), FibreLines("Glass F"));
    for (std::size_t tabStop : {8u, 4u}) {
        std::string expanded;
        std::size_t column = 0;
        for (char c : lf) {
            if (c == '\t') {
                const std::size_t blanks = tabStop - column % tabStop;
                expanded.append(blanks, ' ');
                column += blanks;
            } else {
                expanded += c;
                column = c == '\n' ? 0 : column + 1;
            }
        }
        CUserMaterials materials = Loaded(expanded);
        ASSERT_TRUE(materials.ReadOk()) << tabStop << ": " << materials.LoadFailureText("f");
        EXPECT_EQ(Names(materials.Resins()), (std::vector<std::string>{"Epoxy A", "B"}));
        EXPECT_EQ(materials.Resins().front().E(), 3e9);
        EXPECT_EQ(materials.Fibres().front().name, "Glass F");
        EXPECT_EQ(materials.Fibres().front().E1(), 230e9);
    }
    // Without a tab the line must start with the label of its place in the record.
    CUserMaterials shifted = Loaded(FileOf(
        "Name   :        A\nUser   :        me\nDate   :        \nnu     : [     ]  3\n", ""));
    EXPECT_FALSE(shifted.ReadOk());
    EXPECT_EQ(shifted.LoadFailureText("userData.dat"),
              "\"userData.dat\", line 8: neither a label, a tab and a value, nor a line starting "
              "with \"E      : [ GPa ]\"");
}

TEST_F(UserMaterialsFile, MalformedFilesLoadNothingAndSayWhere) {
    const std::string twoResins = ResinLines("A") + ResinLines("B");
    std::string thirteenResinLines = FileOf(twoResins + "Extra\tline\n", FibreLines("F"));

    struct Row {
        const char* what;
        std::string text;
        std::string failure;  // "" when the file is accepted
    };
    const std::vector<Row> rows = {
        {"empty file", "", "there is no line \"RESINS:\" before the resins"},
        {"no fibre heading", "USER DEFINED DATA\n\nRESINS:\n\n" + twoResins,
         "there is no line \"FIBRES:\" after the resins"},
        {"fibre heading before the resins", "FIBRES:\nRESINS:\n" + twoResins,
         "line 1: \"FIBRES:\" comes before \"RESINS:\""},
        {"headings glued to other words", "xRESINS: FIBRES:x\n",
         "there is no line \"RESINS:\" before the resins"},
        {"thirteen resin lines", thirteenResinLines,
         "line 21: \"FIBRES:\" follows after 1 of a resin's 6 values"},
        {"a fibre cut short", FileOf("", "Name\tF\nUser\tme\n"),
         "line 9: the file ends after 2 of a fibre's 11 values"},
        {"headings on one line",
         "RESINS: FIBRES:", "there is no line \"RESINS:\" before the resins"},
        {"stray text among the resins", FileOf("note\n\n", "\n"),
         "line 5: neither a label, a tab and a value, nor a line starting with \"Name   :\""},
        {"headings twice", "RESINS:\nFIBRES:\nRESINS:\n", "line 3: a second line \"RESINS:\""},
        {"headings and blank lines only", "RESINS:\n\n  \nFIBRES:\n\n", ""},
        {"a material named FIBRES: cannot be kept", FileOf(ResinLines("FIBRES:"), ""),
         "line 5: the words RESINS: and FIBRES: cannot stand in a name, user or date"},
    };
    for (const Row& row : rows) {
        CUserMaterials materials = Loaded(row.text);
        EXPECT_TRUE(materials.FileFound()) << row.what;
        EXPECT_EQ(materials.ReadOk(), row.failure.empty()) << row.what;
        const std::string prefix =
            "\"userData.dat\"" + std::string(row.failure.rfind("line", 0) == 0 ? ", " : ": ");
        EXPECT_EQ(materials.LoadFailureText("userData.dat"),
                  row.failure.empty() ? "" : prefix + row.failure)
            << row.what;
        if (!row.failure.empty()) {
            EXPECT_EQ(materials.ResinCount() + materials.FibreCount(), 0u) << row.what;
        }
    }
}

// A stored material passes the creation forms' checks, or the whole load fails at its line.
TEST_F(UserMaterialsFile, MaterialsTheFormsWouldRefuseFailTheLoad) {
    struct Row {
        std::string resin;
        std::string failure;
    };
    const std::vector<Row> rows = {
        {ResinLines("R", "-3.5"),
         "line 8: resin \"R\": E must be positive and finite, not \"-3.5\""},
        {ResinLines("R", "0"), "line 8: resin \"R\": E must be positive and finite, not \"0\""},
        {ResinLines("R", "nan"), "line 8: resin \"R\": E must be positive and finite, not \"nan\""},
        {ResinLines("R", "1e308"),
         "line 8: resin \"R\": E must be positive and finite, not \"1e308\""},
        {ResinLines("R", "3", "0.5"),
         "line 9: resin \"R\": nu must be between -1 and 0.5, not \"0.5\""},
        {ResinLines("R", "3", "-1"),
         "line 9: resin \"R\": nu must be between -1 and 0.5, not \"-1\""},
        {ResinLines("R", "3", "0.3", "inf"),
         "line 10: resin \"R\": Alpha must be finite, not \"inf\""},
        {ResinLines("R", ""), "line 8: \"\" is not a number"},
        {ResinLines("R", "3.5GPa"), "line 8: \"3.5GPa\" is not a number"},
        {ResinLines(""), "line 5: a resin without a name"},
        {ResinLines("User defined"),
         "line 5: \"User defined\" names the list entry that creates a resin, not a resin"},
    };
    for (const Row& row : rows) {
        CUserMaterials materials = Loaded(FileOf(ResinLines("Good") + row.resin, FibreLines("F")));
        EXPECT_FALSE(materials.ReadOk()) << row.failure;
        EXPECT_EQ(materials.ResinCount() + materials.FibreCount(), 0u);
        // The bad resin is the second of the file: its lines are 7 further on.
        std::string expected = row.failure;
        const std::size_t digits = expected.find(':');
        expected = "line " + std::to_string(std::stoi(expected.substr(5, digits - 5)) + 7) +
                   expected.substr(digits);
        EXPECT_EQ(materials.LoadFailureText("u"), "\"u\", " + expected);
    }

    std::string fibre = FibreLines("F");
    fibre.replace(fibre.find("Density: [Kg/m3]\t1750.000000"), 29, "Density: [Kg/m3]\t0");
    CUserMaterials noDensity = Loaded(FileOf("", fibre));
    EXPECT_EQ(noDensity.LoadFailureText("u"),
              "\"u\", line 18: fibre \"F\": Density must be positive and finite, not \"0\"");
    fibre = FibreLines("F");
    fibre.replace(fibre.find("24.000000"), 9, "-24");
    EXPECT_EQ(Loaded(FileOf("", fibre)).LoadFailureText("u"),
              "\"u\", line 13: fibre \"F\": G12 must be finite and not negative, not \"-24\"");
}

// Anything but a regular file is refused at once: a FIFO would block the start-up, a device
// could be endless. A link to a regular file is read through.
TEST_F(UserMaterialsFile, ReadsOnlyRegularFiles) {
    ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
    CUserMaterials fifo;
    fifo.LoadUserMaterials(file_);
    EXPECT_TRUE(fifo.FileFound());
    EXPECT_FALSE(fifo.ReadOk());
    EXPECT_EQ(fifo.LoadFailureText("userData.dat"), "\"userData.dat\": it is not a regular file");
    fs::remove(file_);

    fs::create_directory(file_);
    CUserMaterials directory;
    directory.LoadUserMaterials(file_);
    EXPECT_TRUE(directory.FileFound());
    EXPECT_FALSE(directory.ReadOk());
    fs::remove(file_);

    fs::create_symlink("/dev/zero", file_);
    CUserMaterials device;
    device.LoadUserMaterials(file_);
    EXPECT_FALSE(device.ReadOk());
    fs::remove(file_);

    const std::string target = (directory_ / "elsewhere.dat").string();
    Write(target, FileOf(ResinLines("Linked"), ""));
    fs::create_symlink(target, file_);
    CUserMaterials linked;
    linked.LoadUserMaterials(file_);
    EXPECT_TRUE(linked.ReadOk());
    EXPECT_EQ(Names(linked.Resins()), std::vector<std::string>{"Linked"});
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

// Runs for the superuser too, as the unprivileged user. A file that exists but cannot be read is
// a failed load, not a missing file: its materials are not silently given up.
TEST(UserMaterialsRights, RespectsFilesAndDirectoriesTheUserCannotWrite) {
    ExpectAsOrdinaryUser([]() -> std::string {
        std::string pattern = (fs::temp_directory_path() / "corvel-rights-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            return "no temporary directory";
        }
        const fs::path directory = pattern;
        const std::string file = (directory / "userData.dat").string();
        std::ofstream(file) << FileOf(ResinLines("A"), "");
        auto read = [&] {
            std::ifstream in(file, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };
        std::string failures;
        auto expect = [&](bool condition, const char* what) {
            failures += condition ? "" : std::string(what) + "; ";
        };

        CUserMaterials materials;
        materials.LoadUserMaterials(file);
        materials.AddResin(Resin("B", 3e9, 0.3, 5e-5));
        const std::string before = read();
        fs::permissions(file, fs::perms::owner_read);
        expect(materials.SaveUserMaterials(file).has_value(), "a read-only file was replaced");
        expect(read() == before, "a read-only file changed");

        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
        fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec);
        expect(materials.SaveUserMaterials(file).has_value(), "saved in a read-only directory");
        expect(read() == before, "the file changed in a read-only directory");

        fs::permissions(file, fs::perms::none);
        CUserMaterials unreadable;
        unreadable.LoadUserMaterials(file);
        expect(unreadable.FileFound() && !unreadable.ReadOk(), "an unreadable file was not found");
        expect(unreadable.LoadFailureText("u") == "\"u\": Permission denied",
               "the failure does not say why");

        std::error_code ignored;
        fs::permissions(directory, fs::perms::owner_all, ignored);
        fs::remove_all(directory, ignored);
        return failures;
    });
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

TEST_F(UserMaterialsFile, EditsAndRemovalsSaveInTheFilesOrderAndReadBackIdentically) {
    CUserMaterials materials = Loaded(FileOf(ResinLines("A") + ResinLines("B") + ResinLines("C"),
                                             FibreLines("F") + FibreLines("G")));
    auto second = std::next(materials.Resins().begin());
    const ResinRecord& b = *second;
    const double* bArray = b.Array();
    const ResinRecord& c = *std::next(second);

    ASSERT_TRUE(materials.UpdateResin(
        b, ResinRecord{"B2", "me", "07/12/2026", {4.25e9, -0.125, 7.1234567890123e-5}}));
    EXPECT_EQ(b.Array(), bArray) << "an edited record stays where the lists' entries point";
    EXPECT_EQ(materials.ExitQuestion(),
              std::string("Overwrite the user-defined resins and fibres file?\n"
                          "\n- [User-defined resins and/or fibres were changed or deleted]"));
    EXPECT_FALSE(materials.NewMaterialsCreated());

    ASSERT_TRUE(materials.RemoveResin(materials.Resins().front()));
    ASSERT_TRUE(materials.RemoveFibre(materials.Fibres().front()));
    EXPECT_EQ(c.name, "C") << "the records left keep their addresses";
    EXPECT_EQ(materials.ResinCount(), 2u);
    EXPECT_EQ(materials.FibreCount(), 1u);

    // A record that is not one of the lists' own is refused, even under a listed name.
    const ResinRecord stranger = c;
    EXPECT_FALSE(materials.RemoveResin(stranger));
    EXPECT_FALSE(materials.UpdateResin(stranger, Resin("X", 3e9, 0.3, 5e-5)));
    EXPECT_EQ(Names(materials.Resins()), (std::vector<std::string>{"B2", "C"}));

    ASSERT_EQ(materials.SaveUserMaterials(file_), std::nullopt);
    const std::string saved = Read(file_);
    EXPECT_EQ(saved, FileOf("Name   :        \tB2\nUser   :        \tme\n"
                            "Date   :        \t07/12/2026\nE      : [ GPa ]\t4.25\n"
                            "nu     : [     ]\t-0.125\nAlpha  : [ 1/K ]\t7.1234567890123e-05\n\n"
                            "Name   :        \tC\nUser   :        \tXJQ\n"
                            "Date   :        \t01/02/2003\nE      : [ GPa ]\t3\n"
                            "nu     : [     ]\t0.35\nAlpha  : [ 1/K ]\t6e-05\n\n",
                            "Name   :        \tG\nUser   :        \tXJQ\n"
                            "Date   :        \t01/02/2003\nE1     : [ GPa ]\t230\n"
                            "E2     : [ GPa ]\t15\nG12    : [ GPa ]\t24\nG23    : [ GPa ]\t5\n"
                            "nu12   : [     ]\t0.26\nAlpha1 : [ 1/K ]\t-1e-06\n"
                            "Alpha2 : [ 1/K ]\t1e-05\nDensity: [Kg/m3]\t1750\n\n"));

    CUserMaterials reloaded;
    reloaded.LoadUserMaterials(file_);
    ASSERT_TRUE(reloaded.ReadOk());
    EXPECT_EQ(Names(reloaded.Resins()), (std::vector<std::string>{"B2", "C"}));
    EXPECT_EQ(reloaded.Resins().front().properties, b.properties);
    EXPECT_EQ(reloaded.ExitQuestion(), std::nullopt);
    ASSERT_EQ(reloaded.SaveUserMaterials(file_), std::nullopt);
    EXPECT_EQ(Read(file_), saved);
}

TEST_F(UserMaterialsFile, TheExitQuestionNamesCreationsAndChangesTogether) {
    CUserMaterials materials = Loaded(FileOf(ResinLines("A"), ""));
    ResinRecord& created = materials.AddResin(Resin("N", 3e9, 0.3, 5e-5));
    ASSERT_TRUE(materials.RemoveResin(created));
    EXPECT_EQ(Names(materials.Resins()), (std::vector<std::string>{"A"}));
    EXPECT_EQ(materials.ExitQuestion(),
              std::string(kOverwriteQuestion) +
                  "\n- [User-defined resins and/or fibres were changed or deleted]");

    // After a failed load the warning follows both lines.
    CUserMaterials failed = Loaded("not a user file");
    failed.AddResin(Resin("N", 3e9, 0.3, 5e-5));
    ASSERT_TRUE(failed.UpdateResin(failed.Resins().front(), Resin("M", 3e9, 0.3, 5e-5)));
    EXPECT_EQ(failed.ExitQuestion(),
              std::string(kOverwriteQuestion) +
                  "\n- [User-defined resins and/or fibres were changed or deleted]" + kLoadWarning);
}

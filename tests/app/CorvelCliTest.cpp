// corvel-cli as a user runs it: the real executable spawned in a fresh working directory, its
// JSON compared with the library's own results, its reports with those the calculator's main
// form writes for the same inputs, and every refusal with its exit status.
#include <sys/stat.h>
#include <sys/wait.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "FabricCalculation.h"
#include "NumberFormat.h"
#include "ResultsUDDialog.h"
#include "frontend/MainFormFixture.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

const std::vector<std::string> kSatinFabric = {
    "--resin",   "Hexcel RTM6", "--fibre",      "Tenax HTA", "--weave",      "Satin  5H",
    "--vf",      "55",          "--warp-count", "1200",      "--fill-count", "1150.5",
    "--density", "0.2",         "--warp-angle", "0",         "--fill-angle", "90"};

std::vector<std::string> Joined(std::vector<std::string> head,
                                const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// The Satin fabric with more options; a repeated option takes its last value.
std::vector<std::string> Fabric(const std::vector<std::string>& options) {
    return Joined(Joined({"fabric"}, kSatinFabric), options);
}

// Every file in a directory, by name.
std::vector<std::string> FilesIn(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class CorvelCliTest : public MainFormTest {
protected:
    // Runs corvel-cli in `directory` (created under the test's working directory).
    CliRun Cli(const std::vector<std::string>& arguments, const std::string& directory = "cli") {
        fs::create_directories(directory);
        std::string command = "cd " + Quoted(directory) + " && " + Quoted(CORVEL_CLI_PATH);
        for (const std::string& argument : arguments) {
            command += " " + Quoted(argument);
        }
        const fs::path outPath = fs::absolute("cli.out");
        const fs::path errPath = fs::absolute("cli.err");
        command += " >" + Quoted(outPath.string()) + " 2>" + Quoted(errPath.string());
        const int raw = std::system(command.c_str());
        return CliRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read(outPath.string()),
                      Read(errPath.string())};
    }

    Json CliJson(const std::vector<std::string>& arguments) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return Json::parse(run.out);
    }
};

std::vector<double> UDMixelOutput(const ResinRecord& resin, const FibreRecord& fibre, double vf,
                                  short elastic, short thermal) {
    std::vector<double> out(9);
    UDMixel(vf, resin.Array(), fibre.Array(), elastic, thermal, out.data());
    return out;
}

}  // namespace

TEST_F(CorvelCliTest, ReportsAreThoseTheCalculatorWritesForTheSameInputs) {
    CMainDialog& form = Open();
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("60");
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) { f.PressOutput(); });
    form.Calculate();

    form.ChooseRandomMatCase();
    Pick(form.ResinList(), "Hexcel RTM6");
    Pick(form.FibreList(), "Tenax HTA");
    Pick(form.ElasticModelList(), "Puck");
    Pick(form.ThermalModelList(), "Schneider");
    form.FibreVolumeField().SetText("45.5");
    windowSystem.QueueForm<CResultsRandomDialog>([](CResultsRandomDialog& f) { f.PressOutput(); });
    form.Calculate();

    form.ChooseFabricCase();
    Pick(form.WeaveList(), "Satin  5H");
    form.FibreVolumeField().SetText("55");
    form.WarpCountField().SetText("1200");
    form.FillCountField().SetText("1150.5");
    form.ArealDensityField().SetText("0.2");
    form.WarpAngleField().SetText("0");
    form.FillAngleField().SetText("90");
    form.ModelTypeList().Select(1);
    windowSystem.QueueForm<CResults3DDialog>([](CResults3DDialog& f) { f.PressOutput(); });
    form.Calculate();

    // A coarsened finite-element grid and a shaped yarn, so the configuration reaches the call.
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
        f.GaussPointsSlider().SetPosition(3);
        f.WarpUndulationSlider().SetPosition(80);
        f.AccuracySlider().SetPosition(100);
        f.PressOK();
    });
    form.OpenConfiguration();
    form.ModelTypeList().Select(0);
    form.ChooseABDProperties();
    form.ChooseFiniteElementsMethod();
    windowSystem.QueueForm<CResultsABDDialog>([](CResultsABDDialog& f) { f.PressOutput(); });
    form.Calculate();
    ASSERT_EQ(windowSystem.messages.size(), 4u);

    const CliRun ud =
        Cli({"ud", "--resin", "ACG LTM 10", "--fibre", "E-Glass", "--vf", "60", "--report"});
    EXPECT_EQ(ud.status, 0) << ud.err;
    EXPECT_NE(ud.out.find("\nResults are written to file: 'results_MM.dat'\n"), std::string::npos);
    const CliRun mat = Cli({"mat", "--resin", "Hexcel RTM6", "--fibre", "Tenax HTA", "--vf", "45.5",
                            "--elastic", "puck", "--thermal", "13", "--report", "--csv"});
    EXPECT_EQ(mat.status, 0) << mat.err;
    EXPECT_EQ(mat.err, "Results are written to file: 'results_RND.dat'\n");
    EXPECT_EQ(Cli(Fabric({"--model", "iso-strain", "--report"})).status, 0);
    const Json abd =
        CliJson(Fabric({"--results", "abd", "--method", "fe", "--gauss", "3", "--warp-undulation",
                        "80", "--accuracy", "100", "--report", "--json"}));
    EXPECT_EQ(abd["report"], "Results are written to file: 'results_ABD.dat'");
    EXPECT_EQ(abd["inputs"]["reductions"], 1);

    for (const char* file :
         {"results_MM.dat", "results_RND.dat", "results_3D.dat", "results_ABD.dat"}) {
        EXPECT_FALSE(Read(file).empty()) << file;
        EXPECT_EQ(Read(std::string("cli/") + file), Read(file)) << file;
    }
}

TEST_F(CorvelCliTest, ASweepAppendsTheReportsOfItsRowsInOrderWithOneConfirmation) {
    const CliRun sweep = Cli({"ud", "--resin", "Hexcel 8552", "--fibre", "Hercules AS4", "--vf",
                              "40,50", "--thermal", "all", "--report"},
                             "sweep");
    EXPECT_EQ(sweep.status, 0) << sweep.err;
    std::string expected;
    for (const char* vf : {"40", "50"}) {
        for (const char* thermal : {"12", "16", "17", "15", "11", "13", "14"}) {  // display order
            Cli({"ud", "--resin", "Hexcel 8552", "--fibre", "Hercules AS4", "--vf", vf, "--thermal",
                 thermal, "--report"},
                "single");
        }
    }
    EXPECT_EQ(Read("sweep/results_MM.dat"), Read("single/results_MM.dat"));
    const std::string confirmation = "Results are written to file: 'results_MM.dat'";
    EXPECT_EQ(sweep.out.find(confirmation), sweep.out.rfind(confirmation));
}

// A sweep streams its rows; the first row that is refused stops it with status 1 after the rows
// before it, and the report records it appended are taken back, the file byte for byte as before.
TEST_F(CorvelCliTest, ASweepStopsAtItsFirstRefusedRowAndTakesBackItsReports) {
    fs::create_directories("partial");
    Write("partial/results_3D.dat", "an earlier report\n");
    const CliRun run = Cli(Fabric({"--vf", "50,1e-320,60", "--csv", "--report"}), "partial");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvel-cli: Invalid data values (vf 9.99988867182683e-321 %)\n");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << run.out;
    EXPECT_EQ(run.out.rfind("50,", std::string::npos), run.out.find('\n') + 1);
    EXPECT_EQ(Read("partial/results_3D.dat"), "an earlier report\n");
}

// Output that cannot be written is a failed command, never a success with part of the rows; a
// single calculation's report is then taken back too.
TEST_F(CorvelCliTest, OutputThatCannotBeWrittenFailsTheCommand) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full to write to";
    }
    fs::create_directories("full");
    auto runToFull = [&](const std::string& arguments) {
        const std::string command = "cd full && " + Quoted(CORVEL_CLI_PATH) + " " + arguments +
                                    " >/dev/full 2>" + Quoted(fs::absolute("full.err").string());
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(runToFull("list resins"), 1);
    EXPECT_EQ(Read("full.err"),
              "corvel-cli: the output could not be written: No space left on device\n");
    EXPECT_EQ(runToFull("ud --resin 'Hexcel 8552' --fibre 'Hercules AS4' --vf 60 --report"), 1);
    EXPECT_EQ(Read("full/results_MM.dat"), "");
    EXPECT_EQ(runToFull("ud --resin 'Hexcel 8552' --fibre 'Hercules AS4' --vf 1:99:1 "
                        "--elastic all --thermal all --csv --report"),
              1);
    EXPECT_EQ(Read("full/results_MM.dat"), "");
}

// Rows computed on several threads come out in the same order, byte for byte; a JSON sweep is
// the one object a single dump would write, and JSON lines one object per row.
TEST_F(CorvelCliTest, SweepsPrintTheSameForAnyNumberOfJobs) {
    const std::vector<std::string> sweep = {"ud",           "--resin",   "Hexcel 8552", "--fibre",
                                            "Hercules AS4", "--vf",      "20:70:1",     "--elastic",
                                            "all",          "--thermal", "all"};
    for (const char* format : {"--csv", "--json", "--json-lines"}) {
        const CliRun serial = Cli(Joined(sweep, {format, "--jobs", "1"}));
        const CliRun parallel = Cli(Joined(sweep, {format, "--jobs", "3"}));
        ASSERT_EQ(serial.status, 0) << serial.err;
        // Compared as a whole: a printed difference of megabytes would help nobody.
        EXPECT_TRUE(parallel.out == serial.out) << format;
    }
    const CliRun json = Cli(Joined(sweep, {"--json", "--jobs", "2"}));
    const nlohmann::ordered_json parsed = nlohmann::ordered_json::parse(json.out);
    EXPECT_EQ(parsed["results"].size(), 51u * 42u);
    EXPECT_TRUE(json.out == parsed.dump(2) + "\n");

    const CliRun lines = Cli(Joined(sweep, {"--json-lines"}));
    std::istringstream stream(lines.out);
    std::string line;
    std::size_t count = 0;
    while (std::getline(stream, line)) {
        EXPECT_TRUE(nlohmann::ordered_json::parse(line) == parsed["results"][count]) << count;
        ++count;
    }
    EXPECT_EQ(count, 51u * 42u);
}

// A name typed in another encoding is not valid UTF-8: JSON shows U+FFFD in its place instead of
// the tool stopping half-way.
TEST_F(CorvelCliTest, NamesThatAreNotUtf8AreReplacedInJson) {
    const std::string userFile =
        "USER DEFINED DATA\n\nRESINS:\n\n"
        "Name   :        \tCaf\xe9 resin\nUser   :        \tme\nDate   :        \t01/02/2003\n"
        "E      : [ GPa ]\t3\nnu     : [     ]\t0.35\nAlpha  : [ 1/K ]\t6e-05\n\n\nFIBRES:\n\n";
    fs::create_directories("latin1");
    Write("latin1/userData.dat", userFile);
    const CliRun run = Cli({"ud", "--resin", "Caf\xe9 resin", "--fibre", "E-Glass", "--vf", "50",
                            "--json", "--report"},
                           "latin1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Json::parse(run.out)["inputs"]["resin"], "Caf\xef\xbf\xbd resin");
    EXPECT_NE(Read("latin1/results_MM.dat").find("Caf\xe9 resin"), std::string::npos);
    const CliRun listed = Cli({"list", "resins", "--json"}, "latin1");
    EXPECT_EQ(listed.status, 0);
    bool listedAsUtf8 = false;
    for (const Json& entry : Json::parse(listed.out)) {
        listedAsUtf8 = listedAsUtf8 || entry["name"] == "Caf\xef\xbf\xbd resin";
    }
    EXPECT_TRUE(listedAsUtf8) << listed.out;
}

TEST_F(CorvelCliTest, JsonCarriesTheLibraryOutputAndTheDisplayedValues) {
    const CCatalogue catalogue;
    const ResinRecord& resin = *catalogue.FindResin("Hexcel 8552");
    const FibreRecord& fibre = *catalogue.FindFibre("Hercules AS4");

    const Json ud =
        CliJson({"ud", "--resin", "Hexcel 8552", "--fibre", "Hercules AS4", "--vf", "62.5",
                 "--elastic", "Halpin Tsai(Rect)", "--thermal", "Shapery", "--json"});
    const std::vector<double> expected = UDMixelOutput(resin, fibre, 62.5 * 0.01, 6, 14);
    EXPECT_EQ(ud["output"].get<std::vector<double>>(), expected);
    EXPECT_EQ(ud["inputs"]["elastic"]["code"], 6);
    const UDResults record = UDResults::FromLibrary(expected.data());
    ASSERT_EQ(ud["displayed"].size(), std::size_t{UDResults::kFieldCount});
    for (std::size_t i = 0; i < UDResults::kFieldCount; ++i) {
        double shown = 0.0;
        ASSERT_TRUE(ParseNumber(FormatGeneral(record.values[i], kResultDigits), shown));
        EXPECT_EQ(ud["displayed"][i]["value"].get<double>(), shown) << i;
    }
    EXPECT_EQ(ud["displayed"][5]["label"], "ν yx = ν zx");  // nu21 before nu23, as on the form
    EXPECT_EQ(ud["displayed"][7]["unit"], "ppm/K");

    const Json mat = CliJson({"mat", "--resin", "Hexcel 8552", "--fibre", "Hercules AS4", "--vf",
                              "35", "--elastic", "1", "--thermal", "11", "--json"});
    std::vector<double> random(9);
    RNDProperties(35 * 0.01, resin.Array(), fibre.Array(), 1, 11, random.data());
    EXPECT_EQ(mat["output"].get<std::vector<double>>(), random);

    // The laminate by averaging, with the very call the form makes.
    const Json abd = CliJson(Fabric({"--results", "ABD", "--model", "Iso-Strain", "--gauss", "4",
                                     "--fibre-width", "80", "--json"}));
    const CCatalogue fabricCatalogue;
    const CNamedWeave* weave = fabricCatalogue.FindWeave("Satin  5H");
    FabricConfiguration settings;
    settings.gaussPoints = 4;
    settings.fibreWidth = 80;
    const std::array<double, 7> fabric = FabricArray(settings, {1200, 1150.5, 0.2, 0, 90});
    std::vector<double> laminate(41);
    ASSERT_TRUE(
        WFProperties(1, true, weave, 4, 55 * 0.01, catalogue.FindResin("Hexcel RTM6")->Array(),
                     catalogue.FindFibre("Tenax HTA")->Array(), fabric.data(), DegreesToRadians(90),
                     DegreesToRadians(0), kCellFactors, 0, laminate.data()));
    EXPECT_EQ(abd["output"].get<std::vector<double>>(), laminate);

    // The minimum displayed values clear what the form would clear and leave the output alone.
    const Json cleared = CliJson(
        Fabric({"--results", "abd", "--model", "iso-strain", "--gauss", "4", "--fibre-width", "80",
                "--abd-min", "1e300", "--thermal-min", "1e-300", "--json"}));
    EXPECT_EQ(cleared["output"], abd["output"]);
    const FabricABDResults shown = FabricABDResults::FromLibrary(laminate.data(), 1e300, 1e-300);
    for (std::size_t i = 0; i < FabricABDResults::kFieldCount; ++i) {
        const double value = cleared["displayed"][i]["value"].get<double>();
        EXPECT_EQ(value == 0.0, shown.values[i] == 0.0f) << i;
        EXPECT_EQ(value == 0.0, i < FabricABDResults::NTx || i >= FabricABDResults::A16OverA11)
            << i;
    }
    EXPECT_EQ(abd["displayed"].size(), std::size_t{FabricABDResults::kFieldCount});
}

TEST_F(CorvelCliTest, SweepCsvHasAHeaderAndOneRowPerCombinationInDisplayOrder) {
    const CliRun run = Cli({"ud", "--resin", "Hexcel 8552", "--fibre", "Hercules AS4", "--vf",
                            "30:70:1", "--elastic", "all", "--thermal", "all", "--csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 1u + 41 * 6 * 7);
    EXPECT_EQ(rows[0],
              "vf [%],elastic,thermal,Ex [GPa],Ey = Ez [GPa],Gxy = Gxz [GPa],Gyz [GPa],"
              "ν xy = ν xz [],ν yx = ν zx [],ν yz = ν zy [],α x [ppm/K],α y = α z [ppm/K]");
    EXPECT_EQ(rows[1].substr(0, 11), "30,CCA,CCA,");
    EXPECT_EQ(rows[2].substr(0, 26), "30,CCA,ChamberLain(Hexag),");
    EXPECT_EQ(rows[8].substr(0, 14), "30,Chamis,CCA,");
    EXPECT_EQ(rows.back().rfind("70,Rule of Mixtures,Shapery,", 0), 0u);

    // A row holds the values a single calculation shows.
    const CliRun single = Cli({"ud", "--resin", "Hexcel 8552", "--fibre", "Hercules AS4", "--vf",
                               "31", "--elastic", "Puck", "--thermal", "Schneider", "--csv"});
    const std::string singleRow = single.out.substr(single.out.find('\n') + 1);
    EXPECT_NE(run.out.find(singleRow), std::string::npos);
    EXPECT_EQ(singleRow.substr(0, 18), "31,Puck,Schneider,");
}

TEST_F(CorvelCliTest, RefusalsExitWithTheirStatusAndWriteNothing) {
    const std::vector<std::string> ply = {"--resin", "Hexcel 8552", "--fibre", "Hercules AS4"};
    struct Row {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    };
    const std::vector<Row> rows = {
        {Joined({"ud", "--vf", "0"}, ply), 1, "corvel-cli: Invalid fibre volume factor: (0,100) %"},
        {Joined({"mat", "--vf", "100"}, ply), 1, "Invalid fibre volume factor: (0,100) %"},
        {Joined({"ud", "--vf", "nan"}, ply), 1, "Invalid fibre volume factor: (0,100) %"},
        {Joined({"ud", "--vf", "50,100"}, ply), 1, "Invalid fibre volume factor: (0,100) %"},
        {{"ud", "--resin", "Hexcel 855", "--fibre", "Hercules AS4", "--vf", "50"},
         1,
         "unknown resin \"Hexcel 855\"; did you mean \"Hexcel 8552\"?"},
        {{"ud", "--resin", "Hexcel 8552", "--fibre", "Kevlar", "--vf", "50"},
         1,
         "unknown fibre \"Kevlar\"; known: \"E-Glass\""},
        {Joined({"ud", "--vf", "50", "--elastic", "7"}, ply), 1, "unknown elastic model \"7\""},
        {Joined({"ud", "--vf", "50", "--thermal", "Shapiro"}, ply), 1, "did you mean \"Shapery\"?"},
        {Fabric({"--weave", "Satin 6H"}), 1,
         "unknown weave \"Satin 6H\"; did you mean \"Satin  5H\", \"Satin  8H\""},
        {Fabric({"--density", "0"}), 1, "corvel-cli: Invalid data values"},
        {Fabric({"--fill-angle", "180"}), 1, "Invalid data values"},
        {Fabric({"--vf", "-5"}), 1, "Invalid fibre volume factor"},
        {Joined({"ud", "--vf", "abc"}, ply), 2, "--vf: \"abc\" in \"abc\" is not a number"},
        {Joined({"ud", "--vf", "70:30:1"}, ply), 2, "starts beyond its stop"},
        {Joined({"ud", "--vf", "30:70:0"}, ply), 2, "positive step"},
        {Joined({"ud", "--vf", "30:70"}, ply), 2, "a range is start:stop:step"},
        {Joined({"ud", "--vf", "0:100:1e-9"}, ply), 2, "more than 100000 points"},
        {Fabric({"--warp-count", "12OO"}), 2, "--warp-count: \"12OO\" is not a number"},
        {Fabric({"--method", "fe"}), 2, "add --results abd"},
        {Fabric({"--gauss", "12"}), 2, "--gauss"},
        {Fabric({"--results", "abd", "--abd-min", "0"}), 2,
         "--abd-min: the minimum displayed value must be positive"},
        {Joined({"ud", "--json", "--csv", "--vf", "50"}, ply), 2, "--json excludes --csv"},
        {{"ud", "--resin", "Hexcel 8552", "--vf", "50"}, 2, "--fibre is required"},
        {{"plate"}, 2, "plate"},
        {{"list", "matrices"}, 2, "matrices"},
        {{"weave", "Satin"}, 1, "unknown weave \"Satin\"; did you mean"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> arguments = row.arguments;
        if (arguments.front() != "list" && arguments.front() != "weave") {
            arguments.push_back("--report");
        }
        const CliRun run = Cli(arguments, "refused");
        const std::string context = row.message;
        EXPECT_EQ(run.status, row.status) << context << "\n" << run.err;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << context;
        EXPECT_TRUE(FilesIn("refused").empty()) << context;
    }
}

TEST_F(CorvelCliTest, AReportThatCannotBeWrittenIsAFailureWithTheCalculatorsWarning) {
    fs::create_directories("blocked/results_MM.dat");  // a directory where the file would go
    const CliRun run =
        Cli({"ud", "--resin", "Hexcel 8552", "--fibre", "Hercules AS4", "--vf", "50", "--report"},
            "blocked");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Results could not be written to file: 'results_MM.dat'"),
              std::string::npos);
    EXPECT_EQ(run.out, "");
}

TEST_F(CorvelCliTest, ReadsTheUsersMaterialsButNeverWritesTheirFile) {
    const std::string userFile =
        "USER DEFINED DATA\n\nRESINS:\n\n"
        "Name   :        \tA Lab Resin\nUser   :        \tXJQ\nDate   :        \t01/02/2003\n"
        "E      : [ GPa ]\t3.000000\nnu     : [     ]\t0.350000\nAlpha  : [ 1/K ]\t0.000060\n\n"
        "\nFIBRES:\n\n";
    fs::create_directories("user");
    Write("user/userData.dat", userFile);

    const CliRun list = Cli({"list", "resins"}, "user");
    EXPECT_EQ(list.out.substr(0, 23), "A Lab Resin\nACG LTM 10\n");
    const Json listed = CliJson({"list", "resins", "--json"});  // no user file here
    EXPECT_FALSE(listed[0]["userDefined"].get<bool>());

    const CliRun ud =
        Cli({"ud", "--resin", "a lab resin", "--fibre", "E-Glass", "--vf", "50", "--json"}, "user");
    ASSERT_EQ(ud.status, 0) << ud.err;
    ResinRecord resin;
    resin.properties = {3e9, 0.35, 6e-5};
    const CCatalogue catalogue;
    EXPECT_EQ(Json::parse(ud.out)["output"].get<std::vector<double>>(),
              UDMixelOutput(resin, *catalogue.FindFibre("E-Glass"), 50 * 0.01, 2, 12));

    EXPECT_EQ(Read("user/userData.dat"), userFile);
    EXPECT_EQ(FilesIn("user"), std::vector<std::string>{"userData.dat"});
}

TEST_F(CorvelCliTest, AnUnreadableUserFileLoadsNothingAndSaysSo) {
    fs::create_directories("broken");
    Write("broken/userData.dat", "USER DEFINED DATA\n\nRESINS:\n\nName   :        \tHalf\n");
    const CliRun run = Cli({"list", "resins"}, "broken");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, 11), "ACG LTM 10\n");
    EXPECT_EQ(run.err,
              "corvel-cli: warning: \"userData.dat\": there is no line \"FIBRES:\" after the "
              "resins; no user-defined materials are listed\n");
    // Anything but a regular file is refused at once, with one line saying so.
    fs::create_directories("fifo");
    ASSERT_EQ(::mkfifo("fifo/userData.dat", 0600), 0);
    const CliRun fifo = Cli({"list", "resins"}, "fifo");
    EXPECT_EQ(fifo.status, 0);
    EXPECT_EQ(fifo.err,
              "corvel-cli: warning: \"userData.dat\": it is not a regular file; no user-defined "
              "materials are listed\n");
    EXPECT_EQ(Cli({"list", "resins"}, "missing").err, "");  // no file: nothing to say
}

TEST_F(CorvelCliTest, WeaveShowsThePatternRowByRowAndItsCoarsening) {
    const CCatalogue catalogue;
    const CNamedWeave* weave = catalogue.FindWeave("Basket 4x4");
    const Json json = CliJson({"weave", "basket 4X4", "--json"});
    EXPECT_EQ(json["name"], "Basket 4x4");
    EXPECT_EQ(json["maxReduction"], weave->MaxReduction());
    ASSERT_EQ(json["cells"].size(), std::size_t(weave->Rows()));
    for (int row = 0; row < weave->Rows(); ++row) {
        for (int col = 0; col < weave->Cols(); ++col) {
            EXPECT_EQ(json["cells"][row][col].get<int>(), weave->Cell(row, col));
        }
    }
    const CliRun table = Cli({"weave", "Plain"});
    EXPECT_EQ(
        table.out, "Plain: 4 x 4 cells, maximum coarsening 2\n" + [&] {
            std::string grid;
            const CNamedWeave* plain = catalogue.FindWeave("Plain");
            for (int row = 0; row < 4; ++row) {
                for (int col = 0; col < 4; ++col) {
                    const std::string code = std::to_string(plain->Cell(row, col));
                    grid += std::string(3 - code.size(), ' ') + code;
                }
                grid += "\n";
            }
            return grid;
        }());
}

TEST_F(CorvelCliTest, EverySubcommandExplainsItself) {
    for (const char* command : {"list", "weave", "ud", "mat", "fabric"}) {
        const CliRun run = Cli({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find("Usage:"), std::string::npos) << command;
    }
    EXPECT_NE(Cli({"fabric", "--help"}).out.find("--accuracy"), std::string::npos);
}

TEST_F(CorvelCliTest, ExportsTheMaterialCardTheResultFormExports) {
    CMainDialog& form = Open();
    TypeFabric(form);
    form.FillAngleField().SetText("60");
    form.ChooseABDProperties();
    windowSystem.QueueSaveFile({"form.inp", 0});
    windowSystem.QueueForm<CResultsABDDialog>([](CResultsABDDialog& f) { f.PressExport(); });
    form.Calculate();
    const std::string fromForm = Read("form.inp");

    const CliRun cli = Cli({"fabric",
                            "--resin",
                            form.LastInputs().resinName,
                            "--fibre",
                            form.LastInputs().fibreName,
                            "--weave",
                            form.LastInputs().weaveName,
                            "--vf",
                            "50",
                            "--warp-count",
                            "1000",
                            "--fill-count",
                            "1200",
                            "--density",
                            "0.3",
                            "--warp-angle",
                            "0",
                            "--fill-angle",
                            "60",
                            "--results",
                            "abd",
                            "--export",
                            "abaqus",
                            "--output",
                            "cli.inp"});
    ASSERT_EQ(cli.status, 0) << cli.err;
    EXPECT_EQ(cli.out, "Abaqus material written to file: 'cli.inp'\n");
    // The same cards; only the header's program and date differ.
    const std::string fromCli = Read("cli/cli.inp");
    const std::string cards = "**\n** Woven fabric";
    ASSERT_NE(fromForm.find(cards), std::string::npos);
    EXPECT_EQ(fromCli.substr(fromCli.find(cards)), fromForm.substr(fromForm.find(cards)));
    EXPECT_EQ(fromCli.rfind("** Abaqus material data written by corvel-cli ", 0), 0u);
}

TEST_F(CorvelCliTest, SweepsExportOneNamedMaterialPerRowOrNothing) {
    const std::vector<std::string> ply = {"ud", "--resin", "Hexcel 8552", "--fibre",
                                          "Hercules AS4"};
    const CliRun sweep = Cli(Joined(
        ply, {"--vf", "30:40:10", "--thermal", "all", "--name", "AS4", "--export", "nastran"}));
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    std::vector<std::string> names;
    std::istringstream lines(sweep.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("$ Material ", 0) == 0) {
            names.push_back(line.substr(11, line.find(',') - 11));
        }
    }
    ASSERT_EQ(names.size(), 14u);  // two volume fractions, seven thermal models
    EXPECT_EQ(names[0], "AS4_VF30_CCA_CCA");
    EXPECT_EQ(names[13].rfind("AS4_VF40_CCA_", 0), 0u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());

    // Puck's model is among all elastic models, and has no G23: nothing is printed.
    const CliRun puck = Cli(Joined(ply, {"--vf", "60", "--elastic", "all", "--export", "abaqus"}));
    EXPECT_EQ(puck.status, 1);
    EXPECT_EQ(puck.out, "");
    EXPECT_NE(puck.err.find("_VF60_Puck_CCA cannot be exported: G23 is 0"), std::string::npos)
        << puck.err;
}

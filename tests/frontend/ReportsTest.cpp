#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Reports.h"
#include "ResultsUDDialog.h"
#include "controls/ScriptedWindowSystem.h"
#include "weftcore.h"

namespace fs = std::filesystem;

namespace {

constexpr double kDefaultAbdMinimum = 1e-10;
constexpr double kDefaultThermalMinimum = 1e-15;

const PlyReportInputs kPlyInputs{"E-Glass", "ACG LTM 10", "CCA", "Halpin Tsai(Circ)", 60.0};

FabricReportInputs FabricInputs() {
    FabricReportInputs inputs;
    inputs.fibreName = "Tenax HTA";
    inputs.resinName = "Hexcel RTM6";
    inputs.weaveName = "Satin  5H";
    inputs.warpAngleDeg = 0.0;
    inputs.fillAngleDeg = 90.0;
    inputs.arealDensity = 0.2;
    inputs.thicknessMm = 0.00035 * 1000.0;
    inputs.warpCount = 1200.0;
    inputs.fillCount = 1150.5;
    inputs.fibreVolumePercent = 55.0;
    return inputs;
}

// Nine ply results whose report lines are easy to check by eye: 12345.678901 GPa shows as
// 12345.7 and, read back in single precision, prints as 12345.7002.
const double kPlyOut[9] = {12345.678901e9, 72.4e9, 30.2e9, 0.5e9, 0.25, 0.4, 0.0625, 12.0, -0.5};

const char* const kFabricDescription =
    "Fibre material        = Tenax HTA\n"
    "Matrix material       = Hexcel RTM6\n"
    "Weave type            = Satin  5H\n"
    "Angle of warp yarns   =     0.0000 [degrees]\n"
    "Angle of fill yarns   =    90.0000 [degrees]\n"
    "Areal density         =     0.2000 [ kg/m2 ]\n"
    "Thickness             =     0.3500 [   mm  ]\n"
    "Warp count            =  1200.0000 [  1/m  ]\n"
    "Fill count            =  1150.5000 [  1/m  ]\n"
    "Fibre Volume Fraction =    55.0000 [   %   ]\n";

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<double> Fabric3DOut() {
    std::vector<double> out(41, 0.0);
    const double values[19] = {60e9, 55e9, 9e9, 4e9, 3.5e9, 3e9, 0.05,  0.3,    0.35,   0.045,
                               0.5,  0.55, 2.5, 3.5, 45.0,  0.0, 1e-20, -0.125, 0.00035};
    std::copy(values, values + 19, out.begin());
    return out;
}

std::vector<double> FabricABDOut() {
    std::vector<double> out(41, 0.0);
    const double values[35] = {50e6,   10e6,   3e-11, 40e6, -1e6, 5e6,    // A [N/m]
                               2e3,    0.0,    0.0,   -2e3, 0.0,  0.5e3,  // B [N]
                               1.5,    0.25,   0.0,   1.25, 0.0,  0.5,    // D [N m]
                               0.1,    -0.2,   0.0,   0.05,               // coupling ratios
                               0.5,    0.25,   1e-16,                     // NT
                               1e-3,   -2e-3,  0.0,                       // MT
                               1.2e-5, 3e-5,   0.0,                       // thermal strains [1/K]
                               0.0,    2.5e-3, 1e-16,                     // curvatures
                               0.00035};                                  // thickness [m]
    std::copy(values, values + 35, out.begin());
    return out;
}

const char* const kABDResults =
    "\n\t--RESULTS--\n\nMATRIX A [MN/m]:\n\n"
    "   50.0000   10.0000    0.0000\n"
    "             40.0000   -1.0000\n"
    "                        5.0000\n"
    "MATRIX B [kN]:\n\n"
    "    2.0000    0.0000    0.0000\n"
    "             -2.0000    0.0000\n"
    "                        0.5000\n"
    "MATRIX D [N m]:\n\n"
    "    1.5000    0.2500    0.0000\n"
    "              1.2500    0.0000\n"
    "                        0.5000\n"
    "NT [N/(m K)]:\n\n"
    "5.0000e-001\n2.5000e-001\n0.0000e+000\n"
    "\nMT [N/K]:\n\n"
    "1.0000e-003\n-2.0000e-003\n0.0000e+000\n\n"
    "AT [%/K]:\n\n"
    "1.2000e-003\n3.0000e-003\n0.0000e+000\n"
    "\nKT [1/m K]:\n\n"
    "0.0000e+000\n2.5000e-003\n0.0000e+000\n\n"
    "COUPLING TERMS:\n\n"
    "A16/A11  =     0.1000\n"
    "A26/A22  =    -0.2000\n"
    "D16/D11  =     0.0000\n"
    "D26/D22  =     0.0500\n";

}  // namespace

TEST(Reports, UDPlyReportPrintsTheDisplayedValues) {
    UDResults shown = AsDisplayed(UDResults::FromLibrary(kPlyOut));
    EXPECT_EQ(UDPlyReport(kPlyInputs, shown),
              "UD COMPOSITE PROPERTIES\n\n"
              "Fibre material                   = E-Glass\n"
              "Matrix material                  = ACG LTM 10\n"
              "Mechanical micromechanical model = CCA\n"
              "Thermal micromechanical model    = Halpin Tsai(Circ)\n"
              "Fibre Volume Fraction            = 60.0000[%]\n"
              "\n\t--RESULTS--\n"
              "Ex        = 12345.7002 [ GPa ]\n"
              "Ey=Ez     =    72.4000 [ GPa ]\n"
              "Gxy=Gxz   =    30.2000 [ GPa ]\n"
              "Gyz       =     0.5000 [ GPa ]\n"
              "nuxy=nuxz =     0.2500 [     ]\n"
              "nuyz=nuzy =     0.4000 [     ]\n"
              "nuyx=nuzx =     0.0625 [     ]\n"
              "alpha1    = 1.2000e+001 [ppm/K]\n"
              "alpha2=3  = -5.0000e-001 [ppm/K]\n");
}

TEST(Reports, RandomMatReportSharesTheDescriptionOfTheUDReport) {
    RandomMatResults shown = AsDisplayed(RandomMatResults::FromLibrary(kPlyOut));
    EXPECT_EQ(RandomMatReport(kPlyInputs, shown),
              "RANDOM FABRIC PROPERTIES\n\n"
              "Fibre material                   = E-Glass\n"
              "Matrix material                  = ACG LTM 10\n"
              "Mechanical micromechanical model = CCA\n"
              "Thermal micromechanical model    = Halpin Tsai(Circ)\n"
              "Fibre Volume Fraction            = 60.0000[%]\n"
              "\n\t--RESULTS--\n"
              "Ex      = 12345.7002 [GPa]\n"
              "Ez      =    72.4000 [GPa]\n"
              "Gxy     =    30.2000 [GPa]\n"
              "Gyz     =     0.5000 [GPa]\n"
              "NUxy    =     0.2500 [   ]\n"
              "NUzx    =     0.4000 [   ]\n"
              "NUxz    =     0.0625 [   ]\n"
              "Alphax  = 1.2000e+001 [ppm/K]\n"
              "Alphaz  = -5.0000e-001 [ppm/K]\n");
}

TEST(Reports, Fabric3DReportNamesTheAveragingAndPrintsTheThickness) {
    std::vector<double> out = Fabric3DOut();
    Fabric3DResults shown = AsDisplayed(Fabric3DResults::FromLibrary(out.data()));
    FabricReportInputs inputs = FabricInputs();
    inputs.thicknessMm = Fabric3DResults::ThicknessMillimetres(out.data());
    const std::string results =
        "\n\t--RESULTS--\n"
        "Ex      =    60.0000 [ GPa ]\n"
        "Ey      =    55.0000 [ GPa ]\n"
        "Ez      =     9.0000 [ GPa ]\n"
        "Gxy     =     4.0000 [ GPa ]\n"
        "Gxz     =     3.5000 [ GPa ]\n"
        "Gyz     =     3.0000 [ GPa ]\n"
        "NUxy    =     0.0500 [     ]\n"
        "NUxz    =     0.3000 [     ]\n"
        "NUyz    =     0.3500 [     ]\n"
        "NUyx    =     0.0450 [     ]\n"
        "NUzx    =     0.5000 [     ]\n"
        "NUzy    =     0.5500 [     ]\n"
        "ALPHAx  = 2.5000e+000 [ppm/K]\n"
        "ALPHAy  = 3.5000e+000 [ppm/K]\n"
        "ALPHAz  = 4.5000e+001 [ppm/K]\n"
        "ALPHAxy = 0.0000e+000 [ppm/K]\n\n"
        "COUPLING TERMS:\n\n"
        "C16/C11 =     0.0000\n"
        "C26/C22 =    -0.1250\n";
    EXPECT_EQ(Fabric3DReport(inputs, shown),
              "WOVEN FABRIC 3D PROPERTIES\n\niso-stress model used for calculations\n" +
                  std::string(kFabricDescription) + results);
    inputs.isoStrain = true;
    EXPECT_EQ(Fabric3DReport(inputs, shown),
              "WOVEN FABRIC 3D PROPERTIES\n\niso-strain model used for calculations\n" +
                  std::string(kFabricDescription) + results);
}

TEST(Reports, FabricABDReportLaysOutTheTrianglesAndClearedEntries) {
    std::vector<double> out = FabricABDOut();
    FabricABDResults shown = AsDisplayed(
        FabricABDResults::FromLibrary(out.data(), kDefaultAbdMinimum, kDefaultThermalMinimum));
    FabricReportInputs inputs = FabricInputs();
    inputs.thicknessMm = FabricABDResults::ThicknessMillimetres(out.data());
    inputs.isoStrain = true;
    EXPECT_EQ(FabricABDReport(inputs, shown),
              "WOVEN FABRIC ABD PROPERTIES\n\niso-strain model used for calculations\n" +
                  std::string(kFabricDescription) + kABDResults);

    inputs.finiteElements = true;
    inputs.isoStrain = false;
    EXPECT_EQ(FabricABDReport(inputs, shown),
              "WOVEN FABRIC ABD PROPERTIES\n\n"
              "Finite Element model used for calculations\n"
              "iso-stress model used for calculations\n" +
                  std::string(kFabricDescription) + kABDResults);
}

class ReportFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvel-reports-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(directory_, ignored);
    }
    fs::path directory_;
};

TEST_F(ReportFiles, ReportsAccumulateAndEachIsConfirmed) {
    std::vector<double> out = Fabric3DOut();
    FabricReportInputs inputs = FabricInputs();
    std::string first = Fabric3DReport(inputs, Fabric3DResults::FromLibrary(out.data()));
    out[0] = 61e9;
    std::string second = Fabric3DReport(inputs, Fabric3DResults::FromLibrary(out.data()));

    Message message = AppendReport(ReportKind::Fabric3D, first, directory_);
    EXPECT_EQ(message, (Message{"Results are written to file: 'results_3D.dat'", "Plycalc",
                                MessageIcon::Information, MessageButtons::Ok}));
    AppendReport(ReportKind::Fabric3D, second, directory_);
    std::string file = Read(directory_ / "results_3D.dat");
    EXPECT_EQ(file, first + second);
    EXPECT_NE(file.find("C26/C22 =    -0.1250\nWOVEN FABRIC 3D PROPERTIES\n\n"), std::string::npos);

    const std::pair<ReportKind, const char*> kinds[] = {{ReportKind::UDPly, "results_MM.dat"},
                                                        {ReportKind::RandomMat, "results_RND.dat"},
                                                        {ReportKind::FabricABD, "results_ABD.dat"}};
    for (const auto& [kind, name] : kinds) {
        EXPECT_EQ(AppendReport(kind, "x\n", directory_).text,
                  std::string("Results are written to file: '") + name + "'");
        EXPECT_EQ(Read(directory_ / name), "x\n");
    }
    EXPECT_EQ(Read(directory_ / "results_3D.dat"), first + second) << "other kinds leave it alone";
}

TEST_F(ReportFiles, AReportThatCannotBeWrittenWarnsInsteadOfConfirming) {
    // A directory in place of the file: it cannot be opened for appending.
    fs::create_directory(directory_ / "results_MM.dat");
    Message message = AppendReport(ReportKind::UDPly, "report\n", directory_);
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(message.text.rfind("Results could not be written to file: 'results_MM.dat'", 0), 0u)
        << message.text;

    message = AppendReport(ReportKind::RandomMat, "report\n", directory_ / "missing");
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_NE(message.text.find("'results_RND.dat'"), std::string::npos);

    // A device that is full accepts the open but fails the write.
    if (fs::exists("/dev/full")) {
        fs::create_symlink("/dev/full", directory_ / "results_ABD.dat");
        message = AppendReport(ReportKind::FabricABD, "report\n", directory_);
        EXPECT_EQ(message.icon, MessageIcon::Exclamation) << message.text;
    }
}

TEST_F(ReportFiles, CatalogueUDPlyGoesFromTheLibraryThroughTheFormIntoTheFile) {
    CCatalogue catalogue;
    double out[41] = {};
    UDMixel(0.6, catalogue.FindResin("ACG LTM 10")->Array(),
            catalogue.FindFibre("E-Glass")->Array(), 2, 12, out);
    CScriptedWindowSystem windowSystem;
    CResultsUDDialog form(windowSystem);
    form.SetResults(UDResults::FromLibrary(out));
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) { f.PressOutput(); });
    ASSERT_EQ(windowSystem.RunModal(form), FormResult::Accepted);

    const PlyReportInputs inputs{"E-Glass", "ACG LTM 10", "CCA", "CCA", 60.0};
    const std::string report = UDPlyReport(inputs, form.Results());
    EXPECT_EQ(report,
              "UD COMPOSITE PROPERTIES\n\n"
              "Fibre material                   = E-Glass\n"
              "Matrix material                  = ACG LTM 10\n"
              "Mechanical micromechanical model = CCA\n"
              "Thermal micromechanical model    = CCA\n"
              "Fibre Volume Fraction            = 60.0000[%]\n"
              "\n\t--RESULTS--\n"
              "Ex        =    44.7262 [ GPa ]\n"
              "Ey=Ez     =    12.4262 [ GPa ]\n"
              "Gxy=Gxz   =     3.9557 [ GPa ]\n"
              "Gyz       =     4.2983 [ GPa ]\n"
              "nuxy=nuxz =     0.2681 [     ]\n"
              "nuyz=nuzy =     0.4455 [     ]\n"
              "nuyx=nuzx =     0.0745 [     ]\n"
              "alpha1    = 6.7088e+000 [ppm/K]\n"
              "alpha2=3  = 2.4389e+001 [ppm/K]\n");
    AppendReport(ReportKind::UDPly, report, directory_);
    AppendReport(ReportKind::UDPly, report, directory_);
    EXPECT_EQ(Read(directory_ / "results_MM.dat"), report + report);
}

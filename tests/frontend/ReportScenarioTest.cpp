// Calculations from catalogue materials through the result form to the report file, as a user
// runs them. The expected report texts were worked out by hand from the displayed values.
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/MainFormFixture.h"

namespace {

const char* const kUDReport =
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
    "alpha2=3  = 2.4389e+001 [ppm/K]\n";

const char* const kRandomMatReport =
    "RANDOM FABRIC PROPERTIES\n\n"
    "Fibre material                   = Tenax HTA\n"
    "Matrix material                  = Hexcel RTM6\n"
    "Mechanical micromechanical model = Puck\n"
    "Thermal micromechanical model    = Schneider\n"
    "Fibre Volume Fraction            = 45.5000[%]\n"
    "\n\t--RESULTS--\n"
    "Ex      =    41.6251 [GPa]\n"
    "Ez      =     7.4252 [GPa]\n"
    "Gxy     =    15.7692 [GPa]\n"
    "Gyz     =     1.5727 [GPa]\n"
    "NUxy    =     0.3198 [   ]\n"
    "NUzx    =     0.0184 [   ]\n"
    "NUxz    =     0.1031 [   ]\n"
    "Alphax  = 4.4408e+000 [ppm/K]\n"
    "Alphaz  = 4.4302e+001 [ppm/K]\n";

const char* const kFabricDescription =
    "Fibre material        = Tenax HTA\n"
    "Matrix material       = Hexcel RTM6\n"
    "Weave type            = Satin  5H\n"
    "Angle of warp yarns   =     0.0000 [degrees]\n"
    "Angle of fill yarns   =    90.0000 [degrees]\n"
    "Areal density         =     0.2000 [ kg/m2 ]\n"
    "Thickness             =     0.4100 [   mm  ]\n"
    "Warp count            =  1200.0000 [  1/m  ]\n"
    "Fill count            =  1150.5000 [  1/m  ]\n"
    "Fibre Volume Fraction =    55.0000 [   %   ]\n";

const std::string k3DReport = std::string(
                                  "WOVEN FABRIC 3D PROPERTIES\n\n"
                                  "iso-strain model used for calculations\n") +
                              kFabricDescription +
                              "\n\t--RESULTS--\n"
                              "Ex      =    48.5000 [ GPa ]\n"
                              "Ey      =    47.2500 [ GPa ]\n"
                              "Ez      =     8.7500 [ GPa ]\n"
                              "Gxy     =     3.8000 [ GPa ]\n"
                              "Gxz     =     2.9000 [ GPa ]\n"
                              "Gyz     =     2.7500 [ GPa ]\n"
                              "NUxy    =     0.0450 [     ]\n"
                              "NUxz    =     0.3200 [     ]\n"
                              "NUyz    =     0.4100 [     ]\n"
                              "NUyx    =     0.0440 [     ]\n"
                              "NUzx    =     0.0610 [     ]\n"
                              "NUzy    =     0.0590 [     ]\n"
                              "ALPHAx  = 3.2500e+000 [ppm/K]\n"
                              "ALPHAy  = 3.3000e+000 [ppm/K]\n"
                              "ALPHAz  = 5.2500e+001 [ppm/K]\n"
                              "ALPHAxy = 0.0000e+000 [ppm/K]\n\n"
                              "COUPLING TERMS:\n\n"
                              "C16/C11 =     0.0020\n"
                              "C26/C22 =    -0.0035\n";

const std::string kABDReport = std::string(
                                   "WOVEN FABRIC ABD PROPERTIES\n\n"
                                   "Finite Element model used for calculations\n"
                                   "iso-stress model used for calculations\n") +
                               kFabricDescription +
                               "\n\t--RESULTS--\n\nMATRIX A [MN/m]:\n\n"
                               "   42.0000    3.1000    0.0000\n"
                               "             40.0000   -0.0150\n"
                               "                        2.6000\n"
                               "MATRIX B [kN]:\n\n"
                               "    0.0125   -0.0030    0.0005\n"
                               "             -0.0125    0.0000\n"
                               "                        0.0003\n"
                               "MATRIX D [N m]:\n\n"
                               "    0.5500    0.0400    0.0020\n"
                               "              0.5300   -0.0010\n"
                               "                        0.0350\n"
                               "NT [N/(m K)]:\n\n"
                               "1.2500e+000\n"
                               "1.2000e+000\n"
                               "0.0000e+000\n"
                               "\nMT [N/K]:\n\n"
                               "2.5000e-005\n"
                               "-2.5000e-005\n"
                               "0.0000e+000\n\n"
                               "AT [%/K]:\n\n"
                               "3.3000e-004\n"
                               "3.4000e-004\n"
                               "0.0000e+000\n"
                               "\nKT [1/m K]:\n\n"
                               "1.5000e-004\n"
                               "-1.5000e-004\n"
                               "0.0000e+000\n\n"
                               "COUPLING TERMS:\n\n"
                               "A16/A11  =     0.0000\n"
                               "A26/A22  =    -0.0004\n"
                               "D16/D11  =     0.0036\n"
                               "D26/D22  =    -0.0019\n";

// Library results of a fabric: 3D constants (Pa, ratios, ppm/K, thickness in m) and a laminate
// (N/m, N, N m, ratios, thermal resultants per kelvin, thickness in m) with a few entries below
// the default minimum displayed values.
const std::vector<double> k3DOut = {48.5e9, 47.25e9, 8.75e9, 3.8e9,   2.9e9,  2.75e9, 0.045,
                                    0.32,   0.41,    0.044,  0.061,   0.059,  3.25,   3.3,
                                    52.5,   0.0,     0.002,  -0.0035, 0.00041};
const std::vector<double> kABDOut = {
    4.2e7, 3.1e6,  3e-11,   4.0e7, -1.5e4, 2.6e6,  12.5,  -3.0,      0.5,     -12.5,   1e-11,  0.25,
    0.55,  0.04,   0.002,   0.53,  -0.001, 0.035,  5e-11, -0.000375, 0.0036,  -0.0019, 1.25,   1.2,
    1e-16, 2.5e-5, -2.5e-5, 0.0,   3.3e-6, 3.4e-6, 1e-17, 1.5e-4,    -1.5e-4, 1e-16,   0.00041};

Message Confirmation(const std::string& file) {
    return Message{"Results are written to file: '" + file + "'", "Plycalc",
                   MessageIcon::Information};
}

void TypeSatinFabric(CMainDialog& form) {
    form.FibreVolumeField().SetText("55");
    form.WarpCountField().SetText("1200");
    form.FillCountField().SetText("1150.5");
    form.ArealDensityField().SetText("0.2");
    form.WarpAngleField().SetText("0");
    form.FillAngleField().SetText("90");
}

}  // namespace

TEST_F(MainFormTest, UDReportsAccumulateOnlyForTheOutputButton) {
    CMainDialog& form = Open();
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("60");
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) {
        EXPECT_EQ(f.ValueField(UDResults::E1).Text(), "44.7262");
        EXPECT_EQ(f.ValueField(UDResults::Nu21).Text(), "0.0744868");
        EXPECT_EQ(f.ValueField(UDResults::Alpha1).Text(), "6.70885");
        f.PressOutput();
    });
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) { f.PressReturn(); });
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) { f.PressOutput(); });
    form.Calculate();
    EXPECT_EQ(Read("results_MM.dat"), kUDReport);
    form.Calculate();
    form.Calculate();

    EXPECT_EQ(Read("results_MM.dat"), std::string(kUDReport) + kUDReport);
    EXPECT_EQ(windowSystem.messages, (std::vector<Message>{Confirmation("results_MM.dat"),
                                                           Confirmation("results_MM.dat")}));
    EXPECT_TRUE(windowSystem.AllScriptsUsed());
}

TEST_F(MainFormTest, RandomMatReportNamesTheSelectedMaterialsAndModels) {
    CMainDialog& form = Open();
    form.ChooseRandomMatCase();
    Pick(form.ResinList(), "Hexcel RTM6");
    Pick(form.FibreList(), "Tenax HTA");
    Pick(form.ElasticModelList(), "Puck");
    Pick(form.ThermalModelList(), "Schneider");
    form.FibreVolumeField().SetText("45.5");
    windowSystem.QueueForm<CResultsRandomDialog>([](CResultsRandomDialog& f) { f.PressOutput(); });
    form.Calculate();
    EXPECT_EQ(Read("results_RND.dat"), kRandomMatReport);
    EXPECT_EQ(windowSystem.messages, std::vector<Message>{Confirmation("results_RND.dat")});
}

TEST_F(MainFormTest, FabricReportsCarryTheInputsTheThicknessAndTheDisplayedResults) {
    CMainDialog& form = Open();
    Pick(form.ResinList(), "Hexcel RTM6");
    Pick(form.FibreList(), "Tenax HTA");
    Pick(form.WeaveList(), "Satin  5H");
    TypeSatinFabric(form);

    form.ModelTypeList().Select(1);
    fabricResult = [](double* out) {
        std::copy(k3DOut.begin(), k3DOut.end(), out);
        return true;
    };
    windowSystem.QueueForm<CResults3DDialog>([](CResults3DDialog& f) {
        EXPECT_EQ(f.ValueField(Fabric3DResults::Ex).Text(), "48.5");
        f.PressOutput();
    });
    form.Calculate();
    EXPECT_EQ(Read("results_3D.dat"), k3DReport);

    form.ModelTypeList().Select(0);
    form.ChooseABDProperties();
    form.ChooseFiniteElementsMethod();
    fabricResult = [](double* out) {
        std::copy(kABDOut.begin(), kABDOut.end(), out);
        return true;
    };
    windowSystem.QueueForm<CResultsABDDialog>([](CResultsABDDialog& f) {
        EXPECT_EQ(f.ValueField(FabricABDResults::A16).Text(), "0");
        EXPECT_EQ(f.ValueField(FabricABDResults::A11).Text(), "42");
        EXPECT_EQ(f.ValueField(FabricABDResults::EpsilonX).Text(), "0.00033");
        f.PressOutput();
    });
    form.Calculate();
    EXPECT_EQ(Read("results_ABD.dat"), kABDReport);
    EXPECT_EQ(windowSystem.messages, (std::vector<Message>{Confirmation("results_3D.dat"),
                                                           Confirmation("results_ABD.dat")}));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].model, 2);
}

TEST_F(MainFormTest, TheDisplayOptionsDecideWhichLaminateEntriesShow) {
    CMainDialog& form = Open();
    TypeSatinFabric(form);
    form.ChooseABDProperties();
    fabricResult = [](double* out) {
        std::copy(kABDOut.begin(), kABDOut.end(), out);
        return true;
    };
    windowSystem.QueueForm<CDisplayOptionsDialog>([](CDisplayOptionsDialog& f) {
        f.StepAbdMinimum(SpinDirection::Decreasing);
        f.StepAbdMinimum(SpinDirection::Decreasing);
        f.PressOK();
    });
    form.OpenDisplayOptions();
    windowSystem.QueueForm<CResultsABDDialog>([](CResultsABDDialog& f) {
        EXPECT_EQ(f.ValueField(FabricABDResults::A16).Text(), "3e-17");  // 3e-11 N/m in MN/m
        EXPECT_EQ(f.ValueField(FabricABDResults::B26).Text(), "1e-14");  // 1e-11 N in kN
        EXPECT_EQ(f.ValueField(FabricABDResults::NTxy).Text(), "0");     // thermal minimum kept
        f.PressReturn();
    });
    form.Calculate();
    EXPECT_FALSE(std::filesystem::exists("results_ABD.dat"));
}

TEST_F(MainFormTest, AReportThatCannotBeWrittenIsReportedInsteadOfConfirmed) {
    std::filesystem::create_directory("results_MM.dat");
    CMainDialog& form = Open();
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("60");
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) { f.PressOutput(); });
    form.Calculate();
    ASSERT_EQ(windowSystem.messages.size(), 1u);
    EXPECT_NE(windowSystem.messages[0].text.find("results_MM.dat"), std::string::npos);
    EXPECT_EQ(windowSystem.messages[0].text.find("Results are written"), std::string::npos);
    EXPECT_EQ(windowSystem.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(form.IsOpen());
}

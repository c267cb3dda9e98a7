#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "NumberFormat.h"
#include "Results3DDialog.h"
#include "ResultsABDDialog.h"
#include "ResultsRandomDialog.h"
#include "ResultsUDDialog.h"
#include "controls/ScriptedWindowSystem.h"

namespace {

const double kUDOut[9] = {12345.678901e9, 12.4262e9, 3.95568e9, 4.29831e9, 0.268104,
                          0.445471,       0.0744868, 6.70885,   24.389};

template <typename Form>
std::vector<std::string> FieldTexts(const Form& form) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < Form::kFieldCount; ++i) {
        texts.push_back(form.ValueField(i).Text());
    }
    return texts;
}

}  // namespace

TEST(ResultForms, EachKindHasItsTitleAndOutputButton) {
    CScriptedWindowSystem windowSystem;
    CResultsUDDialog ud(windowSystem);
    CResultsRandomDialog random(windowSystem);
    CResults3DDialog fabric(windowSystem);
    CResultsABDDialog abd(windowSystem);
    EXPECT_EQ(ud.Title(), "MicroMechanical Model Results");
    EXPECT_EQ(random.Title(), "Random Model Results");
    EXPECT_EQ(fabric.Title(), "3D Results");
    EXPECT_EQ(abd.Title(), "ABD RESULTS");
    EXPECT_EQ(ud.outputButton.Caption(), "Create Output");
    EXPECT_EQ(fabric.outputButton.Caption(), "Create Output File");
    EXPECT_EQ(abd.returnButton.Caption(), "Return");
    // Rows follow the record: the UD table shows nu21 before nu23.
    EXPECT_EQ(ud.RowLabel(UDResults::Nu21).Text(), "  ν yx = ν zx");
    EXPECT_EQ(ud.RowLabel(UDResults::Nu23).Text(), "  ν yz = ν zy");
    EXPECT_TRUE(ud.ValueField(UDResults::E1).IsReadOnly());
    EXPECT_TRUE(CResultsABDDialog::IsRightAligned(FabricABDResults::D66));
    EXPECT_TRUE(CResultsABDDialog::IsRightAligned(FabricABDResults::A16OverA11));
    EXPECT_FALSE(CResultsABDDialog::IsRightAligned(FabricABDResults::NTx));
    EXPECT_FALSE(CResultsABDDialog::IsRightAligned(FabricABDResults::KappaXY));
}

TEST(ResultForms, ShowSixDigitsAndReadTheDisplayBackOnOutput) {
    CScriptedWindowSystem windowSystem;
    CResultsUDDialog form(windowSystem);
    form.SetResults(UDResults::FromLibrary(kUDOut));
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) {
        EXPECT_EQ(FieldTexts(f),
                  (std::vector<std::string>{"12345.7", "12.4262", "3.95568", "4.29831", "0.268104",
                                            "0.0744868", "0.445471", "6.70885", "24.389"}));
        f.PressOutput();
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Accepted);
    EXPECT_EQ(form.Results()[UDResults::E1], 12345.7f);
    EXPECT_EQ(FormatFixed(form.Results()[UDResults::E1], 10, 4), "12345.7002");
    // The read-back agrees with the one the reports use without a form.
    EXPECT_EQ(form.Results().values, AsDisplayed(UDResults::FromLibrary(kUDOut)).values);
    EXPECT_TRUE(windowSystem.messages.empty());
}

TEST(ResultForms, ReturnReadsNothingBack) {
    CScriptedWindowSystem windowSystem;
    CResultsRandomDialog form(windowSystem);
    form.SetResults(RandomMatResults::FromLibrary(kUDOut));
    windowSystem.QueueForm<CResultsRandomDialog>([](CResultsRandomDialog& f) {
        f.ValueField(RandomMatResults::Ex).SetText("1");
        f.PressReturn();
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Cancelled);
    EXPECT_EQ(form.Results()[RandomMatResults::Ex], 12345.678901f);
}

TEST(ResultForms, ATextThatDoesNotReadBackKeepsTheFormOpen) {
    CScriptedWindowSystem windowSystem;
    CResults3DDialog form(windowSystem);
    std::vector<double> out(41, 1e9);
    form.SetResults(Fabric3DResults::FromLibrary(out.data()));
    windowSystem.QueueForm<CResults3DDialog>([](CResults3DDialog& f) {
        f.ValueField(Fabric3DResults::Gxz).SetText("1.0.0");
        f.PressOutput();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_EQ(f.FailedControl(), &f.ValueField(Fabric3DResults::Gxz));
        f.ValueField(Fabric3DResults::Gxz).SetText("2.5");
        f.PressOutput();
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Accepted);
    EXPECT_EQ(windowSystem.MessageTexts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(form.Results()[Fabric3DResults::Gxz], 2.5f);
}

TEST(ResultForms, ANewCalculationReplacesEverythingShown) {
    CScriptedWindowSystem windowSystem;
    CResults3DDialog form(windowSystem);
    std::vector<double> out(41, 0.0);
    out[0] = 60e9;
    out[16] = 1e-20;  // never thresholded outside the ABD result
    form.SetResults(Fabric3DResults::FromLibrary(out.data()));
    windowSystem.QueueForm<CResults3DDialog>([](CResults3DDialog& f) {
        EXPECT_EQ(f.ValueField(Fabric3DResults::Ex).Text(), "60");
        EXPECT_EQ(f.ValueField(Fabric3DResults::C16OverC11).Text(), "1e-20");
        f.ValueField(Fabric3DResults::Ex).SetText("stale");
        f.PressReturn();
    });
    windowSystem.RunModal(form);

    std::vector<double> next(41, 0.0);
    next[0] = std::numeric_limits<double>::infinity();
    next[1] = std::numeric_limits<double>::quiet_NaN();
    form.SetResults(Fabric3DResults::FromLibrary(next.data()));
    windowSystem.QueueForm<CResults3DDialog>([](CResults3DDialog& f) {
        EXPECT_EQ(f.ValueField(Fabric3DResults::Ex).Text(), "inf");
        EXPECT_EQ(f.ValueField(Fabric3DResults::C16OverC11).Text(), "0");
        f.PressOutput();
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Accepted)
        << "non-finite values read back as numbers";
    EXPECT_TRUE(std::isinf(form.Results()[Fabric3DResults::Ex]));
    EXPECT_TRUE(std::isnan(form.Results()[Fabric3DResults::Ey]));
    EXPECT_TRUE(windowSystem.AllScriptsUsed());
}

TEST(ResultForms, ABDFormShowsClearedEntriesAsZeroAndScaledStrains) {
    CScriptedWindowSystem windowSystem;
    CResultsABDDialog form(windowSystem);
    std::vector<double> out(41, 1.0);
    out[0] = 72.4e6;   // A11 [N/m]
    out[2] = 3e-11;    // A16 below the default minimum
    out[5] = 1e-10;    // A66 equal to it
    out[28] = 1.2e-5;  // thermal strain x [1/K]
    out[33] = 1e-16;   // curvature xy below the thermal minimum
    form.SetResults(FabricABDResults::FromLibrary(out.data(), 1e-10, 1e-15));
    windowSystem.QueueForm<CResultsABDDialog>([](CResultsABDDialog& f) {
        EXPECT_EQ(f.ValueField(FabricABDResults::A11).Text(), "72.4");
        EXPECT_EQ(f.ValueField(FabricABDResults::A16).Text(), "0");
        EXPECT_EQ(f.ValueField(FabricABDResults::A66).Text(), "1e-16");
        EXPECT_EQ(f.ValueField(FabricABDResults::EpsilonX).Text(), "0.0012");
        EXPECT_EQ(f.ValueField(FabricABDResults::KappaXY).Text(), "0");
        EXPECT_EQ(f.ValueField(FabricABDResults::B11).Text(), "0.001");
        f.PressOutput();
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Accepted);
    EXPECT_EQ(form.Results()[FabricABDResults::A16], 0.0f);
    EXPECT_EQ(form.Results()[FabricABDResults::EpsilonX], 0.0012f);
}

// Enter presses the button that has the focus; with the focus on a value (or nowhere) it is
// "Return", the default button, which writes nothing.
TEST(ResultForms, EnterPressesTheFocusedButtonElseReturn) {
    CScriptedWindowSystem windowSystem;
    CResultsUDDialog form(windowSystem);
    form.SetResults(UDResults::FromLibrary(kUDOut));
    EXPECT_TRUE(form.returnButton.IsDefault());
    EXPECT_FALSE(form.outputButton.IsDefault() || form.copyButton.IsDefault());

    struct Row {
        const CButton* focused;
        bool open;
        FormResult result;
    };
    const Row rows[] = {{nullptr, false, FormResult::Cancelled},
                        {&form.returnButton, false, FormResult::Cancelled},
                        {&form.outputButton, false, FormResult::Accepted},
                        {&form.copyButton, true, FormResult::Cancelled}};
    for (const Row& row : rows) {
        windowSystem.clipboard.clear();
        bool open = false;
        windowSystem.QueueForm<CResultsUDDialog>([&](CResultsUDDialog& f) {
            f.ValueField(UDResults::E1).SetText("12345.7");
            f.PressEnter(row.focused);
            open = f.IsOpen();
        });
        EXPECT_EQ(windowSystem.RunModal(form), row.result);
        EXPECT_EQ(open, row.open);
        EXPECT_EQ(windowSystem.clipboard.empty(), row.focused != &form.copyButton);
    }
    // The export button exports and leaves the form open: without a document, it says so.
    windowSystem.QueueForm<CResultsUDDialog>([&](CResultsUDDialog& f) {
        f.PressEnter(&f.exportButton);
        EXPECT_TRUE(f.IsOpen());
    });
    windowSystem.RunModal(form);
    EXPECT_EQ(windowSystem.MessageTexts(),
              std::vector<std::string>{"There are no results to export."});
}

// The summary of the inputs above the values, and the clipboard table: the inputs, then every
// value with its label and unit as displayed, one row per line and tabs between cells.
TEST(ResultForms, CopyPutsTheInputsAndEveryShownValueOnTheClipboard) {
    CScriptedWindowSystem windowSystem;
    CResultsUDDialog form(windowSystem);
    EXPECT_FALSE(form.Summary().IsVisible());
    EXPECT_FALSE(form.ThicknessField().IsVisible());
    form.SetResults(UDResults::FromLibrary(kUDOut));
    CalculationInputs inputs;
    inputs.resinName = "ACG LTM 10";
    inputs.fibreName = "E-\tGlass";  // a tab in a name must not split its cell
    inputs.elasticModelName = "CCA";
    inputs.thermalModelName = "ChamberLain(Hexag)";
    inputs.fibreVolumePercent = 60.5;
    inputs.warpCount = 99;  // a ply has no weave: not copied
    form.SetInputs(inputs);
    form.SetNote("Denser than round fibres pack.");
    EXPECT_TRUE(form.Summary().IsVisible());
    EXPECT_EQ(form.Summary().Text(),
              "UD ply: resin ACG LTM 10, fibre E-\tGlass, Vf 60.5 %, elastic CCA, thermal "
              "ChamberLain(Hexag)");
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) { f.PressCopy(); });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Cancelled);
    EXPECT_EQ(windowSystem.clipboard,
              "MicroMechanical Model Results\n"
              "Case\t\tUD ply\n"
              "Resin\t\tACG LTM 10\n"
              "Fibre\t\tE- Glass\n"
              "Elastic model\t\tCCA\n"
              "Thermal model\t\tChamberLain(Hexag)\n"
              "Fibre volume fraction\t%\t60.5\n"
              "\n"
              "Property\tUnit\tValue\n"
              "Ex\tGPa\t12345.7\n"
              "Ey = Ez\tGPa\t12.4262\n"
              "Gxy = Gxz\tGPa\t3.95568\n"
              "Gyz\tGPa\t4.29831\n"
              "ν xy = ν xz\t\t0.268104\n"
              "ν yx = ν zx\t\t0.0744868\n"
              "ν yz = ν zy\t\t0.445471\n"
              "α x\tppm/K\t6.70885\n"
              "α y = α z\tppm/K\t24.389\n"
              "Denser than round fibres pack.\n");
}

// A fabric's form shows its thickness with six digits and copies it with the weave data; the
// laminate's entries are named after their place in the matrices.
TEST(ResultForms, FabricFormsShowTheThicknessAndCopyTheWeaveData) {
    CScriptedWindowSystem windowSystem;
    CResultsABDDialog form(windowSystem);
    std::vector<double> out(41, 0.0);
    out[0] = 72.4e6;
    form.SetResults(FabricABDResults::FromLibrary(out.data(), 1e-10, 1e-15));
    CalculationInputs inputs;
    inputs.resinName = "Hexcel RTM6";
    inputs.fibreName = "Tenax HTA";
    inputs.weaveName = "Satin  5H";
    inputs.fibreVolumePercent = 55;
    inputs.warpCount = 1200;
    inputs.fillCount = 1150.5;
    inputs.arealDensity = 0.2;
    inputs.warpAngleDeg = 0;
    inputs.fillAngleDeg = 90;
    inputs.isoStrain = true;
    inputs.finiteElements = true;
    form.SetInputs(inputs);
    form.SetThickness(0.28766512345);
    EXPECT_TRUE(form.ThicknessField().IsVisible() && form.ThicknessField().IsReadOnly());
    EXPECT_EQ(form.ThicknessField().Text(), "0.287665");
    EXPECT_EQ(form.ThicknessLabel().Text() + " " + form.ThicknessUnit().Text(), "Thickness [mm]");
    EXPECT_EQ(form.Summary().Text(),
              "Woven fabric: resin Hexcel RTM6, fibre Tenax HTA, weave Satin  5H, Vf 55 %, warp "
              "1200 1/m at 0°, fill 1150.5 1/m at 90°, 0.2 kg/m2, iso-strain, finite elements");
    windowSystem.QueueForm<CResultsABDDialog>([](CResultsABDDialog& f) { f.PressCopy(); });
    windowSystem.RunModal(form);
    const std::string& text = windowSystem.clipboard;
    for (const char* row :
         {"\nWeave\t\tSatin  5H\n", "\nModel type\t\tIso-strain model\n",
          "\nCalculation method\t\tFinite Elements\n", "\nFill count\t1/m\t1150.5\n",
          "\nAreal density\tkg/m2\t0.2\n", "\nFill yarn angle\tdegrees\t90\n",
          "\nProperty\tUnit\tValue\nThickness\tmm\t0.287665\nA11\tMN/m\t72.4\n",
          "\nD26/D22\t\t0\n"}) {
        EXPECT_NE(text.find(row), std::string::npos) << row << " in\n" << text;
    }
    // One line per input and value, none more: title, 12 inputs, blank, heading, thickness, 34.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 12 + 1 + 1 + 1 + 34);
    EXPECT_EQ(text.find("Elastic model"), std::string::npos);
}

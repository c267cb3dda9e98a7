#include <gtest/gtest.h>

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

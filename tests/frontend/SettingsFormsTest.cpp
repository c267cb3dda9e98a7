#include <gtest/gtest.h>

#include <cmath>

#include "AboutDialog.h"
#include "ConfigurationDialog.h"
#include "DisplayOptionsDialog.h"
#include "controls/ScriptedWindowSystem.h"

namespace {

void RunUnchanged(CScriptedWindowSystem& windowSystem, CConfigurationDialog& form) {
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) { f.PressOK(); });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Accepted);
}

}  // namespace

TEST(ConfigurationDialog, OpensOnItsRangesAndDefaultsAndKeepsThemWhenOpenedTwice) {
    CScriptedWindowSystem windowSystem;
    CConfigurationDialog form(windowSystem);
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
        EXPECT_EQ(f.GaussPointsSlider().Minimum(), 1);
        EXPECT_EQ(f.GaussPointsSlider().Maximum(), 11);
        EXPECT_EQ(f.GaussPointsSlider().TickStep(), 1);
        EXPECT_EQ(f.GaussPointsSlider().Position(), 8);
        EXPECT_EQ(f.AccuracySlider().Maximum(), 100);
        EXPECT_EQ(f.AccuracySlider().TickStep(), 10);
        EXPECT_EQ(f.FibreHeightSlider().Position(), 95);
        EXPECT_EQ(f.FibreWidthSlider().Position(), 85);
        f.PressOK();
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Accepted);
    RunUnchanged(windowSystem, form);
    EXPECT_EQ(form.Settings(), FabricConfiguration{});
    EXPECT_EQ(form.Settings().gaussPoints, 8);
    EXPECT_EQ(form.Settings().fibreWidth, 85);
}

TEST(ConfigurationDialog, OkStoresTheSliderPositionsAndCancelKeepsTheSettings) {
    CScriptedWindowSystem windowSystem;
    CConfigurationDialog form(windowSystem);
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
        f.AccuracySlider().SetPosition(100);
        f.PressCancel();
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Cancelled);
    EXPECT_EQ(form.Settings().accuracy, 0);

    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
        EXPECT_EQ(f.AccuracySlider().Position(), 0);
        f.AccuracySlider().SetPosition(50);
        f.GaussPointsSlider().SetPosition(3);
        f.WarpUndulationSlider().SetPosition(40);
        f.FillUndulationSlider().SetPosition(60);
        f.PressOK();
    });
    windowSystem.RunModal(form);
    EXPECT_EQ(form.Settings(), (FabricConfiguration{3, 40, 60, 95, 85, 50}));

    // A form closed by its close box is a cancel too; the sliders reopen on the stored values.
    windowSystem.QueueForm<CConfigurationDialog>(
        [](CConfigurationDialog& f) { f.FibreHeightSlider().SetPosition(10); });
    windowSystem.RunModal(form);
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
        EXPECT_EQ(f.FibreHeightSlider().Position(), 95);
        EXPECT_EQ(f.AccuracySlider().Position(), 50);
    });
    windowSystem.RunModal(form);
    EXPECT_EQ(form.Settings().fibreHeight, 95);
}

TEST(DisplayOptionsDialog, StepsByDecadesOnWorkingCopiesThatOkStoresAndCancelDiscards) {
    CScriptedWindowSystem windowSystem;
    CDisplayOptionsDialog form(windowSystem);
    windowSystem.QueueForm<CDisplayOptionsDialog>([](CDisplayOptionsDialog& f) {
        EXPECT_EQ(f.AbdMinimumField().Text(), "1e-10");
        EXPECT_EQ(f.ThermalMinimumField().Text(), "1e-15");
        EXPECT_TRUE(f.AbdMinimumField().IsReadOnly());
        for (int step = 0; step < 3; ++step) {
            f.StepAbdMinimum(SpinDirection::Decreasing);
        }
        EXPECT_EQ(f.AbdMinimumField().Text(), "1e-13");
        f.PressCancel();
    });
    windowSystem.RunModal(form);
    EXPECT_EQ(form.Options(), DisplayOptions{});

    windowSystem.QueueForm<CDisplayOptionsDialog>([](CDisplayOptionsDialog& f) {
        EXPECT_EQ(f.AbdMinimumField().Text(), "1e-10");
        f.StepAbdMinimum(SpinDirection::Increasing);
        f.StepThermalMinimum(SpinDirection::Decreasing);
        EXPECT_EQ(f.AbdMinimumField().Text(), "1e-09");
        EXPECT_EQ(f.ThermalMinimumField().Text(), "1e-16");
        f.PressOK();
    });
    windowSystem.RunModal(form);
    EXPECT_DOUBLE_EQ(form.Options().abdMinimum, 1e-9);
    EXPECT_DOUBLE_EQ(form.Options().thermalMinimum, 1e-16);
    EXPECT_TRUE(windowSystem.messages.empty());
}

TEST(DisplayOptionsDialog, NeverStepsToZeroOrInfinityAndCanAlwaysStepBack) {
    CScriptedWindowSystem windowSystem;
    CDisplayOptionsDialog form(windowSystem);
    windowSystem.QueueForm<CDisplayOptionsDialog>([](CDisplayOptionsDialog& f) {
        for (int step = 0; step < 400; ++step) {
            f.StepAbdMinimum(SpinDirection::Decreasing);
            f.StepThermalMinimum(SpinDirection::Increasing);
        }
        f.PressOK();
    });
    windowSystem.RunModal(form);
    const DisplayOptions bottomAndTop = form.Options();
    EXPECT_GT(bottomAndTop.abdMinimum, 0.0);
    EXPECT_TRUE(std::isfinite(bottomAndTop.thermalMinimum));
    EXPECT_GT(bottomAndTop.thermalMinimum, 1e307);

    windowSystem.QueueForm<CDisplayOptionsDialog>([](CDisplayOptionsDialog& f) {
        f.StepAbdMinimum(SpinDirection::Increasing);
        f.StepThermalMinimum(SpinDirection::Decreasing);
        f.PressOK();
    });
    windowSystem.RunModal(form);
    EXPECT_GT(form.Options().abdMinimum, bottomAndTop.abdMinimum);
    EXPECT_LT(form.Options().thermalMinimum, bottomAndTop.thermalMinimum);
}

TEST(AboutDialog, ShowsTheProgramVersion) {
    CScriptedWindowSystem windowSystem;
    CAboutDialog about(windowSystem);
    windowSystem.QueueForm<CAboutDialog>([](CAboutDialog& f) {
        EXPECT_EQ(f.VersionText().Text(), "Plycalc Version 2.2");
        f.PressOK();
    });
    EXPECT_EQ(windowSystem.RunModal(about), FormResult::Accepted);
}

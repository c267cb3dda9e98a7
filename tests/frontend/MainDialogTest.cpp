#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "frontend/MainFormFixture.h"

namespace {

std::vector<std::string> TextsOf(const CListControl& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) {
        texts.push_back(list.Text(i));
    }
    return texts;
}

const char* const kBadVolume = "Invalid fibre volume factor: (0,100) %";
const char* const kBadFabric = "Invalid data values";

}  // namespace

TEST_F(MainFormTest, StartsWithoutAUserFileOnTheFirstEntriesAndTheFabricLayout) {
    CMainDialog& form = Open();
    EXPECT_EQ(form.Title(), "Plycalc");
    EXPECT_EQ(form.ResinList().Count(), 10);
    EXPECT_EQ(form.FibreList().Count(), 7);
    EXPECT_EQ(form.WeaveList().Count(), 14);
    EXPECT_EQ(form.ResinList().Text(9), "User defined");
    EXPECT_EQ(form.FibreList().Text(6), "User defined");
    EXPECT_EQ(form.ResinList().SelectedText(), "ACG LTM 10");
    EXPECT_EQ(form.FibreList().SelectedText(), "E-Glass");
    EXPECT_EQ(form.WeaveList().SelectedText(), "Basket 2x2");
    EXPECT_EQ(form.ElasticModelList().SelectedText(), "CCA");
    EXPECT_EQ(form.ThermalModelList().SelectedText(), "CCA");
    EXPECT_EQ(TextsOf(form.ModelTypeList()),
              (std::vector<std::string>{"Iso-stress model", "Iso-strain model"}));
    EXPECT_EQ(form.ModelTypeList().Selection(), 0);
    for (CNumberField* field :
         {&form.FibreVolumeField(), &form.WarpAngleField(), &form.FillAngleField(),
          &form.WarpCountField(), &form.FillCountField(), &form.ArealDensityField()}) {
        EXPECT_EQ(field->Text(), "0");
    }
    EXPECT_EQ(form.CurrentCase(), CMainDialog::kFabricCase);
    EXPECT_EQ(form.CaseButtons().Selection(), 0);
    EXPECT_EQ(form.CalculationMethod(), 0);
    EXPECT_TRUE(form.WeaveList().IsVisible());
    EXPECT_TRUE(form.ModelTypeList().IsVisible());
    EXPECT_FALSE(form.ElasticModelList().IsVisible());
    EXPECT_FALSE(form.micromechanicalGroup.IsVisible());
    EXPECT_TRUE(form.FormatButtons().IsEnabled());
    EXPECT_EQ(form.FormatButtons().Selection(), 0);
    EXPECT_FALSE(form.MethodButtons().IsEnabled());
    EXPECT_EQ(form.MethodButtons().Selection(), 0);
    EXPECT_TRUE(form.calculateButton.IsDefault());
    EXPECT_FALSE(form.UserMaterials().FileFound());
    EXPECT_TRUE(windowSystem.messages.empty());
}

TEST_F(MainFormTest, CaseAndFormatButtonsApplyTheLayoutRules) {
    CMainDialog& form = Open();
    form.ChooseABDProperties();
    EXPECT_TRUE(form.MethodButtons().IsEnabled());
    form.ChooseFiniteElementsMethod();
    EXPECT_EQ(form.MethodButtons().Selection(), 1);

    form.ChooseUDCase();
    EXPECT_EQ(form.CurrentResultsFormat(), CMainDialog::k3DProperties);
    EXPECT_EQ(form.FormatButtons().Selection(), 0);
    EXPECT_FALSE(form.FormatButtons().IsEnabled());
    EXPECT_FALSE(form.WeaveList().IsVisible());
    EXPECT_FALSE(form.MethodButtons().IsVisible());
    EXPECT_FALSE(form.WarpAngleField().IsVisible());
    EXPECT_TRUE(form.FibreVolumeField().IsVisible());
    EXPECT_TRUE(form.ElasticModelList().IsVisible());
    EXPECT_TRUE(form.thermalModelLabel.IsVisible());
    form.ChooseABDProperties();  // disabled: nothing happens
    EXPECT_EQ(form.CurrentResultsFormat(), CMainDialog::k3DProperties);

    form.ChooseRandomMatCase();
    EXPECT_EQ(form.CurrentCase(), CMainDialog::kRandomMatCase);
    EXPECT_EQ(form.CaseButtons().Selection(), 1);
    EXPECT_FALSE(form.FormatButtons().IsEnabled());
    EXPECT_EQ(form.FormatButtons().Selection(), 0);
    EXPECT_TRUE(form.ElasticModelList().IsVisible());

    form.ChooseFabricCase();
    EXPECT_TRUE(form.FormatButtons().IsEnabled());
    EXPECT_FALSE(form.MethodButtons().IsEnabled());
    EXPECT_EQ(form.MethodButtons().Selection(), 0);
    EXPECT_EQ(form.CalculationMethod(), 0);
    EXPECT_TRUE(form.WeaveList().IsVisible());
    EXPECT_FALSE(form.ThermalModelList().IsVisible());

    form.ChooseABDProperties();
    form.ChooseFiniteElementsMethod();
    form.Choose3DProperties();
    EXPECT_EQ(form.MethodButtons().Selection(), 0);
    EXPECT_FALSE(form.MethodButtons().IsEnabled());
}

TEST_F(MainFormTest, RefusesVolumeFractionsOutsideTheOpenRange) {
    struct Row {
        const char* text;
        bool accepted;
    };
    const Row rows[] = {{"0", false},   {"100", false},   {"-5", false},    {"nan", false},
                        {"inf", false}, {"1e999", false}, {"0.0001", true}, {"99.9999", true}};
    CMainDialog& form = Open();
    form.ChooseUDCase();
    for (const Row& row : rows) {
        calls.clear();
        windowSystem.messages.clear();
        form.FibreVolumeField().SetText(row.text);
        form.Calculate();
        EXPECT_EQ(calls.size(), row.accepted ? 1u : 0u) << row.text;
        if (!row.accepted) {
            EXPECT_EQ(windowSystem.messages,
                      (std::vector<Message>{
                          {kBadVolume, "Plycalc", MessageIcon::None, MessageButtons::Ok}}))
                << row.text;
        }
        // The refused field takes the focus, once.
        EXPECT_EQ(form.TakeFocusRequest(), row.accepted ? nullptr : &form.FibreVolumeField())
            << row.text;
        EXPECT_EQ(form.TakeFocusRequest(), nullptr);
    }
}

TEST_F(MainFormTest, AnUnreadableFieldStopsTheCalculationOnlyWhenTheCaseUsesIt) {
    CMainDialog& form = Open();
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("sixty");
    form.Calculate();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(windowSystem.MessageTexts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(form.FailedControl(), &form.FibreVolumeField());

    // Hidden fabric fields, however wrong, do not block a UD calculation.
    windowSystem.messages.clear();
    form.FibreVolumeField().SetText("60");
    form.WarpCountField().SetText("many");
    form.FillAngleField().SetText("");
    form.Calculate();
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_TRUE(windowSystem.messages.empty());

    // In the fabric case the same text stops it.
    calls.clear();
    form.ChooseFabricCase();
    form.Calculate();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(windowSystem.MessageTexts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(form.FailedControl(), &form.WarpCountField());
}

TEST_F(MainFormTest, ChecksTheFabricDataBeforeCallingTheLibrary) {
    struct Row {
        const char* field;
        const char* text;
        const char* focused;  // the field the refusal sends the user to
    };
    // Each row spoils one of the otherwise valid inputs of TypeFabric. Parallel yarns are the
    // fill angle's fault, whichever angle was typed last.
    const Row rows[] = {
        {"warpCount", "0", "warpCount"},    {"warpCount", "-1000", "warpCount"},
        {"warpCount", "inf", "warpCount"},  {"fillCount", "0", "fillCount"},
        {"fillCount", "nan", "fillCount"},  {"density", "0", "density"},
        {"density", "-0.3", "density"},     {"density", "1e999", "density"},
        {"fillAngle", "0", "fillAngle"},    {"fillAngle", "180", "fillAngle"},
        {"fillAngle", "-360", "fillAngle"}, {"fillAngle", "nan", "fillAngle"},
        {"warpAngle", "inf", "warpAngle"},  {"warpAngle", "90", "fillAngle"},
        {"warpAngle", "-270", "fillAngle"},
    };
    CMainDialog& form = Open();
    auto fieldNamed = [&](const std::string& name) -> CNumberField& {
        if (name == "warpCount")
            return form.WarpCountField();
        if (name == "fillCount")
            return form.FillCountField();
        if (name == "density")
            return form.ArealDensityField();
        if (name == "fillAngle")
            return form.FillAngleField();
        return form.WarpAngleField();
    };
    for (const Row& row : rows) {
        windowSystem.messages.clear();
        TypeFabric(form);
        fieldNamed(row.field).SetText(row.text);
        form.Calculate();
        EXPECT_TRUE(calls.empty()) << row.field << " " << row.text;
        EXPECT_EQ(windowSystem.MessageTexts(), std::vector<std::string>{kBadFabric})
            << row.field << " " << row.text;
        EXPECT_EQ(form.FailedControl(), &fieldNamed(row.focused)) << row.field << " " << row.text;
    }
    // The first offending field in the form's order, top to bottom.
    TypeFabric(form);
    form.ArealDensityField().SetText("0");
    form.FillCountField().SetText("-1");
    form.FillAngleField().SetText("0");
    form.Calculate();
    EXPECT_EQ(form.FailedControl(), &form.FillCountField());

    // The volume fraction is checked first.
    windowSystem.messages.clear();
    TypeFabric(form, "0");
    form.WarpCountField().SetText("0");
    form.Calculate();
    EXPECT_EQ(windowSystem.MessageTexts(), std::vector<std::string>{kBadVolume});
    EXPECT_EQ(form.FailedControl(), &form.FibreVolumeField());

    windowSystem.messages.clear();
    TypeFabric(form);
    form.FillAngleField().SetText("45");
    form.Calculate();
    EXPECT_EQ(calls.size(), 1u);
}

// Yarns within a millionth of a degree of parallel leave no crossing: refused before the library
// is called, as exactly parallel ones are.
TEST_F(MainFormTest, NearlyParallelYarnsAreRefusedAsParallel) {
    CMainDialog& form = Open();
    for (const char* fill : {"1e-323", "180.00000000000003", "-179.9999999", "360.0000009"}) {
        windowSystem.messages.clear();
        TypeFabric(form);
        form.FillAngleField().SetText(fill);
        form.Calculate();
        EXPECT_TRUE(calls.empty()) << fill;
        EXPECT_EQ(windowSystem.MessageTexts(), std::vector<std::string>{kBadFabric}) << fill;
    }
    TypeFabric(form);
    form.FillAngleField().SetText("0.00001");
    form.Calculate();
    EXPECT_EQ(calls.size(), 1u) << "a hundred-thousandth of a degree is a crossing";
    EXPECT_TRUE(windowSystem.formsRun.empty() || windowSystem.formsRun.back() == "3D Results");
}

// Results that are not all finite numbers are refused like bad data: no result form, nothing to
// report.
TEST_F(MainFormTest, ResultsThatAreNotFiniteAreRefused) {
    CMainDialog& form = Open();
    TypeFabric(form);
    fabricResult = [](double* out) {
        for (int i = 0; i < 19; ++i) {
            out[i] = 1.0;
        }
        out[7] = std::numeric_limits<double>::quiet_NaN();
        return true;
    };
    form.Calculate();
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(windowSystem.MessageTexts(), std::vector<std::string>{kBadFabric});
    EXPECT_TRUE(windowSystem.formsRun.empty());
    EXPECT_EQ(form.TakeFocusRequest(), &form.FibreVolumeField());

    // So are fabrics the library refuses (a fraction the yarns cannot hold).
    windowSystem.messages.clear();
    fabricResult = [](double*) { return false; };
    form.Calculate();
    EXPECT_EQ(windowSystem.MessageTexts(), std::vector<std::string>{kBadFabric});
    EXPECT_EQ(form.TakeFocusRequest(), &form.FibreVolumeField());

    // A UD ply whose fibre has no transverse stiffness divides by zero.
    windowSystem.messages.clear();
    fabricResult = nullptr;
    form.ChooseUDCase();
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) {
        f.NameField().SetText("Hollow");
        f.E1Field().SetText("230");
        f.E2Field().SetText("0");
        f.G12Field().SetText("0");
        f.G23Field().SetText("0");
        f.DensityField().SetText("1750");
        f.PressCreate();
    });
    form.CreateFibre();
    form.FibreVolumeField().SetText("100e-300");
    form.Calculate();
    EXPECT_EQ(windowSystem.MessageTexts(),
              (std::vector<std::string>{"User-defined fibre created", kBadFabric}));
    EXPECT_EQ(form.FailedControl(), &form.FibreVolumeField());
}

// Ctrl+C copies a selection in an edit field and is the configuration's shortcut elsewhere.
TEST_F(MainFormTest, TheCopyKeyCopiesASelectionAndOtherwiseOpensTheConfiguration) {
    CMainDialog& form = Open();
    windowSystem.clipboard = "before";
    form.PressCopyKey("55.5");
    EXPECT_EQ(windowSystem.clipboard, "55.5");
    EXPECT_TRUE(windowSystem.formsRun.empty());

    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) { f.PressCancel(); });
    form.PressCopyKey("");
    EXPECT_EQ(windowSystem.formsRun, std::vector<std::string>{"CONFIGURATION"});
    EXPECT_EQ(windowSystem.clipboard, "55.5");
    const auto configuration =
        std::find_if(CMainDialog::Menu().begin(), CMainDialog::Menu().end(),
                     [](const MenuItem& item) { return std::string(item.shortcut) == "Ctrl+C"; });
    ASSERT_NE(configuration, CMainDialog::Menu().end());
    EXPECT_EQ(configuration->command, &CMainDialog::OpenConfiguration);
}

TEST_F(MainFormTest, PassesTheSelectedMaterialsAndModelsToTheUDAndRandomMatModels) {
    CMainDialog& form = Open();
    form.ChooseUDCase();
    Pick(form.ResinList(), "Hexcel RTM6");
    Pick(form.FibreList(), "Torayca J 300 JB");
    Pick(form.ElasticModelList(), "Halpin Tsai(Rect)");
    Pick(form.ThermalModelList(), "ChamberLain(Square)");
    form.FibreVolumeField().SetText("60");
    form.Calculate();
    form.ChooseRandomMatCase();
    Pick(form.ElasticModelList(), "Rule of Mixtures");
    Pick(form.ThermalModelList(), "Shapery");
    form.Calculate();

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, RecordedCall::kUD);
    EXPECT_EQ(calls[0].vf, 60 * 0.01);
    EXPECT_EQ(calls[0].resin, (std::vector<double>{2.89e9, 0.35, 7.33e-5}));
    EXPECT_EQ(calls[0].fibre,
              (std::vector<double>{231e9, 40e9, 24e9, 14.4e9, 0.26, -5e-7, 5.6e-6, 1750}));
    EXPECT_EQ(calls[0].elasticCode, 6);
    EXPECT_EQ(calls[0].thermalCode, 17);
    EXPECT_EQ(calls[1].kind, RecordedCall::kRandomMat);
    EXPECT_EQ(calls[1].elasticCode, 1);
    EXPECT_EQ(calls[1].thermalCode, 14);
    EXPECT_EQ(form.LastInputs().resinName, "Hexcel RTM6");
    EXPECT_EQ(form.LastInputs().thermalModelName, "Shapery");
}

TEST_F(MainFormTest, FillsTheWovenFabricArgumentsFromTheFormAndTheConfiguration) {
    CMainDialog& form = Open();
    TypeFabric(form);
    form.WarpAngleField().SetText("30");
    form.FillAngleField().SetText("-60");
    form.Calculate();
    form.ModelTypeList().Select(1);
    form.ChooseABDProperties();
    form.Calculate();
    form.ChooseFiniteElementsMethod();
    form.Calculate();

    ASSERT_EQ(calls.size(), 3u);
    const double pi = std::acos(-1.0);
    const RecordedCall& first = calls[0];
    EXPECT_EQ(first.kind, RecordedCall::kFabric);
    EXPECT_EQ(first.model, 0);
    EXPECT_FALSE(first.isoStrain);
    const CWeave* basket = form.Catalogue().FindWeave("Basket 2x2");
    EXPECT_EQ(
        first.weaveCells,
        std::vector<short>(basket->Pattern(), basket->Pattern() + basket->Cols() * basket->Rows()));
    EXPECT_EQ(first.gaussPoints, 8);
    EXPECT_EQ(first.vf, 0.5);
    EXPECT_EQ(first.fabric,
              (std::vector<double>{100 * 0.01, 100 * 0.01, 95 * 0.01, 85 * 0.01, 1000, 1200, 0.3}));
    EXPECT_EQ(first.fillAngle, (pi * -60.0) * 0.005555555555555556);
    EXPECT_EQ(first.warpAngle, (pi * 30.0) * 0.005555555555555556);
    EXPECT_EQ(first.cellFactors, (std::vector<double>{10.0, 5.0}));
    EXPECT_EQ(first.reductions, 0);
    EXPECT_EQ(first.resin,
              std::vector<double>(form.Catalogue().FindResin("ACG LTM 10")->Array(),
                                  form.Catalogue().FindResin("ACG LTM 10")->Array() + 3));
    EXPECT_EQ(calls[1].model, 1);
    EXPECT_TRUE(calls[1].isoStrain);
    EXPECT_EQ(calls[2].model, 2);
    EXPECT_TRUE(form.LastInputs().finiteElements);
    EXPECT_TRUE(form.LastInputs().isoStrain);
    EXPECT_EQ(form.LastInputs().weaveName, "Basket 2x2");
}

TEST_F(MainFormTest, DerivesTheCoarseningLevelFromTheAccuracySetting) {
    struct Row {
        const char* weave;
        int accuracy;
        int reductions;
    };
    // Basket 2x2 is an 8 x 8 pattern (three halvings), Basket 8x8 32 x 32 (five), Plain 4 x 4.
    const Row rows[] = {{"Basket 2x2", 0, 0},   {"Basket 2x2", 50, 1}, {"Basket 2x2", 55, 2},
                        {"Basket 2x2", 100, 3}, {"Basket 8x8", 10, 0}, {"Basket 8x8", 30, 1},
                        {"Basket 8x8", 40, 2},  {"Basket 8x8", 90, 4}, {"Plain", 80, 2},
                        {"Plain", 70, 1}};
    CMainDialog& form = Open();
    TypeFabric(form);
    for (const Row& row : rows) {
        calls.clear();
        windowSystem.QueueForm<CConfigurationDialog>([&](CConfigurationDialog& f) {
            f.AccuracySlider().SetPosition(row.accuracy);
            f.PressOK();
        });
        form.OpenConfiguration();
        Pick(form.WeaveList(), row.weave);
        form.Calculate();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].reductions, row.reductions) << row.weave << " " << row.accuracy;
    }
}

TEST_F(MainFormTest, ConfigurationChangesReachTheFabricArrayOnlyAfterOk) {
    CMainDialog& form = Open();
    TypeFabric(form);
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
        f.WarpUndulationSlider().SetPosition(40);
        f.GaussPointsSlider().SetPosition(3);
        f.PressCancel();
    });
    form.OpenConfiguration();
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
        f.FibreWidthSlider().SetPosition(70);
        f.GaussPointsSlider().SetPosition(11);
        f.PressOK();
    });
    form.OpenConfiguration();
    form.Calculate();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].fabric,
              (std::vector<double>{100 * 0.01, 100 * 0.01, 95 * 0.01, 70 * 0.01, 1000, 1200, 0.3}));
    EXPECT_EQ(calls[0].gaussPoints, 11);
    EXPECT_EQ(windowSystem.formsRun,
              (std::vector<std::string>{"CONFIGURATION", "CONFIGURATION", "3D Results"}));
}

TEST_F(MainFormTest, DisplayOptionsAndAboutOpenFromTheMenu) {
    CMainDialog& form = Open();
    windowSystem.QueueForm<CDisplayOptionsDialog>([](CDisplayOptionsDialog& f) {
        f.StepThermalMinimum(SpinDirection::Increasing);
        f.PressOK();
    });
    form.OpenDisplayOptions();
    windowSystem.QueueForm<CDisplayOptionsDialog>([](CDisplayOptionsDialog& f) {
        f.StepAbdMinimum(SpinDirection::Increasing);
        f.PressCancel();
    });
    form.OpenDisplayOptions();
    windowSystem.QueueForm<CAboutDialog>([](CAboutDialog& f) { f.PressOK(); });
    form.OpenAbout();
    EXPECT_EQ(form.DisplaySettings().abdMinimum, 1e-10);
    EXPECT_DOUBLE_EQ(form.DisplaySettings().thermalMinimum, 1e-14);
    EXPECT_EQ(windowSystem.formsRun,
              (std::vector<std::string>{"DISPLAY OPTIONS", "DISPLAY OPTIONS", "About Plycalc"}));
}

TEST_F(MainFormTest, TheUserDefinedEntryReachedWithoutItsFormMakesNoLibraryCall) {
    CMainDialog& form = Open();
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("60");
    Pick(form.ResinList(), "User defined");
    form.Calculate();
    EXPECT_EQ(windowSystem.MessageTexts(),
              std::vector<std::string>{"Please select a resin from the list."});
    Pick(form.ResinList(), "Steel");
    Pick(form.FibreList(), "User defined");
    form.Calculate();
    EXPECT_EQ(windowSystem.MessageTexts().back(), "Please select a fibre from the list.");
    EXPECT_TRUE(calls.empty());
}

TEST_F(MainFormTest, MenuItemsRunTheCommandsOfTheirNames) {
    CMainDialog& form = Open();
    auto run = [&](const std::string& item) {
        for (const MenuItem& entry : CMainDialog::Menu()) {
            if (entry.item == item) {
                (form.*entry.command)();
                return;
            }
        }
        ADD_FAILURE() << "no menu item " << item;
    };
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog&) {});
    run("&Configuration");
    windowSystem.QueueForm<CDisplayOptionsDialog>([](CDisplayOptionsDialog&) {});
    run("&Display");
    windowSystem.QueueForm<CResinDialog>([](CResinDialog&) {});
    run("&Resin");
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog&) {});
    run("&Fibre");
    windowSystem.QueueForm<CAboutDialog>([](CAboutDialog&) {});
    run("&About Plycalc...");
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("30");
    run("&Calculate");
    EXPECT_EQ(calls.size(), 1u);
    form.PressOK();  // Enter: the default button
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_TRUE(form.IsOpen());
    windowSystem.QueueAnswer(MessageAnswer::No);
    run("&Exit");
    EXPECT_FALSE(form.IsOpen());
    EXPECT_EQ(windowSystem.messages.back().caption, "EXIT");
    EXPECT_EQ(
        windowSystem.formsRun,
        (std::vector<std::string>{
            "CONFIGURATION", "DISPLAY OPTIONS", "User defined resin", "User defined material",
            "About Plycalc", "MicroMechanical Model Results", "MicroMechanical Model Results"}));
}

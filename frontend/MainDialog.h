#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "AboutDialog.h"
#include "CalculationInputs.h"
#include "Catalogue.h"
#include "ChartForm.h"
#include "ConfigurationDialog.h"
#include "Control.h"
#include "DisplayOptionsDialog.h"
#include "DropDownList.h"
#include "FabricCalculation.h"
#include "FibreDialog.h"
#include "Form.h"
#include "MaterialsDialog.h"
#include "NumberField.h"
#include "RadioGroup.h"
#include "Reports.h"
#include "ResinDialog.h"
#include "Results3DDialog.h"
#include "ResultsABDDialog.h"
#include "ResultsRandomDialog.h"
#include "ResultsUDDialog.h"
#include "UserMaterials.h"

struct CreationTexts;

// The library entry points as the main form calls them. The defaults are Weftcore's; a test may
// put recorders in their place to see exactly what the form passes. The form calls them from the
// thread the window system runs its work on (CCalculationJob).
struct WeftcoreEntryPoints {
    std::function<void(double, const double*, const double*, short, short, double*)> udMixel;
    std::function<void(double, const double*, const double*, short, short, double*)> rndProperties;
    WFProgressPropertiesFunction wfProperties;

    static WeftcoreEntryPoints Library();
};

class CMainDialog;

// One item of the main form's menu bar: the menu, the item (with '&' before the mnemonic), an
// optional keyboard shortcut and the command it runs.
struct MenuItem {
    const char* menu;
    const char* item;
    const char* shortcut;  // "" for none
    void (CMainDialog::*command)();
};

// The calculator's main form, "Plycalc": the whole front-end state of a run. It owns the
// built-in catalogue, the user's materials (loaded from the user file when the form first
// opens), the input fields, the settings forms and the creation forms. Calculate validates the
// inputs, calls the library entry point of the chosen case (UD ply, random mat or woven fabric)
// as work the window system runs (IWindowSystem::RunWork; a cancelled run leaves the form as it
// was), shows the result form and, on request, appends the report to the case's file in the
// working directory.
//
// Cases: 0 woven fabric, 1 random mat, 2 UD ply. Results format: 0 3D properties, 1 ABD
// matrices. Calculation method (fabric ABD only): 0 averaging, 1 finite elements, the index of
// the selected method button (-1, none, until the form first opens). The library's model number
// follows from format and method through FabricModelNumber.
//
// The menu bar (Menu()) maps onto the same commands as the buttons. "Exit" ends the form accepted
// when the user agreed to write the user file; the application object then saves. Closing the
// window or Escape is PressCancel(): without materials created in this run the form ends
// cancelled and nothing is saved; with them it asks the Exit question with Cancel added, which
// leaves the form open. A user file that could not be read at start-up is reported once when
// the form first opens, and then makes No the default answer of the Exit question.
class CMainDialog : public CForm {
public:
    enum Case { kFabricCase = 0, kRandomMatCase = 1, kUDCase = 2 };
    enum ResultsFormat { k3DProperties = 0, kABDProperties = 1 };
    enum CalculationMethod { kNoMethod = -1, kAverageMethod = 0, kFiniteElementsMethod = 1 };

    CMainDialog(IWindowSystem& windowSystem, std::string userFileName);

    // The menu bar, menus and items in display order.
    static const std::vector<MenuItem>& Menu();

    void SetEntryPoints(WeftcoreEntryPoints entryPoints) { entryPoints_ = std::move(entryPoints); }

    // Commands, named after what the user does.
    void ChooseFabricCase();
    void ChooseRandomMatCase();
    void ChooseUDCase();
    void Choose3DProperties();
    void ChooseABDProperties();
    void ChooseAverageMethod();
    void ChooseFiniteElementsMethod();
    void CloseUpResinList();
    void CloseUpFibreList();
    void CreateResin();
    void CreateFibre();
    // The "Materials" window: every material listed; user materials edited or deleted there
    // change the lists at once (a deleted selected entry gives way to the first entry, an edited
    // one stays selected).
    void OpenMaterials();
    void OpenConfiguration();
    void OpenDisplayOptions();
    void OpenModelReference();
    void OpenAbout();
    void Calculate();
    // The property chart of the case, materials and inputs, after the checks of Calculate.
    void OpenChart();
    void Exit();
    // Ctrl+C, with the text selected in the focused edit field ("" when none or no edit field has
    // the focus): copies a selection, as edit fields do everywhere; otherwise it is the menu's
    // shortcut for the configuration.
    void PressCopyKey(const std::string& selectedText);

    // State.
    int CurrentCase() const { return case_; }
    int CurrentResultsFormat() const { return resultsFormat_; }
    int CalculationMethod() const { return calculationMethod_; }
    const std::string& UserFileName() const { return userFileName_; }
    const CCatalogue& Catalogue() const { return catalogue_; }
    CUserMaterials& UserMaterials() { return userMaterials_; }
    const FabricConfiguration& Configuration() const { return configurationDialog_.Settings(); }
    const DisplayOptions& DisplaySettings() const { return displayOptionsDialog_.Options(); }
    // The inputs of the last calculation that reached the library.
    const CalculationInputs& LastInputs() const { return lastInputs_; }

    // Controls, top to bottom. Lists are selected directly (a user picking an entry); closing
    // the resin or fibre list is a command.
    CRadioGroup& CaseButtons() { return caseButtons_; }
    CDropDownList<const double*>& ResinList() { return resinList_; }
    CDropDownList<const double*>& FibreList() { return fibreList_; }
    CDropDownList<const CNamedWeave*>& WeaveList() { return weaveList_; }
    CNumberField& WarpCountField() { return warpCountField_; }
    CNumberField& FillCountField() { return fillCountField_; }
    CNumberField& ArealDensityField() { return arealDensityField_; }
    CDropDownList<short>& ElasticModelList() { return elasticModelList_; }
    CDropDownList<short>& ThermalModelList() { return thermalModelList_; }
    CNumberField& FibreVolumeField() { return fibreVolumeField_; }
    CNumberField& WarpAngleField() { return warpAngleField_; }
    CNumberField& FillAngleField() { return fillAngleField_; }
    CDropDownList<bool>& ModelTypeList() { return modelTypeList_; }
    CRadioGroup& FormatButtons() { return formatButtons_; }
    CRadioGroup& MethodButtons() { return methodButtons_; }

    CLabel caseGroup{"CASE"};
    CLabel materialGroup{"MATERIAL SELECTION"};
    CLabel resinLabel{"Select a resin"};
    CLabel fibreLabel{"Select a fibre material"};
    CLabel weaveGroup{"WEAVE PROPERTIES"};
    CLabel weaveLabel{"Select a weave"};
    CLabel warpCountLabel{"Enter the warp count"};
    CLabel warpCountUnit{"[1/m]"};
    CLabel fillCountLabel{"Enter the fill count"};
    CLabel fillCountUnit{"[1/m]"};
    CLabel arealDensityLabel{"Enter the areal density"};
    CLabel arealDensityUnit{"[Kg/m2]"};
    CLabel micromechanicalGroup{"MICROMECHANICAL MODEL"};
    CLabel elasticModelLabel{"Select model for elastic"};
    CLabel thermalModelLabel{"Select model for thermal"};
    CLabel fibreVolumeLabel{"Enter the fibre volume fraction"};
    CLabel fibreVolumeUnit{"[%]"};
    CLabel warpAngleLabel{"Enter the global warp yarn"};
    CLabel warpAngleUnit{"[degrees]"};
    CLabel fillAngleLabel{"Enter the global fill yarn"};
    CLabel fillAngleUnit{"[degrees]"};
    CLabel modelTypeLabel{"Model type"};
    CLabel formatGroup{"RESULTS FORMAT"};
    CLabel methodGroup{"CALCULATION METHOD"};
    CButton calculateButton{"Calculate", true};
    CButton chartButton{"Chart..."};
    CButton exitButton{"Exit"};

protected:
    void OnInitDialog() override;
    // Enter presses the default button, "Calculate"; only "Exit" ends the form accepted.
    void OnOK() override { Calculate(); }
    void OnCancel() override;
    void DoFieldExchange(CFieldExchange& exchange) override;

private:
    void FillLists();
    // Fills the resin and fibre lists again from the catalogue and the user's materials, keeping
    // each list's selected material selected, or selecting the first entry when it is gone.
    void RefreshMaterialLists();
    // The Exit question, or a plain close when there is none to ask; with `offerCancel` the
    // question has Cancel too, which leaves the form open.
    void AskExitQuestion(bool offerCancel);
    void ApplyCaseLayout();
    void ApplyMethodRule();
    // Reads the fields and checks the inputs as a calculation does, saying what is refused.
    bool CheckInputs();
    // Steps 4 to 7 of a calculation, once the inputs have passed their checks.
    void RunCalculation();
    // The chart's view of the form: the case, the selected materials and models, the inputs.
    ChartCase MakeChartCase(const double* resin, const double* fibre) const;
    // The fabric calculation the form's state asks for, on the selected materials.
    FabricRequest MakeFabricRequest(const double* resin, const double* fibre) const;
    void PresentPlyResults(const double* out);
    void PresentFabricResults(const FabricRequest& request, const double* out);
    // Shows a result form on its new record and, when the user leaves it through its output
    // button, appends the report of the displayed values.
    template <typename Form, typename Record, typename MakeReport>
    void ShowResults(Form& form, const Record& record, ReportKind kind, MakeReport makeReport);
    // Shows a refusal; the focus goes to the field `about` when there is one.
    void Refuse(const std::string& text, const CControl* about = nullptr);
    CNumberField& FabricField(FabricDataFault fault);
    template <typename Dialog, typename Records, typename IsBuiltin, typename Add>
    void RunCreation(Dialog& dialog, const Records& userRecords, IsBuiltin isBuiltin, Add add,
                     CDropDownList<const double*>& list, const CreationTexts& texts);

    WeftcoreEntryPoints entryPoints_;
    std::string userFileName_;
    bool initialised_ = false;

    int case_ = kFabricCase;
    int resultsFormat_ = k3DProperties;
    int calculationMethod_ = kNoMethod;
    double fibreVolumePercent_ = 0.0;
    double warpAngleDeg_ = 0.0;
    double fillAngleDeg_ = 0.0;
    double warpCount_ = 0.0;
    double fillCount_ = 0.0;
    double arealDensity_ = 0.0;
    CalculationInputs lastInputs_;

    CCatalogue catalogue_;
    CUserMaterials userMaterials_;
    CConfigurationDialog configurationDialog_;
    CDisplayOptionsDialog displayOptionsDialog_;
    CResinDialog resinDialog_;
    CFibreDialog fibreDialog_;
    CMaterialsDialog materialsDialog_;
    CAboutDialog aboutDialog_;
    CResultsUDDialog resultsUDDialog_;
    CResultsRandomDialog resultsRandomDialog_;
    CResults3DDialog results3DDialog_;
    CResultsABDDialog resultsABDDialog_;
    CChartForm chartForm_;

    CRadioGroup caseButtons_;
    CDropDownList<const double*> resinList_;
    CDropDownList<const double*> fibreList_;
    CDropDownList<const CNamedWeave*> weaveList_;
    CNumberField warpCountField_;
    CNumberField fillCountField_;
    CNumberField arealDensityField_;
    CDropDownList<short> elasticModelList_;
    CDropDownList<short> thermalModelList_;
    CNumberField fibreVolumeField_;
    CNumberField warpAngleField_;
    CNumberField fillAngleField_;
    CDropDownList<bool> modelTypeList_;
    CRadioGroup formatButtons_;
    CRadioGroup methodButtons_;
};

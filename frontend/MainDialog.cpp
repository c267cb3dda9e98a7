#include "MainDialog.h"

#include "DisplayOrder.h"
#include "MaterialText.h"
#include "ModelReference.h"

namespace {

// A material list's entries in the order they are added: built-in records, user records and the
// "User defined" entry, which carries no material.
template <typename Builtin, typename User>
std::vector<std::pair<std::string, const double*>> MaterialEntries(const Builtin& builtin,
                                                                   const User& user) {
    std::vector<std::pair<std::string, const double*>> entries;
    for (const auto& record : builtin) {
        entries.emplace_back(record.name, record.Array());
    }
    for (const auto& record : user) {
        entries.emplace_back(record.name, record.Array());
    }
    entries.emplace_back(kUserDefinedEntry, nullptr);
    return entries;
}

}  // namespace

WeftcoreEntryPoints WeftcoreEntryPoints::Library() {
    return WeftcoreEntryPoints{UDMixel, RNDProperties, WFPropertiesWithProgress};
}

CMainDialog::CMainDialog(IWindowSystem& windowSystem, std::string userFileName)
    : CForm(windowSystem, "Plycalc"),
      entryPoints_(WeftcoreEntryPoints::Library()),
      userFileName_(std::move(userFileName)),
      configurationDialog_(windowSystem),
      displayOptionsDialog_(windowSystem),
      resinDialog_(windowSystem),
      fibreDialog_(windowSystem),
      materialsDialog_(windowSystem, catalogue_, userMaterials_, resinDialog_, fibreDialog_),
      aboutDialog_(windowSystem),
      resultsUDDialog_(windowSystem),
      resultsRandomDialog_(windowSystem),
      results3DDialog_(windowSystem),
      resultsABDDialog_(windowSystem),
      chartForm_(windowSystem),
      caseButtons_({"Fabric\nModel", "Random Mat\n      Model", "  UD\nModel"}, true),
      resinList_(DisplayLess),
      fibreList_(DisplayLess),
      weaveList_(DisplayLess),
      elasticModelList_(DisplayLess),
      thermalModelList_(DisplayLess),
      formatButtons_({"3D Properties", "ABD Properties"}),
      methodButtons_({"Average", "Finite Elements"}) {
    materialsDialog_.SetChangeHandler([this] { RefreshMaterialLists(); });
}

const std::vector<MenuItem>& CMainDialog::Menu() {
    static const std::vector<MenuItem> menu = {
        {"&Action", "&Calculate", "", &CMainDialog::Calculate},
        {"&Action", "C&hart...", "", &CMainDialog::OpenChart},
        {"&Action", "&Exit", "", &CMainDialog::Exit},
        {"&Options", "&Configuration", "Ctrl+C", &CMainDialog::OpenConfiguration},
        {"&Options", "&Display", "", &CMainDialog::OpenDisplayOptions},
        {"&Create", "&Resin", "", &CMainDialog::CreateResin},
        {"&Create", "&Fibre", "", &CMainDialog::CreateFibre},
        {"&Create", "&Materials...", "", &CMainDialog::OpenMaterials},
        {"&Help", "&Model reference", "", &CMainDialog::OpenModelReference},
        {"&Help", "&About Plycalc...", "", &CMainDialog::OpenAbout},
    };
    return menu;
}

// The form is initialised when it first opens. The application shows it again after a save
// that failed; it then keeps everything the user had.
void CMainDialog::OnInitDialog() {
    if (initialised_) {
        return;
    }
    initialised_ = true;
    case_ = kFabricCase;
    caseButtons_.Select(kFabricCase);
    resultsFormat_ = k3DProperties;
    formatButtons_.Select(k3DProperties);
    calculationMethod_ = kAverageMethod;
    FillLists();
    UpdateData(false);
    ApplyCaseLayout();
    if (const std::string warning = userMaterials_.LoadWarning(userFileName_); !warning.empty()) {
        ShowMessage(Message{warning, kProgramCaption, MessageIcon::Exclamation});
    }
}

void CMainDialog::FillLists() {
    resinList_.Clear();
    fibreList_.Clear();
    weaveList_.Clear();
    elasticModelList_.Clear();
    thermalModelList_.Clear();
    modelTypeList_.Clear();
    for (const auto& weave : catalogue_.Weaves()) {
        weaveList_.AddEntry(weave->Name(), weave.get());
    }
    for (const ModelEntry& model : catalogue_.ElasticModels()) {
        elasticModelList_.AddEntry(model.name, model.code);
    }
    for (const ModelEntry& model : catalogue_.ThermalModels()) {
        thermalModelList_.AddEntry(model.name, model.code);
    }
    modelTypeList_.AddEntry("Iso-stress model", false);
    modelTypeList_.AddEntry("Iso-strain model", true);

    // Built-in materials, the user's (newest first) and the entry that creates one, added as
    // one after the other but sorted in one go: a user file may hold many thousands.
    userMaterials_.LoadUserMaterials(userFileName_);
    resinList_.AddEntries(MaterialEntries(catalogue_.Resins(), userMaterials_.Resins()));
    fibreList_.AddEntries(MaterialEntries(catalogue_.Fibres(), userMaterials_.Fibres()));

    for (CListControl* list : std::initializer_list<CListControl*>{
             &resinList_, &fibreList_, &weaveList_, &elasticModelList_, &thermalModelList_,
             &modelTypeList_}) {
        list->Select(0);
    }
}

// The variables in the order Calculate reads them.
void CMainDialog::DoFieldExchange(CFieldExchange& exchange) {
    exchange.Number(fibreVolumeField_, fibreVolumePercent_);
    exchange.Number(warpAngleField_, warpAngleDeg_);
    exchange.Number(warpCountField_, warpCount_);
    exchange.Number(arealDensityField_, arealDensity_);
    exchange.Number(fillCountField_, fillCount_);
    exchange.Number(fillAngleField_, fillAngleDeg_);
    exchange.Radio(methodButtons_, calculationMethod_);
}

// The fabric case shows the weave, its counts, density and yarn angles, the model type and the
// method; the random-mat and UD cases share one layout with the micromechanical model lists and
// 3D results only.
void CMainDialog::ApplyCaseLayout() {
    const bool fabric = case_ == kFabricCase;
    CControl* fabricOnly[] = {
        &weaveGroup,      &weaveLabel,        &weaveList_,         &warpCountLabel,
        &warpCountField_, &warpCountUnit,     &fillCountLabel,     &fillCountField_,
        &fillCountUnit,   &arealDensityLabel, &arealDensityField_, &arealDensityUnit,
        &warpAngleLabel,  &warpAngleField_,   &warpAngleUnit,      &fillAngleLabel,
        &fillAngleField_, &fillAngleUnit,     &modelTypeLabel,     &modelTypeList_,
        &methodGroup,     &methodButtons_,
    };
    CControl* micromechanicalOnly[] = {&micromechanicalGroup, &elasticModelLabel,
                                       &elasticModelList_, &thermalModelLabel, &thermalModelList_};
    for (CControl* control : fabricOnly) {
        control->Show(fabric);
    }
    for (CControl* control : micromechanicalOnly) {
        control->Show(!fabric);
    }
    if (fabric) {
        formatButtons_.Enable(true);
        ApplyMethodRule();
    } else {
        resultsFormat_ = k3DProperties;
        formatButtons_.Select(k3DProperties);
        formatButtons_.Enable(false);
    }
}

// Finite elements give ABD matrices only: with 3D results the method is averaging.
void CMainDialog::ApplyMethodRule() {
    if (resultsFormat_ == kABDProperties) {
        methodButtons_.Enable(true);
    } else {
        calculationMethod_ = kAverageMethod;
        methodButtons_.Select(kAverageMethod);
        methodButtons_.Enable(false);
    }
}

void CMainDialog::ChooseFabricCase() {
    case_ = kFabricCase;
    caseButtons_.Select(kFabricCase);
    ApplyCaseLayout();
}

void CMainDialog::ChooseRandomMatCase() {
    const int previous = case_;
    case_ = kRandomMatCase;
    caseButtons_.Select(kRandomMatCase);
    if (previous == kFabricCase) {
        ApplyCaseLayout();
    }
}

void CMainDialog::ChooseUDCase() {
    const int previous = case_;
    case_ = kUDCase;
    caseButtons_.Select(kUDCase);
    if (previous == kFabricCase) {
        ApplyCaseLayout();
    }
}

// The format and method buttons cannot be pressed while disabled.
void CMainDialog::Choose3DProperties() {
    if (!formatButtons_.IsEnabled()) {
        return;
    }
    resultsFormat_ = k3DProperties;
    formatButtons_.Select(k3DProperties);
    ApplyMethodRule();
}

void CMainDialog::ChooseABDProperties() {
    if (!formatButtons_.IsEnabled()) {
        return;
    }
    resultsFormat_ = kABDProperties;
    formatButtons_.Select(kABDProperties);
    ApplyMethodRule();
}

void CMainDialog::ChooseAverageMethod() {
    if (methodButtons_.IsEnabled() && methodButtons_.IsVisible()) {
        methodButtons_.Select(kAverageMethod);
    }
}

void CMainDialog::ChooseFiniteElementsMethod() {
    if (methodButtons_.IsEnabled() && methodButtons_.IsVisible()) {
        methodButtons_.Select(kFiniteElementsMethod);
    }
}

// The "User defined" entry is the one without a material.
void CMainDialog::CloseUpResinList() {
    const double* const* material = resinList_.SelectedReference();
    if (material != nullptr && *material == nullptr) {
        CreateResin();
    }
}

void CMainDialog::CloseUpFibreList() {
    const double* const* material = fibreList_.SelectedReference();
    if (material != nullptr && *material == nullptr) {
        CreateFibre();
    }
}

// The messages of one kind of material creation.
struct CreationTexts {
    const char* duplicateName;
    const char* duplicateCaption;
    const char* created;
};

namespace {

const CreationTexts kResinTexts = {kDuplicateResinName, kDuplicateResinCaption,
                                   "User-defined resin created"};
const CreationTexts kFibreTexts = {kDuplicateFibreName, kDuplicateFibreCaption,
                                   "User-defined fibre created"};

}  // namespace

// The creation form runs until it creates a material under a new name or is cancelled. A name
// already used by a built-in or user material of the same kind reopens the form on what the user
// typed. The new material goes to the head of the user list and into the main form's list,
// selected.
template <typename Dialog, typename Records, typename IsBuiltin, typename Add>
void CMainDialog::RunCreation(Dialog& dialog, const Records& userRecords, IsBuiltin isBuiltin,
                              Add add, CDropDownList<const double*>& list,
                              const CreationTexts& texts) {
    dialog.Preset();
    for (;;) {
        if (RunChild(dialog) != FormResult::Accepted) {
            list.Select(0);
            return;
        }
        auto record = dialog.MakeRecord();
        bool taken = isBuiltin(record.name);
        for (const auto& existing : userRecords) {
            taken = taken || existing.name == record.name;
        }
        if (!taken) {
            const auto& added = add(std::move(record));
            list.Select(list.AddEntry(added.name, added.Array()));
            ShowMessage(Message{texts.created, kProgramCaption, MessageIcon::Information});
            return;
        }
        ShowMessage(Message{texts.duplicateName, texts.duplicateCaption, MessageIcon::Exclamation});
    }
}

void CMainDialog::CreateResin() {
    RunCreation(
        resinDialog_, userMaterials_.Resins(),
        [&](const std::string& name) { return catalogue_.FindResin(name) != nullptr; },
        [&](ResinRecord record) -> const ResinRecord& {
            return userMaterials_.AddResin(std::move(record));
        },
        resinList_, kResinTexts);
}

void CMainDialog::CreateFibre() {
    RunCreation(
        fibreDialog_, userMaterials_.Fibres(),
        [&](const std::string& name) { return catalogue_.FindFibre(name) != nullptr; },
        [&](FibreRecord record) -> const FibreRecord& {
            return userMaterials_.AddFibre(std::move(record));
        },
        fibreList_, kFibreTexts);
}

void CMainDialog::OpenMaterials() {
    RunChild(materialsDialog_);
}

// A material is recognised by its property array, which an edit leaves where it was. The array
// of a deleted material is only compared, never read: no record has been made since it went.
void CMainDialog::RefreshMaterialLists() {
    auto refill = [](CDropDownList<const double*>& list, auto entries) {
        const double* const* selected = list.SelectedReference();
        const double* material = selected != nullptr ? *selected : nullptr;
        list.Clear();
        list.AddEntries(std::move(entries));
        list.Select(0);
        for (int i = 0; material != nullptr && i < list.Count(); ++i) {
            if (list.ReferenceAt(i) == material) {
                list.Select(i);
            }
        }
    };
    refill(resinList_, MaterialEntries(catalogue_.Resins(), userMaterials_.Resins()));
    refill(fibreList_, MaterialEntries(catalogue_.Fibres(), userMaterials_.Fibres()));
}

void CMainDialog::OpenConfiguration() {
    RunChild(configurationDialog_);
}

void CMainDialog::OpenDisplayOptions() {
    RunChild(displayOptionsDialog_);
}

void CMainDialog::OpenModelReference() {
    WindowSystem().ShowDocument(kModelReferenceTitle, ModelReferenceMarkdown());
}

void CMainDialog::OpenAbout() {
    RunChild(aboutDialog_);
}

// Leaving through "Exit" writes the user file only when the user agrees; the application
// object saves once this form has ended accepted. No question: the form ends cancelled.
void CMainDialog::Exit() {
    AskExitQuestion(false);
}

// The close box and Escape would lose the materials created, edited or deleted in this run
// without a word.
void CMainDialog::OnCancel() {
    if (!userMaterials_.NewMaterialsCreated() && !userMaterials_.MaterialsChanged()) {
        EndDialog(FormResult::Cancelled);
        return;
    }
    AskExitQuestion(true);
}

void CMainDialog::AskExitQuestion(bool offerCancel) {
    std::optional<std::string> question = userMaterials_.ExitQuestion();
    if (!question) {
        EndDialog(FormResult::Cancelled);
        return;
    }
    Message message{*question, kExitCaption, MessageIcon::Question,
                    offerCancel ? MessageButtons::YesNoCancel : MessageButtons::YesNo};
    // After a failed load a save replaces a file that may still hold materials: a hasty Enter
    // should not.
    if (userMaterials_.LoadFailed()) {
        message.defaultButton = MessageAnswer::No;
    }
    const MessageAnswer answer = ShowMessage(message);
    if (answer == MessageAnswer::Cancel) {
        return;
    }
    if (answer != MessageAnswer::Yes) {
        EndDialog(FormResult::Cancelled);
    } else if (UpdateData(true)) {
        EndDialog(FormResult::Accepted);
    }
}

void CMainDialog::PressCopyKey(const std::string& selectedText) {
    if (selectedText.empty()) {
        OpenConfiguration();
    } else {
        WindowSystem().SetClipboardText(selectedText);
    }
}

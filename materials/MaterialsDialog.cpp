#include "MaterialsDialog.h"

#include <forward_list>

#include "MaterialText.h"
#include "NumberFormat.h"

namespace {

const char* const kBuiltinUserCell = "(built-in)";

// A property as the creation form shows it, in the form's unit.
std::string Cell(double value) {
    return FormatGeneral(value, kFieldDigits);
}

std::string Header(const CLabel& label, const CLabel& unit) {
    return label.Text() + " " + unit.Text();
}

std::vector<std::string> ResinHeaders(const CResinDialog& form) {
    return {"Name",
            Header(form.eLabel, form.eUnit),
            Header(form.nuLabel, form.nuUnit),
            Header(form.alphaLabel, form.alphaUnit),
            "User",
            "Date"};
}

std::vector<std::string> FibreHeaders(const CFibreDialog& form) {
    return {"Name",
            Header(form.e1Label, form.modulusUnit),
            Header(form.e2Label, form.modulusUnit),
            Header(form.g12Label, form.modulusUnit),
            Header(form.g23Label, form.modulusUnit),
            Header(form.nu12Label, form.nu12Unit),
            Header(form.alpha1Label, form.alphaUnit),
            Header(form.alpha2Label, form.alphaUnit),
            Header(form.densityLabel, form.densityUnit),
            "User",
            "Date"};
}

// Moduli in GPa and expansion coefficients in ppm/K, as the creation forms take them.
CTable::Row ResinRow(const ResinRecord& resin, bool builtin) {
    return {{resin.name, Cell(resin.E() * 1e-9), Cell(resin.Nu()), Cell(resin.Alpha() * 1e6),
             builtin ? kBuiltinUserCell : resin.user, builtin ? "" : resin.date},
            builtin};
}

CTable::Row FibreRow(const FibreRecord& fibre, bool builtin) {
    return {{fibre.name, Cell(fibre.E1() * 1e-9), Cell(fibre.E2() * 1e-9), Cell(fibre.G12() * 1e-9),
             Cell(fibre.G23() * 1e-9), Cell(fibre.Nu12()), Cell(fibre.Alpha1() * 1e6),
             Cell(fibre.Alpha2() * 1e6), Cell(fibre.Density()),
             builtin ? kBuiltinUserCell : fibre.user, builtin ? "" : fibre.date},
            builtin};
}

template <typename Record>
bool SameRecord(const Record& a, const Record& b) {
    return a.name == b.name && a.user == b.user && a.date == b.date && a.properties == b.properties;
}

// Runs the creation form on a user record until the user saves it under a name that no other
// material of its kind has (built-in or user; names compare exactly, as at a creation) or
// cancels. True with `edited` when saved.
template <typename Dialog, typename Record>
bool RunEdit(IWindowSystem& windowSystem, Dialog& dialog, const Record& record,
             const std::vector<Record>& builtins, const std::forward_list<Record>& users,
             const Message& duplicate, Record& edited) {
    dialog.Preset(record);
    for (;;) {
        if (windowSystem.RunModal(dialog) != FormResult::Accepted) {
            return false;
        }
        edited = dialog.MakeRecord();
        bool taken = false;
        for (const Record& other : builtins) {
            taken = taken || other.name == edited.name;
        }
        for (const Record& other : users) {
            taken = taken || (&other != &record && other.name == edited.name);
        }
        if (!taken) {
            return true;
        }
        windowSystem.ShowMessage(duplicate);
    }
}

}  // namespace

CMaterialsDialog::CMaterialsDialog(IWindowSystem& windowSystem, const CCatalogue& catalogue,
                                   CUserMaterials& userMaterials, CResinDialog& resinDialog,
                                   CFibreDialog& fibreDialog)
    : CForm(windowSystem, "Materials"),
      catalogue_(catalogue),
      userMaterials_(userMaterials),
      resinDialog_(resinDialog),
      fibreDialog_(fibreDialog),
      resinTable_(ResinHeaders(resinDialog)),
      fibreTable_(FibreHeaders(fibreDialog)) {}

void CMaterialsDialog::OnInitDialog() {
    FillTables();
    ApplySelectionRule();
}

void CMaterialsDialog::FillTables() {
    std::vector<CTable::Row> rows;
    userResins_.clear();
    for (const ResinRecord& resin : catalogue_.Resins()) {
        rows.push_back(ResinRow(resin, true));
    }
    for (const ResinRecord& resin : userMaterials_.Resins()) {
        rows.push_back(ResinRow(resin, false));
        userResins_.push_back(&resin);
    }
    resinTable_.SetRows(std::move(rows));

    rows.clear();
    userFibres_.clear();
    for (const FibreRecord& fibre : catalogue_.Fibres()) {
        rows.push_back(FibreRow(fibre, true));
    }
    for (const FibreRecord& fibre : userMaterials_.Fibres()) {
        rows.push_back(FibreRow(fibre, false));
        userFibres_.push_back(&fibre);
    }
    fibreTable_.SetRows(std::move(rows));
}

const ResinRecord* CMaterialsDialog::UserResinAt(int row) const {
    const int index = row - static_cast<int>(catalogue_.Resins().size());
    return index >= 0 && index < static_cast<int>(userResins_.size()) ? userResins_[index]
                                                                      : nullptr;
}

const FibreRecord* CMaterialsDialog::UserFibreAt(int row) const {
    const int index = row - static_cast<int>(catalogue_.Fibres().size());
    return index >= 0 && index < static_cast<int>(userFibres_.size()) ? userFibres_[index]
                                                                      : nullptr;
}

void CMaterialsDialog::SelectResin(int row) {
    resinTable_.Select(row);
    fibreTable_.Select(-1);
    ApplySelectionRule();
}

void CMaterialsDialog::SelectFibre(int row) {
    fibreTable_.Select(row);
    resinTable_.Select(-1);
    ApplySelectionRule();
}

bool CMaterialsDialog::BuiltinSelected() const {
    const int resin = resinTable_.Selection();
    const int fibre = fibreTable_.Selection();
    return (resin >= 0 && UserResinAt(resin) == nullptr) ||
           (fibre >= 0 && UserFibreAt(fibre) == nullptr);
}

void CMaterialsDialog::ApplySelectionRule() {
    const bool userSelected = UserResinAt(resinTable_.Selection()) != nullptr ||
                              UserFibreAt(fibreTable_.Selection()) != nullptr;
    editButton.Enable(userSelected);
    deleteButton.Enable(userSelected);
    if (BuiltinSelected()) {
        selectionNote.SetText(kBuiltinRefusal);
    } else if (!userSelected) {
        selectionNote.SetText("Select a user-defined material to edit or delete it.");
    } else {
        selectionNote.SetText("");
    }
}

bool CMaterialsDialog::RefuseBuiltin() {
    if (!BuiltinSelected()) {
        return false;
    }
    ShowMessage(Message{kBuiltinRefusal, kMaterialsCaption, MessageIcon::Exclamation});
    return true;
}

void CMaterialsDialog::Changed() {
    if (changeHandler_) {
        changeHandler_();
    }
}

// An edited record keeps its place in its list, and so its row, which stays selected.
void CMaterialsDialog::EditSelected() {
    if (RefuseBuiltin()) {
        return;
    }
    const int resinRow = resinTable_.Selection();
    const int fibreRow = fibreTable_.Selection();
    bool changed = false;
    if (const ResinRecord* resin = UserResinAt(resinRow)) {
        ResinRecord edited;
        if (RunEdit(WindowSystem(), resinDialog_, *resin, catalogue_.Resins(),
                    userMaterials_.Resins(),
                    Message{kDuplicateResinName, kDuplicateResinCaption, MessageIcon::Exclamation},
                    edited) &&
            !SameRecord(edited, *resin)) {
            changed = userMaterials_.UpdateResin(*resin, std::move(edited));
        }
    } else if (const FibreRecord* fibre = UserFibreAt(fibreRow)) {
        FibreRecord edited;
        if (RunEdit(WindowSystem(), fibreDialog_, *fibre, catalogue_.Fibres(),
                    userMaterials_.Fibres(),
                    Message{kDuplicateFibreName, kDuplicateFibreCaption, MessageIcon::Exclamation},
                    edited) &&
            !SameRecord(edited, *fibre)) {
            changed = userMaterials_.UpdateFibre(*fibre, std::move(edited));
        }
    }
    if (!changed) {
        return;
    }
    FillTables();
    if (resinRow >= 0) {
        resinTable_.Select(resinRow);
    } else {
        fibreTable_.Select(fibreRow);
    }
    ApplySelectionRule();
    Changed();
}

// The record goes at once: the tables and the main form's lists lose it, and the file at a
// confirmed Exit.
void CMaterialsDialog::DeleteSelected() {
    if (RefuseBuiltin()) {
        return;
    }
    const ResinRecord* resin = UserResinAt(resinTable_.Selection());
    const FibreRecord* fibre = UserFibreAt(fibreTable_.Selection());
    if (resin == nullptr && fibre == nullptr) {
        return;
    }
    const std::string question = resin != nullptr
                                     ? "Delete the user-defined resin \"" + resin->name + "\"?"
                                     : "Delete the user-defined fibre \"" + fibre->name + "\"?";
    const Message ask{question, resin != nullptr ? "DELETE RESIN" : "DELETE FIBRE",
                      MessageIcon::Question, MessageButtons::YesNo};
    if (ShowMessage(ask) != MessageAnswer::Yes) {
        return;
    }
    const bool removed =
        resin != nullptr ? userMaterials_.RemoveResin(*resin) : userMaterials_.RemoveFibre(*fibre);
    if (!removed) {
        return;
    }
    FillTables();
    ApplySelectionRule();
    Changed();
}

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "Control.h"
#include "FibreDialog.h"
#include "Form.h"
#include "ResinDialog.h"
#include "TableControl.h"
#include "UserMaterials.h"

// The "Materials" form: every resin and every fibre the lists offer, one table each, built-in
// entries first (catalogue order), then the user's (their list's order, newest first, as the
// file keeps them). A row shows the name, every property in the creation form's units (GPa,
// ppm/K, Kg/m3; the unit in the column's header) with the creation form's 15 significant
// digits, and who entered the material and when; a built-in row says "(built-in)" and is fixed.
//
// One row is selected at a time, in either table. A user material can be edited, through its
// creation form filled with its values (the checks of a creation, a name another material of its
// kind has refused as a creation refuses it), or deleted after a Yes to a question. Built-in
// materials cannot be either: "Edit..." and "Delete" are disabled on them and the commands
// refuse them with a message. The form refers to the catalogue, the user's materials and the
// creation forms it is given, which must outlive it; after every edit or deletion it calls the
// change handler, through which the main form brings its lists up to date.
class CMaterialsDialog : public CForm {
public:
    CMaterialsDialog(IWindowSystem& windowSystem, const CCatalogue& catalogue,
                     CUserMaterials& userMaterials, CResinDialog& resinDialog,
                     CFibreDialog& fibreDialog);

    void SetChangeHandler(std::function<void()> handler) { changeHandler_ = std::move(handler); }

    // Commands. Selecting a row of one table clears the other's selection; a row outside the
    // table selects nothing.
    void SelectResin(int row);
    void SelectFibre(int row);
    void EditSelected();
    void DeleteSelected();
    void PressClose() { PressOK(); }

    CTable& ResinTable() { return resinTable_; }
    CTable& FibreTable() { return fibreTable_; }
    // The user's record of a row, or nullptr for a built-in row or a row outside the table.
    const ResinRecord* UserResinAt(int row) const;
    const FibreRecord* UserFibreAt(int row) const;

    const CLabel resinsGroup{"Resins"};
    const CLabel fibresGroup{"Fibres"};
    // What can be done with the selected row.
    CLabel selectionNote;
    CButton editButton{"Edit..."};
    CButton deleteButton{"Delete"};
    const CButton closeButton{"Close", true};

protected:
    void OnInitDialog() override;
    void OnOK() override { EndDialog(FormResult::Accepted); }

private:
    // Shows the catalogue's and the user's materials again; the selection is cleared.
    void FillTables();
    // Enables "Edit..." and "Delete" for a user row and words the note.
    void ApplySelectionRule();
    bool BuiltinSelected() const;
    // Refuses a command on a built-in row; true when it did.
    bool RefuseBuiltin();
    void Changed();

    const CCatalogue& catalogue_;
    CUserMaterials& userMaterials_;
    CResinDialog& resinDialog_;
    CFibreDialog& fibreDialog_;
    std::function<void()> changeHandler_;
    CTable resinTable_;
    CTable fibreTable_;
    // The user records of the tables' rows after the built-in ones, in row order.
    std::vector<const ResinRecord*> userResins_;
    std::vector<const FibreRecord*> userFibres_;
};

inline constexpr const char* kMaterialsCaption = "MATERIALS";
inline constexpr const char* kBuiltinRefusal = "Built-in materials cannot be edited or deleted.";

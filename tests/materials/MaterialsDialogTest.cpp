// The materials window on its own: what it lists, and editing and deleting user materials
// through it, with a scripted user.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Catalogue.h"
#include "MaterialText.h"
#include "MaterialsDialog.h"
#include "controls/ScriptedWindowSystem.h"

namespace {

using Cells = std::vector<std::string>;

// A catalogue, two user resins and a user fibre (the newest first in their lists), the creation
// forms and a materials window over them, and a count of the window's change calls.
class MaterialsWindow : public ::testing::Test {
protected:
    MaterialsWindow() {
        materials.AddResin(ResinRecord{"Polyester", "Ann", "02/03/2024", {3.5e9, 0.38, 8e-5}});
        materials.AddResin(ResinRecord{"Vinyl ester", "Bob", "05/06/2025", {3.4e9, 0.35, 6.5e-5}});
        materials.AddFibre(FibreRecord{
            "Basalt", "Cy", "07/08/2026", {89e9, 89e9, 21.7e9, 21.7e9, 0.26, 8e-6, 8e-6, 2700}});
        dialog.SetChangeHandler([this] { ++changes; });
    }

    // What the user does in the window; the forms it opens are scripted after it, in the order
    // they open, and Open() then runs the window.
    void Queue(std::function<void(CMaterialsDialog&)> script) {
        windowSystem.QueueForm<CMaterialsDialog>(std::move(script));
    }
    void Open() { windowSystem.RunModal(dialog); }
    void Run(std::function<void(CMaterialsDialog&)> script) {
        Queue(std::move(script));
        Open();
    }

    int BuiltinResins() const { return static_cast<int>(catalogue.Resins().size()); }
    int BuiltinFibres() const { return static_cast<int>(catalogue.Fibres().size()); }

    CScriptedWindowSystem windowSystem;
    CCatalogue catalogue;
    CUserMaterials materials;
    CResinDialog resinDialog{windowSystem};
    CFibreDialog fibreDialog{windowSystem};
    CMaterialsDialog dialog{windowSystem, catalogue, materials, resinDialog, fibreDialog};
    int changes = 0;
};

const Message kBuiltinMessage{"Built-in materials cannot be edited or deleted.", "MATERIALS",
                              MessageIcon::Exclamation};

}  // namespace

TEST_F(MaterialsWindow, ListsBuiltinThenUserMaterialsWithEveryPropertyInItsUnit) {
    Run([&](CMaterialsDialog& f) {
        EXPECT_EQ(f.Title(), "Materials");
        const CTable& resins = f.ResinTable();
        EXPECT_EQ(resins.Headers(),
                  (Cells{"Name", "E [GPa]", "\u03bd []", "\u03b1 [ppm/K]", "User", "Date"}));
        ASSERT_EQ(resins.RowCount(), BuiltinResins() + 2);
        EXPECT_EQ(resins.RowAt(0).cells, (Cells{"GE PEI", "2.96", "0.35", "56", "(built-in)", ""}));
        EXPECT_TRUE(resins.RowAt(0).fixed);
        for (int row = 0; row < BuiltinResins(); ++row) {
            EXPECT_EQ(resins.Cell(row, 0), catalogue.Resins()[row].name);
        }
        // The user's, newest first, with who entered them and when.
        EXPECT_EQ(resins.RowAt(BuiltinResins()).cells,
                  (Cells{"Vinyl ester", "3.4", "0.35", "65", "Bob", "05/06/2025"}));
        EXPECT_FALSE(resins.RowAt(BuiltinResins()).fixed);
        EXPECT_EQ(resins.Cell(BuiltinResins() + 1, 0), "Polyester");

        const CTable& fibres = f.FibreTable();
        EXPECT_EQ(fibres.Headers(),
                  (Cells{"Name", "E1 [GPa]", "E2 [GPa]", "G12 [GPa]", "G23 [GPa]", "\u03bd12 []",
                         "\u03b11 [ppm/K]", "\u03b12 [ppm/K]", "Density [Kg/m3]", "User", "Date"}));
        ASSERT_EQ(fibres.RowCount(), BuiltinFibres() + 1);
        EXPECT_EQ(fibres.RowAt(0).cells, (Cells{"Torayca J 300 JB", "231", "40", "24", "14.4",
                                                "0.26", "-0.5", "5.6", "1750", "(built-in)", ""}));
        // The steel fibre's shear moduli are E / 2.6: every digit the creation form would show.
        EXPECT_EQ(fibres.Cell(BuiltinFibres() - 1, 3), "80.7692307692308");
        EXPECT_EQ(fibres.RowAt(BuiltinFibres()).cells,
                  (Cells{"Basalt", "89", "89", "21.7", "21.7", "0.26", "8", "8", "2700", "Cy",
                         "07/08/2026"}));

        // Nothing selected at first: nothing to edit or delete.
        EXPECT_EQ(resins.Selection(), -1);
        EXPECT_FALSE(f.editButton.IsEnabled());
        EXPECT_FALSE(f.deleteButton.IsEnabled());
        EXPECT_EQ(f.selectionNote.Text(), "Select a user-defined material to edit or delete it.");
        f.PressClose();
    });
    EXPECT_EQ(dialog.Result(), FormResult::Accepted);
    EXPECT_TRUE(windowSystem.messages.empty());
}

TEST_F(MaterialsWindow, OneRowIsSelectedAtATimeAndBuiltinsCannotBeEditedOrDeleted) {
    Run([&](CMaterialsDialog& f) {
        f.SelectResin(BuiltinResins());
        EXPECT_TRUE(f.editButton.IsEnabled());
        EXPECT_TRUE(f.deleteButton.IsEnabled());
        EXPECT_EQ(f.selectionNote.Text(), "");
        f.SelectFibre(2);
        EXPECT_EQ(f.ResinTable().Selection(), -1);
        EXPECT_EQ(f.FibreTable().Selection(), 2);
        EXPECT_FALSE(f.editButton.IsEnabled());
        EXPECT_FALSE(f.deleteButton.IsEnabled());
        EXPECT_EQ(f.selectionNote.Text(), "Built-in materials cannot be edited or deleted.");
        // Commands that reach a built-in row anyway (a double-click) are refused.
        f.EditSelected();
        f.DeleteSelected();
        f.SelectResin(0);
        f.EditSelected();
        // A row beyond the table selects nothing.
        f.SelectResin(BuiltinResins() + 2);
        EXPECT_EQ(f.ResinTable().Selection(), -1);
        EXPECT_FALSE(f.editButton.IsEnabled());
        f.EditSelected();
        f.DeleteSelected();
    });
    EXPECT_EQ(windowSystem.messages,
              (std::vector<Message>{kBuiltinMessage, kBuiltinMessage, kBuiltinMessage}));
    EXPECT_EQ(windowSystem.formsRun, (std::vector<std::string>{"Materials"}));
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(materials.MaterialsChanged());
    EXPECT_EQ(materials.ResinCount(), 2u);
}

TEST_F(MaterialsWindow, DeletesAUserMaterialOnlyAfterYes) {
    windowSystem.QueueAnswer(MessageAnswer::No);
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    Run([&](CMaterialsDialog& f) {
        f.SelectResin(BuiltinResins() + 1);
        f.DeleteSelected();
        EXPECT_EQ(f.ResinTable().RowCount(), BuiltinResins() + 2);
        EXPECT_EQ(changes, 0);
        f.DeleteSelected();
        EXPECT_EQ(f.ResinTable().RowCount(), BuiltinResins() + 1);
        EXPECT_EQ(f.ResinTable().Cell(BuiltinResins(), 0), "Vinyl ester");
        EXPECT_EQ(f.ResinTable().Selection(), -1);
        EXPECT_FALSE(f.deleteButton.IsEnabled());
        EXPECT_EQ(changes, 1);

        f.SelectFibre(BuiltinFibres());
        f.DeleteSelected();
        EXPECT_EQ(f.FibreTable().RowCount(), BuiltinFibres());
    });
    const Message askResin{"Delete the user-defined resin \"Polyester\"?", "DELETE RESIN",
                           MessageIcon::Question, MessageButtons::YesNo};
    const Message askFibre{"Delete the user-defined fibre \"Basalt\"?", "DELETE FIBRE",
                           MessageIcon::Question, MessageButtons::YesNo};
    EXPECT_EQ(windowSystem.messages, (std::vector<Message>{askResin, askResin, askFibre}));
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(materials.MaterialsChanged());
    EXPECT_EQ(materials.ResinCount(), 1u);
    EXPECT_EQ(materials.Resins().front().name, "Vinyl ester");
    EXPECT_TRUE(materials.Fibres().empty());
}

TEST_F(MaterialsWindow, EditsThroughTheCreationFormWithTheChecksOfACreation) {
    const ResinRecord& vinyl = materials.Resins().front();
    const double* vinylArray = vinyl.Array();
    Queue([&](CMaterialsDialog& f) {
        f.SelectResin(BuiltinResins());
        f.EditSelected();
        EXPECT_EQ(f.ResinTable().Selection(), BuiltinResins()) << "the edited row stays selected";
        EXPECT_EQ(f.ResinTable().RowAt(BuiltinResins()).cells,
                  (Cells{"Vinyl ester 411", "3.25", "0.35", "65", "Dee", "05/06/2025"}));
    });
    // The form opens on the material's values, its button saying what it does; what it refuses
    // at a creation it refuses here, and a name another resin has reopens it.
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        EXPECT_EQ(f.NameField().Text(), "Vinyl ester");
        EXPECT_EQ(f.UserField().Text(), "Bob");
        EXPECT_EQ(f.DateField().Text(), "05/06/2025");
        EXPECT_EQ(f.EField().Text(), "3.4");
        EXPECT_EQ(f.NuField().Text(), "0.35");
        EXPECT_EQ(f.AlphaField().Text(), "65");
        EXPECT_EQ(f.createButton.Caption(), "Save");
        f.NuField().SetText("0.5");
        f.PressCreate();
        ASSERT_TRUE(f.IsOpen());
        f.NuField().SetText("0.35");
        f.NameField().SetText("");
        f.PressCreate();
        ASSERT_TRUE(f.IsOpen());
        f.NameField().SetText(kUserDefinedEntry);
        f.PressCreate();
        ASSERT_TRUE(f.IsOpen());
        f.NameField().SetText("Hexcel 8552");  // a built-in resin's name
        f.PressCreate();
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        EXPECT_EQ(f.NameField().Text(), "Hexcel 8552");
        f.NameField().SetText("Polyester");  // another user resin's
        f.PressCreate();
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        f.NameField().SetText("Vinyl ester 411");
        f.UserField().SetText("Dee");
        f.EField().SetText("3.25");
        f.PressCreate();
    });
    const std::vector<std::string> expected = {
        "Invalid poison's ratio.\nValid range: (-1,0.5)", "Please specify the resin's name",
        "\"User defined\" is reserved for the list entry that creates a resin.\nPlease choose "
        "another name.",
        "Please change the resin's name", "Please change the resin's name"};
    Open();
    EXPECT_EQ(windowSystem.MessageTexts(), expected);
    EXPECT_EQ(windowSystem.messages[3].caption, "DUPLICATED RESIN'S NAME");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(materials.MaterialsChanged());
    // Changed in place: the main form's entries still point at it.
    EXPECT_EQ(&materials.Resins().front(), &vinyl);
    EXPECT_EQ(vinyl.Array(), vinylArray);
    EXPECT_EQ(vinyl.name, "Vinyl ester 411");
    EXPECT_EQ(vinyl.E(), 3.25e9);

    // The next creation starts blank, under "Create".
    resinDialog.Preset();
    EXPECT_EQ(resinDialog.createButton.Caption(), "Create");
}

TEST_F(MaterialsWindow, KeepingItsOwnNameOrCancellingChangesNothing) {
    Queue([&](CMaterialsDialog& f) {
        f.SelectFibre(BuiltinFibres());
        f.EditSelected();  // saved as it was
        f.EditSelected();  // cancelled after a change
        f.EditSelected();  // a negative modulus refused, then cancelled
        f.EditSelected();  // the same name in other case is another name
    });
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) {
        EXPECT_EQ(f.E1Field().Text(), "89");
        EXPECT_EQ(f.G12Field().Text(), "21.7");
        EXPECT_EQ(f.Alpha1Field().Text(), "8");
        EXPECT_EQ(f.DensityField().Text(), "2700");
        f.PressCreate();
    });
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) {
        f.E1Field().SetText("90");
        f.PressCancel();
    });
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) {
        EXPECT_EQ(f.E1Field().Text(), "89") << "a cancelled edit leaves nothing behind";
        f.G23Field().SetText("-1");
        f.PressCreate();
        EXPECT_TRUE(f.IsOpen());
        f.PressCancel();
    });
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) {
        f.NameField().SetText("e-glass");
        f.PressCreate();
    });
    Open();
    EXPECT_EQ(windowSystem.MessageTexts(), (std::vector<std::string>{"Invalid Data Value"}));
    EXPECT_EQ(windowSystem.messages[0].caption, "USER-DEFINED FIBRE");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(materials.Fibres().front().name, "e-glass");
    EXPECT_EQ(materials.Fibres().front().E1(), 89e9);
}

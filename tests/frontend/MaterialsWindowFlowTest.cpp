// The materials window opened from the main form: its edits and deletions reach the resin and
// fibre lists at once and the user file at a confirmed Exit.
#include <algorithm>
#include <string>
#include <vector>

#include "frontend/MainFormFixture.h"

namespace {

std::string ResinLines(const std::string& name, const std::string& e) {
    return "Name   :        \t" + name +
           "\nUser   :        \tAnn\nDate   :        \t02/03/2024\n"
           "E      : [ GPa ]\t" +
           e + "\nnu     : [     ]\t0.35\nAlpha  : [ 1/K ]\t6e-05\n\n";
}

std::string FibreLines(const std::string& name) {
    return "Name   :        \t" + name +
           "\nUser   :        \tAnn\nDate   :        \t02/03/2024\n"
           "E1     : [ GPa ]\t89\nE2     : [ GPa ]\t89\nG12    : [ GPa ]\t21.7\n"
           "G23    : [ GPa ]\t21.7\nnu12   : [     ]\t0.26\nAlpha1 : [ 1/K ]\t8e-06\n"
           "Alpha2 : [ 1/K ]\t8e-06\nDensity: [Kg/m3]\t2700\n\n";
}

// Three user resins and two user fibres, in this order in the file.
const std::string kUserFile = "USER DEFINED DATA\n\nRESINS:\n\n" + ResinLines("Zeta resin", "3") +
                              ResinLines("Alkyd", "2.5") + ResinLines("Polyester", "3.5") +
                              "\nFIBRES:\n\n" + FibreLines("Basalt") + FibreLines("Flax");

const char* const kChangedQuestion =
    "Overwrite the user-defined resins and fibres file?\n"
    "\n- [User-defined resins and/or fibres were changed or deleted]";

bool Lists(const CListControl& list, const std::string& text) {
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Text(i) == text) {
            return true;
        }
    }
    return false;
}

// The row of a material in a table of the materials window.
int RowOf(const CTable& table, const std::string& name) {
    for (int row = 0; row < table.RowCount(); ++row) {
        if (table.Cell(row, 0) == name) {
            return row;
        }
    }
    ADD_FAILURE() << "no row \"" << name << "\"";
    return -1;
}

}  // namespace

TEST_F(MainFormTest, TheCreateMenuOpensTheMaterialsWindow) {
    const std::vector<MenuItem>& menu = CMainDialog::Menu();
    auto item = std::find_if(menu.begin(), menu.end(), [](const MenuItem& i) {
        return std::string(i.item) == "&Materials...";
    });
    ASSERT_NE(item, menu.end());
    EXPECT_STREQ(item->menu, "&Create");
    EXPECT_EQ(item->command, &CMainDialog::OpenMaterials);

    Write("userData.dat", kUserFile);
    CMainDialog& form = Open();
    windowSystem.QueueForm<CMaterialsDialog>([](CMaterialsDialog& f) {
        EXPECT_EQ(f.ResinTable().RowCount(), 9 + 3);
        EXPECT_EQ(f.ResinTable().Cell(9, 0), "Zeta resin") << "user materials in the file's order";
        EXPECT_EQ(f.FibreTable().RowCount(), 6 + 2);
    });
    (form.*(item->command))();
    EXPECT_EQ(windowSystem.formsRun.back(), "Materials");
}

TEST_F(MainFormTest, ADeletedSelectedMaterialGivesWayToTheFirstEntryAndIsGoneFromTheSavedFile) {
    Write("userData.dat", kUserFile);
    CMainDialog& form = Open();
    Pick(form.ResinList(), "Polyester");
    Pick(form.FibreList(), "Flax");
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        f.OpenMaterials();
        f.Exit();
    });
    windowSystem.QueueForm<CMaterialsDialog>([&](CMaterialsDialog& f) {
        f.SelectResin(RowOf(f.ResinTable(), "Polyester"));
        f.DeleteSelected();
        // The main form's lists follow at once.
        EXPECT_FALSE(Lists(form.ResinList(), "Polyester"));
        EXPECT_EQ(form.ResinList().Selection(), 0);
        EXPECT_EQ(form.ResinList().SelectedText(), "ACG LTM 10");
        // Another fibre deleted: the selected one stays selected.
        f.SelectFibre(RowOf(f.FibreTable(), "Basalt"));
        f.DeleteSelected();
        EXPECT_FALSE(Lists(form.FibreList(), "Basalt"));
        EXPECT_EQ(form.FibreList().SelectedText(), "Flax");
        EXPECT_EQ(form.ResinList().Count(), 9 + 2 + 1);
        EXPECT_EQ(form.ResinList().Text(form.ResinList().Count() - 1), "Zeta resin");
    });
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    windowSystem.QueueAnswer(MessageAnswer::Yes);  // Exit
    app_->Run();
    ASSERT_EQ(windowSystem.messages.size(), 3u);
    EXPECT_EQ(windowSystem.messages.back(),
              (Message{kChangedQuestion, "EXIT", MessageIcon::Question, MessageButtons::YesNo}));
    EXPECT_EQ(Read("userData.dat"), "USER DEFINED DATA\n\nRESINS:\n\n" +
                                        ResinLines("Zeta resin", "3") + ResinLines("Alkyd", "2.5") +
                                        "\nFIBRES:\n\n" + FibreLines("Flax"));

    // The next run lists what was kept, and leaving asks nothing.
    CMainDialog& reopened = Open();
    EXPECT_EQ(reopened.ResinList().Count(), 9 + 2 + 1);
    EXPECT_FALSE(Lists(reopened.FibreList(), "Basalt"));
    EXPECT_EQ(reopened.UserMaterials().ExitQuestion(), std::nullopt);
}

TEST_F(MainFormTest, AnEditedMaterialStaysSelectedUnderItsNewNameAndIsSavedInPlace) {
    Write("userData.dat", kUserFile);
    CMainDialog& form = Open();
    Pick(form.ResinList(), "Alkyd");
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        f.OpenMaterials();
        f.ChooseUDCase();
        f.FibreVolumeField().SetText("60");
        f.Calculate();
        f.Exit();
    });
    windowSystem.QueueForm<CMaterialsDialog>([](CMaterialsDialog& f) {
        f.SelectResin(RowOf(f.ResinTable(), "Alkyd"));
        f.EditSelected();
        f.SelectResin(RowOf(f.ResinTable(), "Zeta resin"));
        f.EditSelected();
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        EXPECT_EQ(f.EField().Text(), "2.5");
        f.NameField().SetText("Urethane acrylate");
        f.EField().SetText("2.75");
        f.PressCreate();
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        f.NameField().SetText("Urethane acrylate");  // now the edited resin's name
        f.PressCreate();
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) { f.PressCancel(); });
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    app_->Run();

    EXPECT_FALSE(Lists(form.ResinList(), "Alkyd"));
    EXPECT_EQ(form.ResinList().SelectedText(), "Urethane acrylate");
    EXPECT_EQ(windowSystem.MessageTexts(),
              (std::vector<std::string>{"Please change the resin's name", kChangedQuestion}));
    // The calculation takes the edited values.
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].resin[0], 2.75e9);

    // Saved where it was in the file, the others untouched.
    std::string edited = ResinLines("Urethane acrylate", "2.75");
    const std::string saved = Read("userData.dat");
    EXPECT_EQ(saved, "USER DEFINED DATA\n\nRESINS:\n\n" + ResinLines("Zeta resin", "3") + edited +
                         ResinLines("Polyester", "3.5") + "\nFIBRES:\n\n" + FibreLines("Basalt") +
                         FibreLines("Flax"));
    CMainDialog& reopened = Open();
    Pick(reopened.ResinList(), "Urethane acrylate");
    EXPECT_EQ(reopened.UserMaterials().Resins().begin()->name, "Zeta resin");
}

TEST_F(MainFormTest, ChangesAnsweredNoAtExitLeaveTheFileAsItWas) {
    Write("userData.dat", kUserFile);
    Open();
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        f.OpenMaterials();
        f.Exit();
    });
    windowSystem.QueueForm<CMaterialsDialog>([](CMaterialsDialog& f) {
        f.SelectFibre(RowOf(f.FibreTable(), "Flax"));
        f.DeleteSelected();
    });
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    windowSystem.QueueAnswer(MessageAnswer::No);
    app_->Run();
    EXPECT_EQ(windowSystem.messages.back().text, kChangedQuestion);
    EXPECT_EQ(Read("userData.dat"), kUserFile);
}

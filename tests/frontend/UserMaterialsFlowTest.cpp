// Creating resins and fibres from the main form, the exit question and the save at exit.
#include <string>
#include <vector>

#include "Tolerance.h"
#include "frontend/MainFormFixture.h"

namespace {

const char* const kNotFoundQuestion =
    "userData file not found during application startup.\nCreate a new userData file?";
const char* const kOverwriteQuestion =
    "Overwrite the user-defined resins and fibres file?\n"
    "\n- [New user-defined resins and/or fibres were created]";
const char* const kLoadWarning =
    "\n- WARNING:No user-defined material were loaded during start up."
    "\nPossible reading error during file reading";

std::string ResinLines(const std::string& name) {
    return "Name   :        \t" + name +
           "\nUser   :        \tXJQ\nDate   :        \t01/02/2003\n"
           "E      : [ GPa ]\t3.000000\nnu     : [     ]\t0.350000\n"
           "Alpha  : [ 1/K ]\t0.000060\n\n";
}

std::string FileOf(const std::string& resins) {
    return "USER DEFINED DATA\n\nRESINS:\n\n" + resins + "\nFIBRES:\n\n";
}

// The resin names of a user file, in file order.
std::vector<std::string> ResinNamesIn(const std::string& text) {
    std::vector<std::string> names;
    const std::string label = "Name   :        \t";
    std::string::size_type fibres = text.find("FIBRES:");
    for (auto at = text.find(label); at != std::string::npos && at < fibres;
         at = text.find(label, at + 1)) {
        auto start = at + label.size();
        names.push_back(text.substr(start, text.find('\n', start) - start));
    }
    return names;
}

// Types a resin into the open form and presses Create.
void TypeResin(CResinDialog& form, const std::string& name, const std::string& e = "3.5",
               const std::string& alpha = "73.3") {
    form.NameField().SetText(name);
    form.EField().SetText(e);
    form.NuField().SetText("0.35");
    form.AlphaField().SetText(alpha);
    form.PressCreate();
}

void TypeFibre(CFibreDialog& form, const std::string& name) {
    form.NameField().SetText(name);
    form.E1Field().SetText("89");
    form.E2Field().SetText("89");
    form.DensityField().SetText("2700");
    form.PressCreate();
}

Message Question(const std::string& text) {
    return Message{text, "EXIT", MessageIcon::Question, MessageButtons::YesNo};
}

}  // namespace

TEST_F(MainFormTest, CreatesAResinFromTheListEntryAndSelectsIt) {
    CMainDialog& form = Open();
    Pick(form.ResinList(), "User defined");
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        EXPECT_EQ(f.DateField().Text(), "00/00/0000");
        TypeResin(f, "Vinyl ester");
    });
    form.CloseUpResinList();
    EXPECT_EQ(form.ResinList().SelectedText(), "Vinyl ester");
    EXPECT_EQ(form.ResinList().Count(), 11);
    EXPECT_EQ(windowSystem.messages,
              (std::vector<Message>{{"User-defined resin created", "Plycalc",
                                     MessageIcon::Information, MessageButtons::Ok}}));
    EXPECT_TRUE(form.UserMaterials().NewMaterialsCreated());

    // The library receives it in Pa and 1/K.
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("60");
    form.Calculate();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].resin, (std::vector<double>{3.5 * 1e9, 0.35, 73.3 * 1e-6}));
}

TEST_F(MainFormTest, ADuplicateNameReopensTheFormOnWhatTheUserTyped) {
    CMainDialog& form = Open();
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) { TypeResin(f, "Steel", "7"); });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        EXPECT_EQ(f.NameField().Text(), "Steel");
        EXPECT_EQ(f.EField().Text(), "7");
        TypeResin(f, "steel", "7");  // names differ by case: not a duplicate
    });
    form.CreateResin();
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        EXPECT_EQ(f.NameField().Text(), "");  // a new creation starts blank
        TypeResin(f, "steel");
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) { f.PressCancel(); });
    form.CreateResin();

    const Message duplicate{"Please change the resin's name", "DUPLICATED RESIN'S NAME",
                            MessageIcon::Exclamation};
    EXPECT_EQ(
        windowSystem.messages,
        (std::vector<Message>{duplicate,
                              {"User-defined resin created", "Plycalc", MessageIcon::Information},
                              duplicate}));
    EXPECT_EQ(form.ResinList().SelectedText(), "ACG LTM 10");
    EXPECT_EQ(form.ResinList().Count(), 11);
    EXPECT_TRUE(windowSystem.AllScriptsUsed());
}

TEST_F(MainFormTest, FibreNamesAreCheckedAgainstFibresOnly) {
    CMainDialog& form = Open();
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) { TypeFibre(f, "E-Glass"); });
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) { TypeFibre(f, "General Epoxy"); });
    form.CreateFibre();
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) { TypeFibre(f, "General Epoxy"); });
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) { f.PressCancel(); });
    Pick(form.FibreList(), "User defined");
    form.CloseUpFibreList();

    EXPECT_EQ(
        windowSystem.MessageTexts(),
        (std::vector<std::string>{"Please change the fibre's name", "User-defined fibre created",
                                  "Please change the fibre's name"}));
    EXPECT_EQ(windowSystem.messages[0].caption, "DUPLICATED FIBRE'S NAME");
    EXPECT_EQ(form.FibreList().SelectedText(), "E-Glass");
    EXPECT_EQ(form.FibreList().Count(), 8);
}

TEST_F(MainFormTest, ClosingTheListOnAMaterialOpensNoForm) {
    CMainDialog& form = Open();
    Pick(form.ResinList(), "Steel");
    form.CloseUpResinList();
    Pick(form.FibreList(), "Steel");
    form.CloseUpFibreList();
    EXPECT_TRUE(windowSystem.formsRun.empty());
}

TEST_F(MainFormTest, WithoutAFileExitOffersToCreateItAndYesWritesAnEmptyOne) {
    Open();
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) { f.Exit(); });
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    app_->Run();
    EXPECT_EQ(windowSystem.messages, std::vector<Message>{Question(kNotFoundQuestion)});
    EXPECT_EQ(Read("userData.dat"), "USER DEFINED DATA\n\nRESINS:\n\n\nFIBRES:\n\n");
}

TEST_F(MainFormTest, ExitAnsweredNoWritesNothing) {
    Open();
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        f.CreateResin();
        f.Exit();
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) { TypeResin(f, "A"); });
    windowSystem.QueueAnswer(MessageAnswer::No);
    app_->Run();
    EXPECT_EQ(windowSystem.messages.back(), Question(kNotFoundQuestion));
    EXPECT_FALSE(std::filesystem::exists("userData.dat"));
    EXPECT_TRUE(windowSystem.AllScriptsUsed());
}

// Escape and the close box end the program at once only when nothing would be lost; with a
// material created in this run they ask the Exit question, Cancel staying in the form.
TEST_F(MainFormTest, TheCloseBoxAsksTheExitQuestionWithCancelOnlyWhenMaterialsWereCreated) {
    Open();
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) { f.PressCancel(); });
    app_->Run();
    EXPECT_TRUE(windowSystem.messages.empty());
    EXPECT_EQ(app_->MainDialog().Result(), FormResult::Cancelled);

    struct Row {
        MessageAnswer answer;
        bool saved;
    };
    for (const Row row : {Row{MessageAnswer::No, false}, Row{MessageAnswer::Yes, true}}) {
        std::filesystem::remove("userData.dat");
        windowSystem.messages.clear();
        Open();
        bool openAfterCancel = false;
        windowSystem.QueueForm<CMainDialog>([&](CMainDialog& f) {
            f.CreateResin();
            f.PressCancel();
            openAfterCancel = f.IsOpen();
            f.PressCancel();
        });
        windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) { TypeResin(f, "A"); });
        windowSystem.QueueAnswer(MessageAnswer::Cancel);
        windowSystem.QueueAnswer(row.answer);
        app_->Run();
        EXPECT_TRUE(openAfterCancel);
        Message expected = Question(kNotFoundQuestion);
        expected.buttons = MessageButtons::YesNoCancel;
        EXPECT_EQ(windowSystem.messages,
                  (std::vector<Message>{
                      {"User-defined resin created", "Plycalc", MessageIcon::Information},
                      expected,
                      expected}));
        EXPECT_EQ(std::filesystem::exists("userData.dat"), row.saved);
        EXPECT_TRUE(windowSystem.AllScriptsUsed());
    }
    EXPECT_EQ(ResinNamesIn(Read("userData.dat")), std::vector<std::string>{"A"});
}

TEST_F(MainFormTest, SavesCreationsAheadOfLoadedMaterialsAndAsksOnlyWhenSomethingIsNew) {
    const std::string original = FileOf(ResinLines("A") + ResinLines("B"));
    Write("userData.dat", original);
    CMainDialog& form = Open();
    EXPECT_EQ(form.ResinList().Count(), 12);
    EXPECT_EQ(form.ResinList().Text(0), "A");

    // Nothing new: no question, no write.
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) { f.Exit(); });
    app_->Run();
    EXPECT_TRUE(windowSystem.messages.empty());
    EXPECT_EQ(Read("userData.dat"), original);

    Open();
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        f.CreateResin();
        f.Exit();
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) { TypeResin(f, "C"); });
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    app_->Run();
    EXPECT_EQ(windowSystem.messages.back(), Question(kOverwriteQuestion));
    // The creation ahead of the loaded materials, which keep their order: saving again and again
    // leaves them where they were.
    EXPECT_EQ(ResinNamesIn(Read("userData.dat")), (std::vector<std::string>{"C", "A", "B"}));

    // The next run loads them all, with the created values.
    CMainDialog& reopened = Open();
    EXPECT_EQ(reopened.ResinList().Count(), 13);
    Pick(reopened.ResinList(), "C");
    reopened.ChooseUDCase();
    reopened.FibreVolumeField().SetText("60");
    reopened.Calculate();
    // The file keeps 15 significant digits.
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].resin[0], 3.5e9);
    EXPECT_EQ(calls[0].resin[1], 0.35);
    EXPECT_TRUE(RelativelyNear(calls[0].resin[2], 73.3 * 1e-6, 1e-14));
}

// One warning when the form opens names the file, the line and the reason and the backup; the
// Exit question that follows has No as its default, at Exit and at the close box alike.
TEST_F(MainFormTest, AFileThatDoesNotLoadIsReportedAtStartUpAndMakesNoTheDefaultAnswer) {
    // Two resins and one extra value line: thirteen lines load nothing at all.
    Write("userData.dat", FileOf(ResinLines("A") + ResinLines("B") + "Extra  :        \t1\n"));
    CMainDialog& form = Open();
    EXPECT_EQ(form.ResinList().Count(), 10);
    EXPECT_TRUE(form.UserMaterials().FileFound());
    EXPECT_FALSE(form.UserMaterials().ReadOk());
    ASSERT_EQ(windowSystem.messages.size(), 1u);
    const Message warning = windowSystem.messages[0];
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.caption, "Plycalc");
    EXPECT_EQ(warning.text, form.UserMaterials().LoadWarning("userData.dat"));
    for (const char* part : {"\"userData.dat\", line 21", "\"userData.dat.bak\""}) {
        EXPECT_NE(warning.text.find(part), std::string::npos) << part << " in " << warning.text;
    }

    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        f.CreateFibre();
        f.PressCancel();
        f.Exit();
    });
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) { TypeFibre(f, "Basalt"); });
    windowSystem.QueueAnswer(MessageAnswer::Cancel);
    windowSystem.QueueAnswer(MessageAnswer::No);
    app_->Run();
    Message question = Question(std::string(kOverwriteQuestion) + kLoadWarning);
    question.defaultButton = MessageAnswer::No;
    Message closeBoxQuestion = question;
    closeBoxQuestion.buttons = MessageButtons::YesNoCancel;
    ASSERT_EQ(windowSystem.messages.size(), 4u);  // the warning is not shown again
    EXPECT_EQ(windowSystem.messages[2], closeBoxQuestion);
    EXPECT_EQ(windowSystem.messages[3], question);
}

TEST_F(MainFormTest, AMalformedFileNeitherHangsNorLoads) {
    Write("userData.dat", "RESINS:\tGE\nFIBRES:\t\t\t");
    CMainDialog& form = Open();
    EXPECT_EQ(form.ResinList().Count(), 10);
    EXPECT_EQ(form.FibreList().Count(), 7);
}

TEST_F(MainFormTest, ExitAcceptedOnlyOnceTheVisibleFieldsRead) {
    Open();
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        f.FibreVolumeField().SetText("abc");
        f.Exit();
        EXPECT_TRUE(f.IsOpen());
        f.FibreVolumeField().SetText("50");
        f.Exit();
    });
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    app_->Run();
    EXPECT_EQ(
        windowSystem.MessageTexts(),
        (std::vector<std::string>{kNotFoundQuestion, "Please enter a number.", kNotFoundQuestion}));
    EXPECT_TRUE(std::filesystem::exists("userData.dat"));
}

TEST_F(MainFormTest, AFailedSaveIsReportedAndTheFormStaysOpenWithItsMaterials) {
    Open("no-such-directory/userData.dat");
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        f.CreateResin();
        f.Exit();
    });
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) { TypeResin(f, "Kept"); });
    windowSystem.QueueAnswer(MessageAnswer::Yes);
    windowSystem.QueueForm<CMainDialog>([](CMainDialog& f) {
        EXPECT_EQ(f.ResinList().SelectedText(), "Kept");
        f.Exit();
    });
    windowSystem.QueueAnswer(MessageAnswer::No);
    app_->Run();

    ASSERT_EQ(windowSystem.messages.size(), 4u);
    const Message& failure = windowSystem.messages[2];
    EXPECT_NE(failure.text.find("no-such-directory/userData.dat"), std::string::npos)
        << failure.text;
    EXPECT_EQ(failure.icon, MessageIcon::Exclamation);
    EXPECT_EQ(windowSystem.formsRun,
              (std::vector<std::string>{"Plycalc", "User defined resin", "Plycalc"}));
    EXPECT_TRUE(windowSystem.AllScriptsUsed());
}

// Creating user materials through the Qt views: the resin form reached from the list's
// "User defined" entry, its refusals, the new entry in the list and the save at "Exit"; the
// Exit question at Escape and the close box, and the warning of a user file that cannot be read.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "Application.h"
#include "RecordingQtWindowSystem.h"

class CreationViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void userResinIsCreatedFromTheListAndSavedAtExit();
    void cancelledFibreCreationReturnsTheListToItsFirstEntry();
    void escapeOrTheCloseBoxAfterACreationAsksTheExitQuestionWithCancel();
    void anUnreadableUserFileIsReportedAtStartUpAndNoIsTheDefaultAnswer();

private:
    std::optional<QTemporaryDir> workingDirectory_;
    QString previousDirectory_;
    std::optional<CRecordingQtWindowSystem> windowSystem_;
};

void CreationViewsTest::init() {
    workingDirectory_.emplace();
    QVERIFY(workingDirectory_->isValid());
    previousDirectory_ = QDir::currentPath();
    QDir::setCurrent(workingDirectory_->path());
    windowSystem_.emplace();
}

void CreationViewsTest::cleanup() {
    QVERIFY(windowSystem_->AllUsed());
    windowSystem_.reset();
    QDir::setCurrent(previousDirectory_);
    workingDirectory_.reset();
}

void CreationViewsTest::userResinIsCreatedFromTheListAndSavedAtExit() {
    CApplication application(*windowSystem_, "userData.dat");
    windowSystem_->QueueView([&](CFormView& main) {
        user::Choose(main, "resinList", "User defined");
        auto* resins = user::Find<QComboBox>(main, "resinList");
        QCOMPARE(resins->currentText(), QString("Cast Epoxy"));
        QVERIFY(resins->findText("User defined") > resins->findText("Cast Epoxy"));
        user::Click(main, "Exit");
    });
    windowSystem_->QueueView([&](CFormView& resin) {
        QCOMPARE(resin.windowTitle(), QString("User defined resin"));
        QCOMPARE(user::Text(resin, "dateField"), QString("00/00/0000"));
        user::Type(resin, "nameField", "Cast Epoxy");
        user::Type(resin, "eField", "3.1");
        user::Type(resin, "nuField", "0.5");
        user::Type(resin, "alphaField", "73.3");
        QVERIFY(QTest::qWaitForWindowActive(&resin));
        user::Click(resin, "Create");
        QVERIFY(resin.isVisible());
        QCOMPARE(user::Text(resin, "nuField"), QString("0.5"));
        auto* nu = user::Find<QLineEdit>(resin, "nuField");
        QCOMPARE(QApplication::focusWidget(), nu);
        QCOMPARE(nu->selectedText(), QString("0.5"));
        user::Type(resin, "nuField", "0.4999");
        user::Click(resin, "Create");
        QVERIFY(!resin.isVisible());
    });
    windowSystem_->QueueAnswer(MessageAnswer::Yes);
    application.Run();

    const std::vector<std::string> expected = {
        "Invalid poison's ratio.\nValid range: (-1,0.5)", "User-defined resin created",
        "userData file not found during application startup.\nCreate a new userData file?"};
    QCOMPARE(windowSystem_->MessageTexts(), expected);
    QCOMPARE(windowSystem_->messages[0].caption, std::string("USER-DEFINED RESIN"));
    QCOMPARE(windowSystem_->messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(windowSystem_->messages[1].icon, MessageIcon::Information);
    QFile saved("userData.dat");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(saved.readAll()).contains("Cast Epoxy"));
}

void CreationViewsTest::cancelledFibreCreationReturnsTheListToItsFirstEntry() {
    CApplication application(*windowSystem_, "userData.dat");
    windowSystem_->QueueView([&](CFormView& main) {
        user::Choose(main, "fibreList", "User defined");
        auto* fibres = user::Find<QComboBox>(main, "fibreList");
        QCOMPARE(fibres->currentIndex(), 0);
        QCOMPARE(fibres->currentText(), QString("E-Glass"));
    });
    windowSystem_->QueueView([&](CFormView& fibre) {
        QCOMPARE(fibre.windowTitle(), QString("User defined material"));
        user::Type(fibre, "nameField", "Basalt");
        user::Click(fibre, "Cancel");
    });
    application.Run();
    QVERIFY(windowSystem_->messages.empty());
    QVERIFY(!QFile::exists("userData.dat"));
}

namespace {

// Creates a fibre "Basalt" through the menu of the main form's view.
void CreateBasalt(CRecordingQtWindowSystem& windowSystem, CFormView& main) {
    windowSystem.QueueView([](CFormView& fibre) {
        user::Type(fibre, "nameField", "Basalt");
        user::Type(fibre, "e1Field", "89");
        user::Type(fibre, "densityField", "2700");
        user::Click(fibre, "Create");
    });
    for (QAction* action : main.findChildren<QAction*>()) {
        if (action->text() == "&Fibre") {
            action->trigger();
        }
    }
}

}  // namespace

void CreationViewsTest::escapeOrTheCloseBoxAfterACreationAsksTheExitQuestionWithCancel() {
    CApplication application(*windowSystem_, "userData.dat");
    bool openAfterCancel = false;
    windowSystem_->QueueView([&](CFormView& main) {
        // Without a creation Escape would end the program at once: create first.
        CreateBasalt(*windowSystem_, main);
        QTest::keyClick(&main, Qt::Key_Escape);
        openAfterCancel = main.isVisible();
        QCOMPARE(user::Find<QComboBox>(main, "fibreList")->currentText(), QString("Basalt"));
        main.close();
        QVERIFY(main.isVisible());  // Cancel again
        main.close();
        QVERIFY(!main.isVisible());
    });
    windowSystem_->QueueAnswer(MessageAnswer::Cancel);
    windowSystem_->QueueAnswer(MessageAnswer::Cancel);
    windowSystem_->QueueAnswer(MessageAnswer::Yes);
    application.Run();

    QVERIFY(openAfterCancel);
    Message question{
        "userData file not found during application startup.\nCreate a new userData file?", "EXIT",
        MessageIcon::Question, MessageButtons::YesNoCancel};
    QCOMPARE(windowSystem_->messages.size(), std::size_t{4});
    QVERIFY(windowSystem_->messages[1] == question);
    QVERIFY(windowSystem_->messages[3] == question);
    QFile saved("userData.dat");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(saved.readAll()).contains("Basalt"));
}

void CreationViewsTest::anUnreadableUserFileIsReportedAtStartUpAndNoIsTheDefaultAnswer() {
    QFile broken("userData.dat");
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("USER DEFINED DATA\n\nRESINS:\n\nName\tA\n\nFIBRES:\n\n");
    broken.close();
    CApplication application(*windowSystem_, "userData.dat");
    windowSystem_->QueueView([&](CFormView& main) {
        QCOMPARE(windowSystem_->messages.size(), std::size_t{1});
        CreateBasalt(*windowSystem_, main);
        user::Click(main, "Exit");
    });
    windowSystem_->QueueAnswer(MessageAnswer::No);
    application.Run();

    QCOMPARE(windowSystem_->messages.size(), std::size_t{3});
    const Message& warning = windowSystem_->messages[0];
    QCOMPARE(warning.icon, MessageIcon::Exclamation);
    QVERIFY(warning.text.find("\"userData.dat\", line 7") != std::string::npos);
    QVERIFY(warning.text.find("\"userData.dat.bak\"") != std::string::npos);
    const Message& question = windowSystem_->messages[2];
    QCOMPARE(question.caption, std::string("EXIT"));
    QVERIFY(question.defaultButton == MessageAnswer::No);
    QVERIFY(broken.open(QIODevice::ReadOnly));
    QVERIFY(broken.readAll().contains("Name\tA"));
}

QTEST_MAIN(CreationViewsTest)
#include "CreationViewsTest.moc"

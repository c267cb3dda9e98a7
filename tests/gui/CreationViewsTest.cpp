// Creating user materials through the Qt views: the resin form reached from the list's
// "User defined" entry, its refusals, the new entry in the list and the save at "Exit".
#include <QDir>
#include <QFile>
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
        user::Click(resin, "Create");
        QVERIFY(resin.isVisible());
        QCOMPARE(user::Text(resin, "nuField"), QString("0.5"));
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

QTEST_MAIN(CreationViewsTest)
#include "CreationViewsTest.moc"

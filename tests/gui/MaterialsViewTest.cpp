// The materials window through its Qt view: opened from the main form's menu, its tables, and a
// user resin deleted through it, gone from the main form's list and from the file saved at Exit.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "Application.h"
#include "RecordingQtWindowSystem.h"

class MaterialsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuOpensTheTablesAndADeletedResinLeavesListAndFile();
    void doubleClickEditsAUserFibreAndRefusesABuiltinOne();

private:
    std::optional<QTemporaryDir> workingDirectory_;
    QString previousDirectory_;
    std::optional<CRecordingQtWindowSystem> windowSystem_;
};

namespace {

const char* const kUserFile =
    "USER DEFINED DATA\n\nRESINS:\n\n"
    "Name   :        \tCast Epoxy\nUser   :        \tAnn\nDate   :        \t02/03/2024\n"
    "E      : [ GPa ]\t3.1\nnu     : [     ]\t0.38\nAlpha  : [ 1/K ]\t7.33e-05\n\n"
    "\nFIBRES:\n\n"
    "Name   :        \tBasalt\nUser   :        \tAnn\nDate   :        \t02/03/2024\n"
    "E1     : [ GPa ]\t89\nE2     : [ GPa ]\t89\nG12    : [ GPa ]\t21.7\n"
    "G23    : [ GPa ]\t21.7\nnu12   : [     ]\t0.26\nAlpha1 : [ 1/K ]\t8e-06\n"
    "Alpha2 : [ 1/K ]\t8e-06\nDensity: [Kg/m3]\t2700\n\n";

QString ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TriggerMenuItem(QWidget& view, const QString& text) {
    QAction* found = nullptr;
    for (QAction* action : view.findChildren<QAction*>()) {
        found = action->text() == text ? action : found;
    }
    QVERIFY2(found != nullptr, qPrintable("no menu item " + text));
    found->trigger();
}

// Double-clicks a cell: the first click of the two selects its row.
void DoubleClickCell(QTableWidget* table, int row) {
    QVERIFY(table != nullptr);
    const QPoint centre = table->visualItemRect(table->item(row, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
}

// Clicks a cell of a table, as a user selecting its row.
void ClickCell(QTableWidget* table, int row, int column = 0) {
    QVERIFY(table != nullptr);
    table->scrollToItem(table->item(row, column));
    const QRect cell = table->visualItemRect(table->item(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace

void MaterialsViewTest::init() {
    workingDirectory_.emplace();
    QVERIFY(workingDirectory_->isValid());
    previousDirectory_ = QDir::currentPath();
    QDir::setCurrent(workingDirectory_->path());
    QFile file("userData.dat");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kUserFile);
    file.close();
    windowSystem_.emplace();
}

void MaterialsViewTest::cleanup() {
    QVERIFY(windowSystem_->AllUsed());
    windowSystem_.reset();
    QDir::setCurrent(previousDirectory_);
    workingDirectory_.reset();
}

void MaterialsViewTest::menuOpensTheTablesAndADeletedResinLeavesListAndFile() {
    CApplication application(*windowSystem_, "userData.dat");
    windowSystem_->QueueView([&](CFormView& main) {
        user::Choose(main, "resinList", "Cast Epoxy");
        TriggerMenuItem(main, "&Materials...");
        auto* resins = user::Find<QComboBox>(main, "resinList");
        QCOMPARE(resins->findText("Cast Epoxy"), -1);
        QCOMPARE(resins->currentText(), QString("ACG LTM 10"));
        user::Click(main, "Exit");
    });
    windowSystem_->QueueView([&](CFormView& materials) {
        QCOMPARE(materials.windowTitle(), QString("Materials"));
        auto* resins = user::Find<QTableWidget>(materials, "resinTable");
        auto* fibres = user::Find<QTableWidget>(materials, "fibreTable");
        QVERIFY(resins != nullptr && fibres != nullptr);
        QCOMPARE(resins->rowCount(), 9 + 1);
        QCOMPARE(fibres->rowCount(), 6 + 1);
        QCOMPARE(resins->columnCount(), 6);
        QCOMPARE(fibres->columnCount(), 11);
        QCOMPARE(resins->horizontalHeaderItem(1)->text(), QString("E [GPa]"));
        QCOMPARE(fibres->horizontalHeaderItem(8)->text(), QString("Density [Kg/m3]"));
        QCOMPARE(resins->item(9, 0)->text(), QString("Cast Epoxy"));
        QCOMPARE(resins->item(9, 3)->text(), QString("73.3"));
        QCOMPARE(resins->item(9, 4)->text(), QString("Ann"));
        QCOMPARE(resins->item(0, 4)->text(), QString("(built-in)"));
        QVERIFY(!user::Button(materials, "Delete")->isEnabled());

        // A built-in row: still nothing to delete, and the note says why.
        ClickCell(resins, 2);
        QVERIFY(!user::Button(materials, "Delete")->isEnabled());
        QCOMPARE(user::Find<QLabel>(materials, "selectionNote")->text(),
                 QString("Built-in materials cannot be edited or deleted."));
        ClickCell(resins, 9, 2);
        QVERIFY(user::Button(materials, "Delete")->isEnabled());
        QVERIFY(user::Button(materials, "Edit...")->isEnabled());
        user::Click(materials, "Delete");
        QCOMPARE(resins->rowCount(), 9);
        QVERIFY(!user::Button(materials, "Delete")->isEnabled());
        user::Click(materials, "Close");
        QVERIFY(!materials.isVisible());
    });
    windowSystem_->QueueAnswer(MessageAnswer::Yes);  // the deletion
    windowSystem_->QueueAnswer(MessageAnswer::Yes);  // Exit
    application.Run();

    QCOMPARE(windowSystem_->MessageTexts(),
             (std::vector<std::string>{
                 "Delete the user-defined resin \"Cast Epoxy\"?",
                 "Overwrite the user-defined resins and fibres file?\n"
                 "\n- [User-defined resins and/or fibres were changed or deleted]"}));
    const QString saved = ReadFile("userData.dat");
    QVERIFY(!saved.contains("Cast Epoxy"));
    QVERIFY(saved.contains("Basalt"));
}

void MaterialsViewTest::doubleClickEditsAUserFibreAndRefusesABuiltinOne() {
    CApplication application(*windowSystem_, "userData.dat");
    windowSystem_->QueueView([&](CFormView& main) {
        user::Choose(main, "fibreList", "Basalt");
        TriggerMenuItem(main, "&Materials...");
        QCOMPARE(user::Find<QComboBox>(main, "fibreList")->currentText(), QString("Basalt fibre"));
        user::Click(main, "Exit");
    });
    windowSystem_->QueueView([&](CFormView& materials) {
        auto* fibres = user::Find<QTableWidget>(materials, "fibreTable");
        QVERIFY(fibres != nullptr);
        DoubleClickCell(fibres, 0);
        DoubleClickCell(fibres, 6);
        QCOMPARE(fibres->item(6, 0)->text(), QString("Basalt fibre"));
        QCOMPARE(fibres->item(6, 1)->text(), QString("91"));
        QVERIFY(fibres->item(6, 0)->isSelected());
    });
    windowSystem_->QueueView([&](CFormView& fibre) {
        QCOMPARE(user::Text(fibre, "nameField"), QString("Basalt"));
        QCOMPARE(user::Text(fibre, "e1Field"), QString("89"));
        user::Type(fibre, "nameField", "Basalt fibre");
        user::Type(fibre, "e1Field", "91");
        user::Click(fibre, "Save");
        QVERIFY(!fibre.isVisible());
    });
    windowSystem_->QueueAnswer(MessageAnswer::No);  // Exit without saving
    application.Run();
    QCOMPARE(windowSystem_->MessageTexts(),
             (std::vector<std::string>{
                 "Built-in materials cannot be edited or deleted.",
                 "Overwrite the user-defined resins and fibres file?\n"
                 "\n- [User-defined resins and/or fibres were changed or deleted]"}));
    QCOMPARE(ReadFile("userData.dat"), QString(kUserFile));
}

QTEST_MAIN(MaterialsViewTest)
#include "MaterialsViewTest.moc"

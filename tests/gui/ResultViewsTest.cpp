// The result forms' Qt views: the summary of the inputs and the fabric's thickness above the
// values, "Copy" to the clipboard, and Enter, which presses the focused button or else "Return".
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "MainFormViewSession.h"
#include "RecordingQtWindowSystem.h"

class ResultViewsTest : public CMainFormViewSession {
    Q_OBJECT

private slots:
    void init() { StartSession(); }
    void cleanup() { FinishSession(); }

    void copyPutsTheInputsAndValuesOnTheClipboardAndEnterTakesTheFocusedButton();
    void enterOnTheOutputButtonWritesTheReport();
    void fabricFormsShowTheThicknessUnderTheSummary();

private:
    // A UD ply of Hexcel 8552 and Hercules AS4 at 30 %, calculated from the main form's view.
    void CalculateUD(CFormView& view) {
        QTest::mouseClick(user::Find<QPushButton>(view, "udCase"), Qt::LeftButton);
        user::Choose(view, "resinList", "Hexcel 8552");
        user::Choose(view, "fibreList", "Hercules AS4");
        user::Type(view, "fibreVolumeField", "30");
        user::Click(view, "Calculate");
    }
};

void ResultViewsTest::copyPutsTheInputsAndValuesOnTheClipboardAndEnterTakesTheFocusedButton() {
    QGuiApplication::clipboard()->clear();
    bool openAfterCopy = false;
    bool openAfterEnterOnCopy = false;
    RunMainForm(
        [&](CFormView& view) { CalculateUD(view); }, {[&](CFormView& results) {
            QVERIFY(QTest::qWaitForWindowActive(&results));
            QCOMPARE(user::Find<QLabel>(results, "summary")->text(),
                     QString("UD ply: resin Hexcel 8552, fibre Hercules AS4, Vf 30 %, "
                             "elastic CCA, thermal CCA"));
            QVERIFY(!user::Find<QLineEdit>(results, "thickness")->isVisible());
            // The form opens on "Return" (once the window system has moved the focus to it: the
            // click on "Calculate" may still be delivered while the calculation's loop runs).
            QTRY_COMPARE(QApplication::focusWidget(), user::Button(results, "Return"));

            user::Click(results, "Copy");
            openAfterCopy = results.isVisible();
            const QString copied = QGuiApplication::clipboard()->text();
            QVERIFY2(copied.startsWith("MicroMechanical Model Results\nCase\t\tUD ply\n"),
                     qPrintable(copied));
            for (const char* row : {"\nResin\t\tHexcel 8552\n", "\nElastic model\t\tCCA\n",
                                    "\nFibre volume fraction\t%\t30\n", "\nProperty\tUnit\tValue\n",
                                    "\nEx\tGPa\t68.8578\n", "\nα y = α z\tppm/K\t46.4454\n"}) {
                QVERIFY2(copied.contains(QString::fromUtf8(row)), row);
            }

            QGuiApplication::clipboard()->clear();
            user::Button(results, "Copy")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            openAfterEnterOnCopy = results.isVisible();
            QVERIFY(QGuiApplication::clipboard()->text().contains("Ex\tGPa\t68.8578"));

            // From a value, Enter is "Return".
            auto* value = user::Find<QLineEdit>(results, "value0");
            QTest::mouseClick(value, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), value);
            QTest::keyClick(value, Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY(!results.isVisible());
        }});
    QVERIFY(openAfterCopy);
    QVERIFY(openAfterEnterOnCopy);
    QVERIFY(windowSystem_->messages.empty());
    QVERIFY(!QFile::exists("results_MM.dat"));
}

void ResultViewsTest::enterOnTheOutputButtonWritesTheReport() {
    RunMainForm([&](CFormView& view) { CalculateUD(view); }, {[&](CFormView& results) {
                    QVERIFY(QTest::qWaitForWindowActive(&results));
                    QTRY_COMPARE(QApplication::focusWidget(), user::Button(results, "Return"));
                    QPushButton* output = user::Button(results, "Create Output");
                    output->setFocus();
                    QTest::keyClick(output, Qt::Key_Return);
                    QVERIFY(!results.isVisible());
                }});
    QCOMPARE(windowSystem_->MessageTexts(),
             std::vector<std::string>{"Results are written to file: 'results_MM.dat'"});
    QVERIFY(QFile::exists("results_MM.dat"));
}

void ResultViewsTest::fabricFormsShowTheThicknessUnderTheSummary() {
    QString thickness3D;
    QString thicknessABD;
    const auto read = [](QString& thickness) {
        return [&thickness](CFormView& results) {
            auto* field = user::Find<QLineEdit>(results, "thickness");
            QVERIFY(field->isVisible() && field->isReadOnly());
            thickness = field->text();
            auto* summary = user::Find<QLabel>(results, "summary");
            QVERIFY(
                summary->text().startsWith("Woven fabric: resin ACG LTM 10, fibre E-Glass, "
                                           "weave Plain, Vf 55 %, warp 1200 1/m at 0°"));
            QVERIFY(summary->mapTo(&results, QPoint(0, 0)).y() <
                    field->mapTo(&results, QPoint(0, 0)).y());
            QVERIFY(field->mapTo(&results, QPoint(0, 0)).y() <
                    user::Find<QLineEdit>(results, "value0")->mapTo(&results, QPoint(0, 0)).y());
            user::Click(results, "Copy");
            QVERIFY(QGuiApplication::clipboard()->text().contains("\nThickness\tmm\t" + thickness +
                                                                  "\n"));
        };
    };
    RunMainForm(
        [&](CFormView& view) {
            user::Choose(view, "weaveList", "Plain");
            TypeExampleFabric(view);
            user::Click(view, "Calculate");
            for (QRadioButton* button : view.findChildren<QRadioButton*>()) {
                if (button->text() == "ABD Properties") {
                    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
                }
            }
            user::Click(view, "Calculate");
        },
        {read(thickness3D), read(thicknessABD)});
    // The same fabric, whichever way its results are shown.
    QVERIFY(thickness3D.toDouble() > 0.0);
    QCOMPARE(thicknessABD, thickness3D);
}

QTEST_MAIN(ResultViewsTest)
#include "ResultViewsTest.moc"

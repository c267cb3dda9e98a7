// The main form's Qt view driven through its widgets: a UD calculation from the lists to the
// report, the case layout, refused input and the field it selects, the menu shortcut and the copy
// key, and the settings forms.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <optional>

#include "MainDialog.h"
#include "MainFormViewSession.h"
#include "RecordingQtWindowSystem.h"
#include "ResultRecords.h"
#include "WeavePreview.h"

class MainFormViewTest : public CMainFormViewSession {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void udCalculationFromListsToReport();
    void caseButtonsSwapFabricAndMicromechanicalControlsInOnePlace();
    void fabricABDResultsReadAsTheirRelationWithRightAlignedMatrices();
    void refusedVolumeFractionsShowTheirMessagesAndCalculateNothing();
    void ctrlCOpensConfigurationFromAFieldWithoutSelectionAndOkStoresSliders();
    void ctrlCCopiesTheSelectionOfAnEditField();
    void refusedFabricDataSelectsTheFirstOffendingField();
    void displayOptionsSpinStepsByDecadesAndCancelDiscards();
    void escapeClosesTheMainFormCancelled();
    void exportWritesTheMaterialAndLeavesTheResultsOpen();
};

// Every test works in an empty directory: no user file, reports written there.
void MainFormViewTest::init() {
    StartSession();
}

void MainFormViewTest::cleanup() {
    FinishSession();
}

void MainFormViewTest::udCalculationFromListsToReport() {
    QString shownEx;
    QString shownAlphaY;
    const auto answerResults = [&](CFormView& results) {
        QCOMPARE(results.windowTitle(), QString("MicroMechanical Model Results"));
        shownEx = user::Text(results, "value0");
        shownAlphaY = user::Text(results, "value8");
        user::Click(results, "Create Output");
    };
    RunMainForm(
        [&](CFormView& view) {
            QCOMPARE(view.windowTitle(), QString("Plycalc"));
            QTest::mouseClick(user::Find<QPushButton>(view, "udCase"), Qt::LeftButton);
            user::Choose(view, "resinList", "Hexcel 8552");
            user::Choose(view, "fibreList", "Hercules AS4");
            user::Choose(view, "elasticModelList", "CCA");
            user::Choose(view, "thermalModelList", "ChamberLain(Hexag)");
            user::Type(view, "fibreVolumeField", "30");
            user::Click(view, "Calculate");
            QVERIFY(view.isVisible());
        },
        {answerResults});

    QCOMPARE(shownEx, QString("68.8578"));
    QCOMPARE(shownAlphaY, QString("42.8975"));
    QCOMPARE(windowSystem_->messages.size(), std::size_t{1});
    const Message& written = windowSystem_->messages.front();
    QCOMPARE(written.text, std::string("Results are written to file: 'results_MM.dat'"));
    QCOMPARE(written.icon, MessageIcon::Information);
    QFile report("results_MM.dat");
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(report.readAll());
    QVERIFY(text.contains("Hexcel 8552"));
    QVERIFY(text.contains("Hercules AS4"));
    QVERIFY(text.contains("ChamberLain(Hexag)"));
    QVERIFY(text.contains("68.8578"));
}

void MainFormViewTest::caseButtonsSwapFabricAndMicromechanicalControlsInOnePlace() {
    RunMainForm([&](CFormView& view) {
        auto* weave = user::Find<QGroupBox>(view, "weaveGroup");
        auto* micromechanical = user::Find<QGroupBox>(view, "micromechanicalGroup");
        auto* warpAngle = user::Find<QLineEdit>(view, "warpAngleField");
        auto* modelType = user::Find<QComboBox>(view, "modelTypeList");
        auto* volume = user::Find<QLineEdit>(view, "fibreVolumeField");
        const auto radio = [&](const QString& text) {
            for (QRadioButton* button : view.findChildren<QRadioButton*>()) {
                if (button->text() == text) {
                    return button;
                }
            }
            return static_cast<QRadioButton*>(nullptr);
        };
        QRadioButton* format3D = radio("3D Properties");
        QRadioButton* formatABD = radio("ABD Properties");
        QRadioButton* average = radio("Average");
        QVERIFY(format3D && formatABD && average);

        QVERIFY(weave->isVisible() && !micromechanical->isVisible());
        QVERIFY(warpAngle->isVisible() && modelType->isVisible() && volume->isVisible());
        QVERIFY(!average->isEnabled());

        auto* preview = dynamic_cast<CWeavePreview*>(user::Find<QWidget>(view, "weavePreview"));
        QVERIFY(preview != nullptr && preview->isVisible());
        user::Choose(view, "weaveList", "Twill 2x1");
        QVERIFY(preview->Weave() != nullptr);
        QCOMPARE(preview->Weave()->Cols(), 6);

        QTest::mouseClick(user::Find<QPushButton>(view, "randomMatCase"), Qt::LeftButton);
        QVERIFY(!weave->isVisible() && micromechanical->isVisible() && !preview->isVisible());
        QVERIFY(!warpAngle->isVisible() && !modelType->isVisible() && volume->isVisible());
        QVERIFY(!average->isVisible());
        QVERIFY(format3D->isChecked() && !format3D->isEnabled() && !formatABD->isEnabled());
        QCOMPARE(micromechanical->pos(), weave->pos());

        QTest::mouseClick(user::Find<QPushButton>(view, "udCase"), Qt::LeftButton);
        QVERIFY(micromechanical->isVisible() && format3D->isChecked());
        QVERIFY(user::Find<QPushButton>(view, "udCase")->isChecked());
        QVERIFY(!user::Find<QPushButton>(view, "randomMatCase")->isChecked());

        QTest::mouseClick(user::Find<QPushButton>(view, "fabricCase"), Qt::LeftButton);
        QVERIFY(weave->isVisible() && !micromechanical->isVisible());
        QVERIFY(formatABD->isEnabled() && !average->isEnabled() && average->isChecked());
        // On the button's circle: a radio button takes clicks on its circle and caption only.
        QTest::mouseClick(formatABD, Qt::LeftButton, {}, QPoint(8, formatABD->height() / 2));
        QVERIFY(formatABD->isChecked() && !format3D->isChecked() && average->isEnabled());
    });
}

// {NT; MT} = [A B; . D] {e; k}: the thermal resultants left of "=", A and B side by side with D
// under B, the strains and curvatures on the right; "Return" writes nothing.
void MainFormViewTest::fabricABDResultsReadAsTheirRelationWithRightAlignedMatrices() {
    using F = FabricABDResults;
    const auto checkLayout = [&](CFormView& results) {
        QCOMPARE(results.windowTitle(), QString("ABD RESULTS"));
        const auto field = [&](int index) {
            return user::Find<QLineEdit>(results, ("value" + std::to_string(index)).c_str());
        };
        const auto at = [&](int index) { return field(index)->mapTo(&results, QPoint(0, 0)); };
        QLabel* equals = nullptr;
        for (QLabel* label : results.findChildren<QLabel*>()) {
            equals = label->text() == "=" ? label : equals;
        }
        QVERIFY(equals != nullptr);
        const int equalsX = equals->mapTo(&results, QPoint(0, 0)).x();
        QVERIFY(at(F::NTx).x() < equalsX && equalsX < at(F::A11).x());
        QVERIFY(at(F::MTx).y() > at(F::NTxy).y());
        QVERIFY(at(F::A11).x() < at(F::A12).x() && at(F::A12).x() < at(F::A16).x());
        QCOMPARE(at(F::A22).x(), at(F::A12).x());
        QVERIFY(at(F::A66).y() > at(F::A22).y());
        QVERIFY(at(F::B11).x() > at(F::A16).x());
        QCOMPARE(at(F::D11).x(), at(F::B11).x());
        QVERIFY(at(F::D11).y() > at(F::B66).y());
        QVERIFY(at(F::EpsilonX).x() > at(F::B16).x());
        QVERIFY(at(F::KappaX).y() > at(F::EpsilonXY).y());
        for (int index : {int(F::A11), int(F::B26), int(F::D66), int(F::D26OverD22)}) {
            QVERIFY(field(index)->alignment() & Qt::AlignRight);
        }
        for (int index : {int(F::NTx), int(F::MTxy), int(F::EpsilonY), int(F::KappaXY)}) {
            QVERIFY(!(field(index)->alignment() & Qt::AlignRight));
        }
        QVERIFY(field(F::A11)->text().toDouble() > 0.0);
        user::Click(results, "Return");
    };
    RunMainForm(
        [&](CFormView& view) {
            user::Choose(view, "weaveList", "Plain");
            TypeExampleFabric(view);
            for (QRadioButton* button : view.findChildren<QRadioButton*>()) {
                if (button->text() == "ABD Properties") {
                    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
                }
            }
            user::Click(view, "Calculate");
        },
        {checkLayout});
    QVERIFY(windowSystem_->messages.empty());
    QVERIFY(!QFile::exists("results_ABD.dat"));
}

// A text that is not a number stops the calculation at the field, which takes the focus; a
// number outside (0, 100) is refused by its own message.
void MainFormViewTest::refusedVolumeFractionsShowTheirMessagesAndCalculateNothing() {
    RunMainForm([&](CFormView& view) {
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::mouseClick(user::Find<QPushButton>(view, "udCase"), Qt::LeftButton);
        user::Type(view, "fibreVolumeField", "6o");
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), user::Find<QLineEdit>(view, "fibreVolumeField"));
        user::Type(view, "fibreVolumeField", "100");
        auto* volume = user::Find<QLineEdit>(view, "fibreVolumeField");
        QTest::mouseClick(user::Find<QPushButton>(view, "udCase"), Qt::LeftButton);
        QVERIFY(QApplication::focusWidget() != volume);
        QTest::keyClick(&view, Qt::Key_Return);
        QVERIFY(view.isVisible());
        // The refused field takes the focus with its text selected, to be typed over.
        QCOMPARE(QApplication::focusWidget(), volume);
        QCOMPARE(volume->selectedText(), QString("100"));
        // Only once: the next command leaves the focus where the user puts it.
        auto* resins = user::Find<QComboBox>(view, "resinList");
        resins->setFocus();
        user::Choose(view, "resinList", "Hexcel 8552");
        QCOMPARE(QApplication::focusWidget(), resins);
    });
    const std::vector<std::string> expected = {"Please enter a number.",
                                               "Invalid fibre volume factor: (0,100) %"};
    QCOMPARE(windowSystem_->MessageTexts(), expected);
    QCOMPARE(windowSystem_->messages.back().caption, std::string("Plycalc"));
    QCOMPARE(windowSystem_->messages.back().icon, MessageIcon::None);
    QVERIFY(windowSystem_->formsShown == std::vector<std::string>{"Plycalc"});
}

void MainFormViewTest::ctrlCOpensConfigurationFromAFieldWithoutSelectionAndOkStoresSliders() {
    const auto configure = [&](CFormView& configuration) {
        QCOMPARE(configuration.windowTitle(), QString("CONFIGURATION"));
        auto* gauss = user::Find<QSlider>(configuration, "gaussPointsSlider");
        QCOMPARE(gauss->minimum(), 1);
        QCOMPARE(gauss->maximum(), 11);
        QCOMPARE(gauss->value(), 8);
        auto* accuracy = user::Find<QSlider>(configuration, "accuracySlider");
        QCOMPARE(accuracy->tickInterval(), 10);
        accuracy->setFocus();
        QTest::keyClick(accuracy, Qt::Key_End);
        QTest::keyClick(gauss, Qt::Key_Left);
        int readoutsOfSeven = 0;
        for (QLabel* label : configuration.findChildren<QLabel*>()) {
            readoutsOfSeven += label->text() == "7" ? 1 : 0;
        }
        QCOMPARE(readoutsOfSeven, 1);
        user::Click(configuration, "OK");
    };
    RunMainForm(
        [&](CFormView& view) {
            auto* volume = user::Find<QLineEdit>(view, "fibreVolumeField");
            QVERIFY(QTest::qWaitForWindowActive(&view));
            volume->setFocus();
            QCOMPARE(QApplication::focusWidget(), volume);
            QTest::keyClick(volume, Qt::Key_C, Qt::ControlModifier);
        },
        {configure});
    QCOMPARE(form_->Configuration().accuracy, 100);
    QCOMPARE(form_->Configuration().gaussPoints, 7);
    QCOMPARE(form_->Configuration().warpUndulation, 100);
}

// With text selected in a field, Ctrl+C is the field's copy and opens nothing; the menu's
// shortcut still works from a list.
void MainFormViewTest::ctrlCCopiesTheSelectionOfAnEditField() {
    QGuiApplication::clipboard()->clear();
    RunMainForm(
        [&](CFormView& view) {
            QVERIFY(QTest::qWaitForWindowActive(&view));
            user::Type(view, "fibreVolumeField", "57.25");
            auto* volume = user::Find<QLineEdit>(view, "fibreVolumeField");
            volume->setFocus();
            volume->setSelection(0, 2);
            QTest::keyClick(volume, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("57"));
            QCOMPARE(volume->text(), QString("57.25"));
            QCOMPARE(windowSystem_->formsShown.size(), std::size_t{1});
            auto* weaves = user::Find<QComboBox>(view, "weaveList");
            weaves->setFocus();
            QTest::keyClick(weaves, Qt::Key_C, Qt::ControlModifier);
        },
        {[](CFormView& configuration) {
            QCOMPARE(configuration.windowTitle(), QString("CONFIGURATION"));
        }});
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("57"));
}

// "Invalid data values" sends the user to the first field at fault, top to bottom: here the fill
// angle, parallel to the warp.
void MainFormViewTest::refusedFabricDataSelectsTheFirstOffendingField() {
    RunMainForm([&](CFormView& view) {
        QVERIFY(QTest::qWaitForWindowActive(&view));
        user::Type(view, "fibreVolumeField", "55");
        user::Type(view, "warpCountField", "1200");
        user::Type(view, "fillCountField", "1150.5");
        user::Type(view, "arealDensityField", "0.2");
        user::Type(view, "warpAngleField", "90");
        user::Type(view, "fillAngleField", "270");
        user::Find<QLineEdit>(view, "fibreVolumeField")->setFocus();
        user::Click(view, "Calculate");
        auto* fill = user::Find<QLineEdit>(view, "fillAngleField");
        QCOMPARE(QApplication::focusWidget(), fill);
        QCOMPARE(fill->selectedText(), QString("270"));
        user::Type(view, "fillCountField", "0");
        user::Click(view, "Calculate");
        QCOMPARE(QApplication::focusWidget(), user::Find<QLineEdit>(view, "fillCountField"));
    });
    QCOMPARE(windowSystem_->MessageTexts(),
             (std::vector<std::string>{"Invalid data values", "Invalid data values"}));
}

void MainFormViewTest::displayOptionsSpinStepsByDecadesAndCancelDiscards() {
    const auto stepAndCancel = [&](CFormView& options) {
        auto* decrease = user::Find<QToolButton>(options, "abdMinimumDecrease");
        QVERIFY(decrease != nullptr);
        for (int step = 0; step < 3; ++step) {
            QTest::mouseClick(decrease, Qt::LeftButton);
        }
        QCOMPARE(user::Text(options, "abdMinimumField"), QString("1e-13"));
        QVERIFY(user::Find<QLineEdit>(options, "abdMinimumField")->isReadOnly());
        user::Click(options, "Cancel");
    };
    const auto stepAndKeep = [&](CFormView& options) {
        QCOMPARE(user::Text(options, "abdMinimumField"), QString("1e-10"));
        QTest::mouseClick(user::Find<QToolButton>(options, "thermalMinimumIncrease"),
                          Qt::LeftButton);
        user::Click(options, "OK");
    };
    RunMainForm(
        [&](CFormView& view) {
            QAction* display = nullptr;
            for (QAction* action : view.findChildren<QAction*>()) {
                display = action->text() == "&Display" ? action : display;
            }
            QVERIFY(display != nullptr);
            display->trigger();
            display->trigger();
        },
        {stepAndCancel, stepAndKeep});
    QCOMPARE(form_->DisplaySettings().abdMinimum, 1e-10);
    QCOMPARE(form_->DisplaySettings().thermalMinimum, 1e-14);
}

void MainFormViewTest::escapeClosesTheMainFormCancelled() {
    const FormResult result = RunMainForm([&](CFormView& view) {
        user::Type(view, "fibreVolumeField", "50");
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.isVisible());
    });
    QCOMPARE(result, FormResult::Cancelled);
    QVERIFY(windowSystem_->messages.empty());
    QVERIFY(!QFile::exists("userData.dat"));
}

void MainFormViewTest::exportWritesTheMaterialAndLeavesTheResultsOpen() {
    windowSystem_->QueueSaveFile({"ply", 2});  // Nastran, the extension left to the form
    bool stillOpen = false;
    RunMainForm(
        [&](CFormView& view) {
            QTest::mouseClick(user::Find<QPushButton>(view, "udCase"), Qt::LeftButton);
            user::Type(view, "fibreVolumeField", "60");
            user::Click(view, "Calculate");
        },
        {[&](CFormView& results) {
            user::Click(results, "Export...");
            stillOpen = results.isVisible();
            user::Click(results, "Return");
        }});
    QVERIFY(stillOpen);
    QCOMPARE(windowSystem_->saveQuestions.size(), std::size_t{1});
    QCOMPARE(windowSystem_->MessageTexts(),
             std::vector<std::string>{"Nastran material written to file: 'ply.bdf'"});
    QFile card("ply.bdf");
    QVERIFY(card.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(card.readAll()).contains("\nMAT8*"));
}

QTEST_MAIN(MainFormViewTest)
#include "MainFormViewTest.moc"

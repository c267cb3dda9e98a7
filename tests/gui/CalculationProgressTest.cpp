// Long calculations in the Qt program: a Fine "Basket 8x8" finite-element run leaves the GUI
// thread free (a timer keeps firing, the library runs on another thread), shows its progress
// window, and Cancel returns at once with the forms as they were; the abandoned run is waited for
// by the next Calculate.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

#include "MainDialog.h"
#include "MainFormViewSession.h"
#include "RecordingQtWindowSystem.h"

namespace {

// The longest a Cancel may take to give the main form back.
constexpr qint64 kCancelLatencyMs = 500;

// The real library behind a gate: the run may be held at the start of its factorisation until
// the test opens the gate, so that Cancel certainly arrives while it runs. Records the thread
// of each call and what the library returned.
class CGatedLibrary {
public:
    explicit CGatedLibrary(bool holding) : holding_(holding) {}

    WFProgressPropertiesFunction EntryPoint() {
        return [this](short model, bool isoStrain, const CWeave* weave, short gaussPoints,
                      double vf, const double* resin, const double* fibre, const double* fabric,
                      double fillAngle, double warpAngle, const double* cellFactors, int reductions,
                      double* out, WFProgressCallback progress, void* user) {
            callThread = std::this_thread::get_id();
            inner_ = progress;
            innerUser_ = user;
            const bool accepted = WFPropertiesWithProgress(
                model, isoStrain, weave, gaussPoints, vf, resin, fibre, fabric, fillAngle,
                warpAngle, cellFactors, reductions, out, &CGatedLibrary::AtStage, this);
            results.push_back(accepted);
            return accepted;
        };
    }

    void Open() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            holding_ = false;
        }
        released_.notify_all();
    }

    std::atomic<bool> held = false;
    std::thread::id callThread;
    std::vector<bool> results;  // written on the work's thread, read once it has stopped

private:
    static bool AtStage(int stage, void* user) {
        auto& self = *static_cast<CGatedLibrary*>(user);
        if (stage == kWFStageFactorisation) {
            std::unique_lock<std::mutex> lock(self.mutex_);
            self.held = self.holding_;
            self.released_.wait_for(lock, std::chrono::seconds(20),
                                    [&self] { return !self.holding_; });
        }
        return self.inner_(stage, self.innerUser_);
    }

    std::mutex mutex_;
    std::condition_variable released_;
    bool holding_;
    WFProgressCallback inner_ = nullptr;
    void* innerUser_ = nullptr;
};

QWidget* ProgressWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "workProgress" && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

}  // namespace

class CalculationProgressTest : public CMainFormViewSession {
    Q_OBJECT

private slots:
    void init() { StartSession(); }
    void cleanup() { FinishSession(); }

    void timerFiresInTheGuiThreadDuringAFineBasketRun();
    void cancelReturnsAtOnceAndTheNextCalculateWaitsForTheAbandonedRun();
    void workWithoutStagesRunsElsewhereUnderABusyCursorWithoutAWindow();
    void anAbandonedWorkIsWaitedForWhenTheWindowSystemGoes();

private:
    // Configuration at Fine, then "Basket 8x8" as ABD results by finite elements.
    void SetUpFineBasket(CFormView& view);
    static CRecordingQtWindowSystem::Script FineAccuracy();
    static QStringList FieldTexts(CFormView& view);
};

CRecordingQtWindowSystem::Script CalculationProgressTest::FineAccuracy() {
    return [](CFormView& configuration) {
        QCOMPARE(configuration.windowTitle(), QString("CONFIGURATION"));
        auto* accuracy = user::Find<QSlider>(configuration, "accuracySlider");
        QVERIFY(accuracy != nullptr);
        accuracy->setFocus();
        QTest::keyClick(accuracy, Qt::Key_Home);
        QCOMPARE(accuracy->value(), 0);
        user::Click(configuration, "OK");
    };
}

void CalculationProgressTest::SetUpFineBasket(CFormView& view) {
    for (QAction* action : view.findChildren<QAction*>()) {
        if (action->text() == "&Configuration") {
            action->trigger();
        }
    }
    QCOMPARE(form_->Configuration().accuracy, 0);
    user::Choose(view, "resinList", "Hexcel RTM6");
    user::Choose(view, "fibreList", "Tenax HTA");
    user::Choose(view, "weaveList", "Basket 8x8");
    TypeExampleFabric(view);
    for (const char* text : {"ABD Properties", "Finite Elements"}) {
        for (QRadioButton* button : view.findChildren<QRadioButton*>()) {
            if (button->text() == text) {
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            }
        }
    }
    QCOMPARE(form_->MethodButtons().Selection(), int(CMainDialog::kFiniteElementsMethod));
}

QStringList CalculationProgressTest::FieldTexts(CFormView& view) {
    QStringList texts;
    for (const char* name : {"fibreVolumeField", "warpCountField", "fillCountField",
                             "arealDensityField", "warpAngleField", "fillAngleField"}) {
        texts << user::Text(view, name);
    }
    return texts;
}

void CalculationProgressTest::timerFiresInTheGuiThreadDuringAFineBasketRun() {
    CGatedLibrary library(false);
    WeftcoreEntryPoints entryPoints = WeftcoreEntryPoints::Library();
    entryPoints.wfProperties = library.EntryPoint();
    form_->SetEntryPoints(entryPoints);

    int ticks = 0;
    int ticksWhenResultsOpened = -1;
    QTimer timer;
    timer.setInterval(2);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QCOMPARE(QThread::currentThread(), qApp->thread());
        ++ticks;
    });
    const auto results = [&](CFormView& shown) {
        ticksWhenResultsOpened = ticks;
        QCOMPARE(shown.windowTitle(), QString("ABD RESULTS"));
        QVERIFY(user::Text(shown, "value0").toDouble() > 0.0);
        user::Click(shown, "Return");
    };
    RunMainForm(
        [&](CFormView& view) {
            SetUpFineBasket(view);
            timer.start();
            user::Click(view, "Calculate");
            timer.stop();
        },
        {FineAccuracy(), results});

    qInfo("the GUI thread's timer fired %d times during the run", ticksWhenResultsOpened);
    QVERIFY2(ticksWhenResultsOpened >= 2,
             qPrintable(QString("%1 ticks during the run").arg(ticksWhenResultsOpened)));
    QVERIFY(library.callThread != std::thread::id());
    QVERIFY(library.callThread != std::this_thread::get_id());
    QCOMPARE(library.results, std::vector<bool>{true});
    QVERIFY(windowSystem_->messages.empty());
    QVERIFY(!windowSystem_->HasAbandonedWork());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void CalculationProgressTest::cancelReturnsAtOnceAndTheNextCalculateWaitsForTheAbandonedRun() {
    CGatedLibrary library(true);
    WeftcoreEntryPoints entryPoints = WeftcoreEntryPoints::Library();
    entryPoints.wfProperties = library.EntryPoint();
    form_->SetEntryPoints(entryPoints);

    QElapsedTimer clock;
    qint64 cancelPressedAt = -1;
    qint64 calculateReturnedAt = -1;
    int ticksBeforeCancel = 0;
    QString stageShown;
    Qt::CursorShape cursorShown = Qt::ArrowCursor;
    QTimer user;  // the user, watching for the progress window
    user.setInterval(5);
    QObject::connect(&user, &QTimer::timeout, [&] {
        ++ticksBeforeCancel;
        QWidget* progress = ProgressWindow();
        if (progress == nullptr || !library.held) {
            return;
        }
        user.stop();
        stageShown = user::Find<QLabel>(*progress, "stage")->text();
        cursorShown = QApplication::overrideCursor()->shape();
        QVERIFY(progress->isModal());
        cancelPressedAt = clock.elapsed();
        user::Click(*progress, "Cancel");
    });

    bool resultsShown = false;
    RunMainForm(
        [&](CFormView& view) {
            SetUpFineBasket(view);
            const QStringList before = FieldTexts(view);
            const CalculationInputs lastBefore = form_->LastInputs();
            clock.start();
            user.start();
            user::Click(view, "Calculate");
            calculateReturnedAt = clock.elapsed();

            QVERIFY(cancelPressedAt >= 0);
            QVERIFY(view.isVisible());
            QCOMPARE(FieldTexts(view), before);
            QCOMPARE(form_->LastInputs().fibreVolumePercent, lastBefore.fibreVolumePercent);
            QVERIFY(ProgressWindow() == nullptr);
            QVERIFY(QApplication::overrideCursor() == nullptr);
            QVERIFY(windowSystem_->HasAbandonedWork());

            // The next Calculate waits for the abandoned run, which stops once let go.
            QTimer::singleShot(100, [&] { library.Open(); });
            user::Click(view, "Calculate");
            QVERIFY(!windowSystem_->HasAbandonedWork());
        },
        {FineAccuracy(), [&](CFormView& shown) {
             resultsShown = true;
             QCOMPARE(shown.windowTitle(), QString("ABD RESULTS"));
             user::Click(shown, "Return");
         }});

    const qint64 latency = calculateReturnedAt - cancelPressedAt;
    qInfo("Cancel gave the main form back after %lld ms", static_cast<long long>(latency));
    QVERIFY2(latency < kCancelLatencyMs, qPrintable(QString("%1 ms").arg(latency)));
    QVERIFY(ticksBeforeCancel >= 2);
    QCOMPARE(stageShown, QString("Stage 1 of 3: Assembly of the unit cell's stiffness"));
    QCOMPARE(cursorShown, Qt::BusyCursor);
    // The cancelled run stopped at the factorisation, the second ran in full.
    QCOMPARE(library.results, (std::vector<bool>{false, true}));
    QVERIFY(resultsShown);
    QVERIFY(windowSystem_->messages.empty());
    QCOMPARE(windowSystem_->formsShown,
             (std::vector<std::string>{"Plycalc", "CONFIGURATION", "ABD RESULTS"}));
    QVERIFY(!QFile::exists("results_ABD.dat"));
}

// A piece of work without stages: on another thread, a wait cursor while it runs, no progress
// window however long it takes, and an exception inside it is no crash.
void CalculationProgressTest::workWithoutStagesRunsElsewhereUnderABusyCursorWithoutAWindow() {
    CQtWindowSystem windowSystem;
    std::thread::id workThread;
    bool windowSeen = false;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        windowSeen = windowSeen || ProgressWindow() != nullptr;
        if (QApplication::overrideCursor() != nullptr) {
            cursor = QApplication::overrideCursor()->shape();
        }
    });
    watcher.start();
    const WorkOutcome outcome = windowSystem.RunWork(WorkRequest{}, [&](IProgressSink&) {
        workThread = std::this_thread::get_id();
        std::this_thread::sleep_for(
            std::chrono::milliseconds(3 * CQtWindowSystem::kProgressDelayMs));
    });
    watcher.stop();
    QCOMPARE(outcome, WorkOutcome::Finished);
    QVERIFY(workThread != std::this_thread::get_id());
    QVERIFY(!windowSeen);
    QCOMPARE(cursor, Qt::WaitCursor);
    QVERIFY(QApplication::overrideCursor() == nullptr);

    QCOMPARE(windowSystem.RunWork(WorkRequest{}, [](IProgressSink&) { throw std::bad_alloc(); }),
             WorkOutcome::Finished);
}

// Cancelled work that is still running when the window system goes (the program ending) is
// waited for: its thread is not left to run into freed memory.
void CalculationProgressTest::anAbandonedWorkIsWaitedForWhenTheWindowSystemGoes() {
    class CCancellingWindowSystem : public CQtWindowSystem {
    protected:
        void ProgressShown(QDialog& progress) override { progress.reject(); }
    };
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    {
        CCancellingWindowSystem windowSystem;
        WorkRequest request;
        request.stages = {"One", "Two"};
        const WorkOutcome outcome =
            windowSystem.RunWork(request, [stopped](IProgressSink& progress) {
                progress.EnterStage(0);
                while (!progress.Cancelled()) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                }
                // The rest of the stage under way.
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                *stopped = true;
            });
        QCOMPARE(outcome, WorkOutcome::Cancelled);
        QVERIFY(windowSystem.HasAbandonedWork());
        QVERIFY(!*stopped);
    }
    QVERIFY(*stopped);
}

QTEST_MAIN(CalculationProgressTest)
#include "CalculationProgressTest.moc"

// The property chart's Qt view driven through its widgets from the main form: the series Qt
// Charts draws, the range and property controls, the read-out under the pointer, the export of
// PNG, SVG and CSV, and the finite-element points arriving from the worker thread.
#include <QAreaSeries>
#include <QChart>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QTest>

#include "ChartCanvas.h"
#include "MainDialog.h"
#include "MainFormViewSession.h"
#include "RecordingQtWindowSystem.h"

class ChartViewTest : public CMainFormViewSession {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void udChartDrawsEveryModelAndReadsOutThePointUnderThePointer();
    void exportWritesPngSvgAndCsv();
    void finiteElementPointsArriveFromTheWorkerThread();
};

namespace {

QChart* ChartOf(CFormView& view) {
    auto* canvas = user::Find<CChartCanvas>(view, "chart");
    return canvas != nullptr ? canvas->chart() : nullptr;
}

template <typename Series>
int CountOf(QChart* chart) {
    int count = 0;
    for (QAbstractSeries* series : chart->series()) {
        count += qobject_cast<Series*>(series) != nullptr ? 1 : 0;
    }
    return count;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A UD ply of AS4 in 8552 at the given volume fraction, in the main form's widgets.
void TypeUD(CFormView& view, const QString& vf) {
    QTest::mouseClick(user::Find<QPushButton>(view, "udCase"), Qt::LeftButton);
    user::Choose(view, "resinList", "Hexcel 8552");
    user::Choose(view, "fibreList", "Hercules AS4");
    user::Type(view, "fibreVolumeField", vf);
}

}  // namespace

void ChartViewTest::init() {
    StartSession();
}

void ChartViewTest::cleanup() {
    FinishSession();
}

void ChartViewTest::udChartDrawsEveryModelAndReadsOutThePointUnderThePointer() {
    QString note;
    QString readout;
    QString readoutAway;
    RunMainForm(
        [&](CFormView& view) {
            TypeUD(view, "85");
            user::Click(view, "Calculate");
            user::Click(view, "Chart...");
        },
        {[&](CFormView& results) {
             auto* label = user::Find<QLabel>(results, "note");
             QVERIFY(label != nullptr && label->isVisible());
             note = label->text();
         },
         [&](CFormView& view) {
             QCOMPARE(view.windowTitle(), QString("Property Chart"));
             QChart* chart = ChartOf(view);
             QVERIFY(chart != nullptr);
             // Six elastic models and the current fraction (85 %, beyond the range's 75 %, where
             // the axis reaches for it and the square packing region begins).
             QCOMPARE(CountOf<QLineSeries>(chart), 7);
             QCOMPARE(CountOf<QAreaSeries>(chart), 1);

             user::Choose(view, "propertyList", "α y = α z [ppm/K]");
             user::Type(view, "toField", "95");
             user::Type(view, "stepField", "2");
             user::Click(view, "Draw");
             chart = ChartOf(view);
             QCOMPARE(CountOf<QLineSeries>(chart), 8);  // seven thermal models
             QCOMPARE(CountOf<QAreaSeries>(chart), 2);
             QVERIFY(chart->title().startsWith("α y = α z of a UD ply"));

             // The pointer on the first model's point at 51 %.
             QLineSeries* first = nullptr;
             for (QAbstractSeries* series : chart->series()) {
                 if (auto* line = qobject_cast<QLineSeries*>(series); line && !first) {
                     first = line;
                 }
             }
             QVERIFY(first != nullptr);
             const QPointF point = first->at(23);
             auto* canvas = user::Find<CChartCanvas>(view, "chart");
             const QPoint at =
                 canvas->mapFromScene(chart->mapToScene(chart->mapToPosition(point, first)));
             QMouseEvent move(QEvent::MouseMove, at, canvas->viewport()->mapToGlobal(at),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(canvas->viewport(), &move);
             readout = user::Find<QLabel>(view, "readout")->text();
             QMouseEvent away(QEvent::MouseMove, QPoint(2, 2),
                              canvas->viewport()->mapToGlobal(QPoint(2, 2)), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(canvas->viewport(), &away);
             readoutAway = user::Find<QLabel>(view, "readout")->text();
         }});
    QCOMPARE(note,
             QString("Note: round fibres cannot pack to 85 % in a square array (at most 78.5 %)."));
    QVERIFY2(readout.startsWith("CCA, Vf 51 %: α y = α z ") && readout.endsWith(" ppm/K"),
             qPrintable(readout));
    QCOMPARE(readoutAway, QString());
}

void ChartViewTest::exportWritesPngSvgAndCsv() {
    windowSystem_->QueueSaveFile({"chart.png", 0});
    windowSystem_->QueueSaveFile({"chart", 1});
    windowSystem_->QueueSaveFile({"chart.csv", 2});
    RunMainForm(
        [&](CFormView& view) {
            TypeUD(view, "60");
            user::Click(view, "Chart...");
        },
        {[&](CFormView& view) {
            for (int i = 0; i < 3; ++i) {
                user::Click(view, "Export...");
            }
            QVERIFY(view.isVisible());
        }});
    QCOMPARE(windowSystem_->saveQuestions.front().filters,
             (std::vector<std::string>{"PNG image (*.png)", "SVG drawing (*.svg)",
                                       "CSV table (*.csv)"}));
    QCOMPARE(windowSystem_->MessageTexts(),
             (std::vector<std::string>{"Chart written to file: 'chart.png'",
                                       "Chart written to file: 'chart.svg'",
                                       "Chart written to file: 'chart.csv'"}));
    QVERIFY(Contents("chart.png").startsWith("\x89PNG"));
    const QByteArray svg = Contents("chart.svg");
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("Ex of a UD ply"));
    QVERIFY(Contents("chart.csv").startsWith("vf [%],CCA Ex [GPa],"));
}

void ChartViewTest::finiteElementPointsArriveFromTheWorkerThread() {
    QString status;
    int points = 0;
    RunMainForm(
        [&](CFormView& view) {
            user::Type(view, "warpCountField", "1000");
            user::Type(view, "fillCountField", "1200");
            user::Type(view, "arealDensityField", "0.3");
            user::Type(view, "fibreVolumeField", "50");
            user::Type(view, "warpAngleField", "0");
            user::Type(view, "fillAngleField", "90");
            view.RunCommand([this] { form_->ChooseABDProperties(); });
            view.RunCommand([this] { form_->ChooseFiniteElementsMethod(); });
            user::Click(view, "Chart...");
        },
        {[&](CFormView& view) {
            auto* label = user::Find<QLabel>(view, "status");
            QTRY_VERIFY_WITH_TIMEOUT(label->text().startsWith("Finite elements: 5 of 5"), 30000);
            status = label->text();
            QChart* chart = ChartOf(view);
            for (QAbstractSeries* series : chart->series()) {
                if (auto* scatter = qobject_cast<QScatterSeries*>(series)) {
                    points = static_cast<int>(scatter->count());
                }
            }
        }});
    // At 75 % the fibre no longer fits in these yarns: that fraction has no result.
    QCOMPARE(status, QString("Finite elements: 5 of 5 volume fractions computed, 1 without a "
                             "finite result"));
    QCOMPARE(points, 4);
}

QTEST_MAIN(ChartViewTest)
#include "ChartViewTest.moc"

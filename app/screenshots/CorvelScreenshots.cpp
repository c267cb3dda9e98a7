// corvel-screenshots: renders every form of the desktop program to PNG files, as a user would
// meet them: the main form in the fabric and UD cases, the four result forms on real
// calculations, the settings forms, About, the two creation forms, the property chart of a
// UD ply (Ey by every elastic model) and of a woven fabric (Ex between its two bounds), the
// materials window with a user resin in it, and the progress window of a finite-element
// calculation, which is then cancelled. Runs on any Qt platform, the offscreen one included;
// reads and writes no user file and no report.
//
// Usage: corvel-screenshots OUTPUT_DIRECTORY
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "ChartFiles.h"
#include "FormView.h"
#include "MainDialog.h"
#include "QtWindowSystem.h"

namespace {

// The file name of a form's picture: its title in lower case, words joined by '-'.
std::string FileNameOf(const std::string& title) {
    return FileStem(title) + ".png";
}

void SelectEntry(CListControl& list, const std::string& text) {
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Text(i) == text) {
            list.Select(i);
        }
    }
}

// The library's finite-element model held at the start of its load cases until the picture of the
// progress window is taken, so that the picture shows a run in progress however fast the machine.
class CHeldFiniteElements {
public:
    WFProgressPropertiesFunction EntryPoint() {
        return [this](short model, bool isoStrain, const CWeave* weave, short gaussPoints,
                      double vf, const double* resin, const double* fibre, const double* fabric,
                      double fillAngle, double warpAngle, const double* cellFactors, int reductions,
                      double* out, WFProgressCallback progress, void* user) {
            inner_ = progress;
            innerUser_ = user;
            return WFPropertiesWithProgress(model, isoStrain, weave, gaussPoints, vf, resin, fibre,
                                            fabric, fillAngle, warpAngle, cellFactors, reductions,
                                            out, &CHeldFiniteElements::AtStage, this);
        };
    }
    void Release() { released_ = true; }

private:
    static bool AtStage(int stage, void* user) {
        auto& self = *static_cast<CHeldFiniteElements*>(user);
        const bool cancel = self.inner_(stage, self.innerUser_);
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (stage == kWFStageCases && !self.released_ &&
               std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return cancel || self.inner_(kWFStageFinished, self.innerUser_);
    }

    WFProgressCallback inner_ = nullptr;
    void* innerUser_ = nullptr;
    std::atomic<bool> released_ = false;
};

// A window system that photographs every form it opens. The main form takes the tour of the
// other forms; every other form is photographed and closed.
class CScreenshotWindowSystem : public CQtWindowSystem {
public:
    explicit CScreenshotWindowSystem(QDir output) : output_(std::move(output)) {}

    int Failures() const { return failures_; }

    MessageAnswer ShowMessage(const Message& message) override {
        std::fprintf(stderr, "message: %s\n", message.text.c_str());
        return MessageAnswer::No;
    }

protected:
    void FormShown(CFormView& view) override {
        if (auto* main = dynamic_cast<CMainDialog*>(&view.Form())) {
            TourMainForm(view, *main);
        } else if (auto* chart = dynamic_cast<CChartForm*>(&view.Form())) {
            ShootChart(view, *chart);
        } else if (auto* materials = dynamic_cast<CMaterialsDialog*>(&view.Form())) {
            // The user resin, the last row, selected: its buttons are enabled.
            view.RunCommand(
                [&] { materials->SelectResin(materials->ResinTable().RowCount() - 1); });
            Shoot(view, FileNameOf(view.Form().Title()));
        } else {
            Shoot(view, FileNameOf(view.Form().Title()));
        }
        view.reject();
    }

private:
    // The offscreen platform draws no window frame, so the picture gets a plain title bar with
    // the form's caption. Forms are shot at the size their contents ask for, unless `keepSize`.
    void Shoot(QWidget& view, const std::string& fileName, bool keepSize = false) {
        if (!keepSize) {
            view.adjustSize();
        }
        QApplication::processEvents();
        const QPixmap contents = view.grab();
        const int titleHeight = view.fontMetrics().height() + 10;
        QPixmap picture(contents.width(), contents.height() + titleHeight);
        picture.fill(view.palette().color(QPalette::Window));
        QPainter painter(&picture);
        painter.fillRect(0, 0, picture.width(), titleHeight, view.palette().color(QPalette::Dark));
        painter.setPen(view.palette().color(QPalette::BrightText));
        QFont bold = view.font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(QRect(0, 0, picture.width(), titleHeight), Qt::AlignCenter,
                         view.windowTitle());
        painter.drawPixmap(0, titleHeight, contents);
        painter.end();
        const QString path = output_.filePath(QString::fromStdString(fileName));
        if (!picture.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures_;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }

    // What the next chart shows, and the picture's file.
    struct ChartShot {
        std::string property;
        std::string from;
        std::string to;
        std::string fileName;
    };

    void OpenChart(CFormView& view, CMainDialog& main, ChartShot shot) {
        chartShot_ = std::move(shot);
        view.RunCommand([&] { main.OpenChart(); });
    }

    void ShootChart(CFormView& view, CChartForm& chart) {
        SelectEntry(chart.PropertyList(), chartShot_.property);
        chart.FromField().SetText(chartShot_.from);
        chart.ToField().SetText(chartShot_.to);
        view.RunCommand([&] { chart.Draw(); });
        view.resize(1000, 700);
        QApplication::processEvents();
        Shoot(view, chartShot_.fileName, true);
    }

    void TourMainForm(CFormView& view, CMainDialog& main) {
        Shoot(view, "plycalc-fabric.png");
        view.RunCommand([&] { main.OpenAbout(); });
        view.RunCommand([&] { main.OpenConfiguration(); });
        view.RunCommand([&] { main.OpenDisplayOptions(); });
        view.RunCommand([&] { main.CreateResin(); });
        view.RunCommand([&] { main.CreateFibre(); });

        // A woven fabric of carbon in epoxy, as 3D constants and as a laminate.
        SelectEntry(main.ResinList(), "Hexcel RTM6");
        SelectEntry(main.FibreList(), "Tenax HTA");
        SelectEntry(main.WeaveList(), "Satin  5H");
        main.FibreVolumeField().SetText("55");
        main.WarpCountField().SetText("1200");
        main.FillCountField().SetText("1150.5");
        main.ArealDensityField().SetText("0.2");
        main.WarpAngleField().SetText("0");
        main.FillAngleField().SetText("90");
        view.RunCommand([&] { main.Calculate(); });
        // Up to 65 %: near 70 % this fabric's yarns fill their cross-sections and the iso-stress
        // average passes through a pole.
        OpenChart(view, main, {"Ex [GPa]", "5", "65", "property-chart-fabric.png"});
        view.RunCommand([&] { main.ChooseABDProperties(); });
        Shoot(view, "plycalc-fabric-abd.png");
        view.RunCommand([&] { main.Calculate(); });

        // The same materials as a random mat and as a UD ply.
        view.RunCommand([&] { main.ChooseRandomMatCase(); });
        view.RunCommand([&] { main.Calculate(); });
        view.RunCommand([&] { main.ChooseUDCase(); });
        Shoot(view, "plycalc-ud.png");
        view.RunCommand([&] { main.Calculate(); });
        // Past both packing limits of round fibres.
        OpenChart(view, main, {"Ey = Ez [GPa]", "5", "95", "property-chart-ud.png"});

        // A resin the user defined, held in memory only (no user file is written), among the
        // catalogue's materials.
        main.UserMaterials().AddResin(
            ResinRecord{"Vinyl ester 411", "J. Smith", "14/03/2024", {3.4e9, 0.35, 6.5e-5}});
        view.RunCommand([&] { main.OpenMaterials(); });

        // The finest finite-element model of the largest weave, photographed in its third stage
        // and cancelled.
        CHeldFiniteElements held;
        WeftcoreEntryPoints entryPoints = WeftcoreEntryPoints::Library();
        entryPoints.wfProperties = held.EntryPoint();
        main.SetEntryPoints(entryPoints);
        held_ = &held;
        view.RunCommand([&] { main.ChooseFabricCase(); });
        SelectEntry(main.WeaveList(), "Basket 8x8");
        view.RunCommand([&] { main.ChooseABDProperties(); });
        view.RunCommand([&] { main.ChooseFiniteElementsMethod(); });
        view.RunCommand([&] { main.Calculate(); });
        held_ = nullptr;
        main.SetEntryPoints(WeftcoreEntryPoints::Library());
        if (!progressShot_) {
            std::fprintf(stderr, "the progress window did not open\n");
            ++failures_;
        }
    }

    void ProgressShown(QDialog& progress) override {
        auto* stage = progress.findChild<QLabel*>("stage");
        QElapsedTimer waited;
        waited.start();
        while (stage != nullptr && !stage->text().startsWith("Stage 3") &&
               waited.elapsed() < 5000) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        Shoot(progress, "calculation-progress.png");
        progressShot_ = true;
        progress.reject();
        if (held_ != nullptr) {
            held_->Release();
        }
    }

    QDir output_;
    int failures_ = 0;
    CHeldFiniteElements* held_ = nullptr;
    bool progressShot_ = false;
    ChartShot chartShot_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvel-screenshots OUTPUT_DIRECTORY\n");
        return 2;
    }
    QDir output(QString::fromLocal8Bit(argv[1]));
    if (!output.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // No user file is read or written: the pictures show the built-in catalogue, and the materials
    // window the one user resin the tour adds in memory.
    QTemporaryDir scratch;
    CScreenshotWindowSystem windowSystem(output);
    CMainDialog main(windowSystem, scratch.filePath("userData.dat").toStdString());
    windowSystem.RunModal(main);
    return windowSystem.Failures() == 0 ? 0 : 1;
}

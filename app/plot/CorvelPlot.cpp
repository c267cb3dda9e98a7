// corvel-plot: the charts of `corvel-cli plot`, which runs this program with its own command line
// so that corvel-cli itself needs no Qt. Draws with Qt Charts on the offscreen platform: no
// display is needed, and none is used when there is one.
//
// Usage: corvel-plot plot ud|mat|fabric ... --property NAME [--vf START:STOP:STEP] --output FILE
#include <QApplication>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "ChartCanvas.h"
#include "PlotRequest.h"

namespace {

// Qt's own remarks on the offscreen platform (no runtime directory, no window manager) are not
// the user's business; only its critical and fatal messages go to the error stream.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "corvel-plot: " << message.toStdString() << '\n';
    }
}

// The size of the pictures [pixels]: a page's width at a screen's resolution.
constexpr int kPictureWidth = 1000;
constexpr int kPictureHeight = 640;

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit fails the write of the chart, which is then taken back, rather than
    // ending the program half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    // Qt takes its own options out of the arguments it is given; the command line is read from a
    // copy.
    const std::vector<std::string> arguments(argv, argv + argc);
    std::vector<const char*> commandLine;
    for (const std::string& argument : arguments) {
        commandLine.push_back(argument.c_str());
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietMessages);
    QApplication application(argc, argv);

    // Shown on the offscreen platform, the canvas lays its chart out at its size as a window
    // does.
    CChartCanvas canvas;
    canvas.resize(kPictureWidth, kPictureHeight);
    canvas.show();
    const ChartPainter paint = [&canvas](const ChartModel& chart, ChartFileFormat format) {
        canvas.Show(chart);
        QApplication::processEvents();
        return canvas.Picture(format);
    };
    return RunPlot(static_cast<int>(commandLine.size()), commandLine.data(), std::cout, std::cerr,
                   paint, CChartCanvas::CanDrawSvg());
}

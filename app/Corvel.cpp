// Corvel, the desktop calculator: the main form "Plycalc" on Qt Widgets. The user's own
// materials are read from "userData.dat" in the working directory when the form opens and
// written back only at a confirmed "Exit".
#include <QApplication>

#include "Application.h"
#include "QtWindowSystem.h"

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    CQtWindowSystem windowSystem;
    CApplication application(windowSystem, "userData.dat");
    application.Run();
    return 0;
}

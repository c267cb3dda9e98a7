#pragma once

#include <string>

#include "MainDialog.h"
#include "WindowSystem.h"

// The program: runs the main form modally and, when it ends accepted (the user agreed at "Exit"
// to write the user file), saves the user's materials. A save that fails is reported with the
// file and the reason, and the main form is shown again with everything in it, so the user can
// try again or leave without saving.
class CApplication {
public:
    explicit CApplication(IWindowSystem& windowSystem, std::string userFileName = "userData.dat");

    CMainDialog& MainDialog() { return mainDialog_; }
    void Run();

private:
    IWindowSystem& windowSystem_;
    CMainDialog mainDialog_;
};

#include "AboutDialog.h"

CAboutDialog::CAboutDialog(IWindowSystem& windowSystem) : CForm(windowSystem, "About Plycalc") {}

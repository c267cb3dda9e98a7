#pragma once

#include "Control.h"
#include "Form.h"

// The About form: the program's name and version with an OK button.
class CAboutDialog : public CForm {
public:
    explicit CAboutDialog(IWindowSystem& windowSystem);

    const CLabel& VersionText() const { return versionText_; }
    const CButton& OkButton() const { return okButton_; }

private:
    CLabel versionText_{"Plycalc Version 2.2"};
    CButton okButton_{"OK", true};
};

#pragma once

#include <string>

#include "Control.h"
#include "Form.h"
#include "NumberField.h"
#include "ResinRecord.h"

// The "User defined resin" form. The user types name, user and date, and E [GPa], nu and
// alpha [ppm/K]; "Create" accepts only a finite E > 0, a finite nu in (-1, 0.5), a finite alpha
// and a non-empty name that the user-material file can store (no tab, line feed or section
// word) and that is not the list's "User defined" entry. Each refusal is an exclamation message
// captioned "USER-DEFINED RESIN" and leaves the form open with what was typed. The form keeps its
// values between openings; Preset() gives the blank start of a new creation.
class CResinDialog : public CForm {
public:
    explicit CResinDialog(IWindowSystem& windowSystem);

    void Preset();
    void PressCreate() { PressOK(); }
    // The record of the accepted values, in Pa and 1/K.
    ResinRecord MakeRecord() const;

    CTextField& NameField() { return nameField_; }
    CTextField& UserField() { return userField_; }
    CTextField& DateField() { return dateField_; }
    CNumberField& EField() { return eField_; }
    CNumberField& NuField() { return nuField_; }
    CNumberField& AlphaField() { return alphaField_; }

    const CLabel propertiesGroup{"Properties"};
    const CLabel nameLabel{"Name"};
    const CLabel userLabel{"User"};
    const CLabel dateLabel{"Date"};
    const CLabel eLabel{"E"};
    const CLabel eUnit{"[GPa]"};
    const CLabel nuLabel{"\u03bd"};
    const CLabel nuUnit{"[]"};
    const CLabel alphaLabel{"\u03b1"};
    const CLabel alphaUnit{"[ppm/K]"};
    const CButton createButton{"Create", true};
    const CButton cancelButton{"Cancel"};

protected:
    void OnOK() override;
    void DoFieldExchange(CFieldExchange& exchange) override;

private:
    void Refuse(const std::string& text);

    std::string name_;
    std::string user_;
    std::string date_;
    double eGPa_ = 0.0;
    double nu_ = 0.0;
    double alphaPpm_ = 0.0;
    CTextField nameField_;
    CTextField userField_;
    CTextField dateField_;
    CNumberField eField_;
    CNumberField nuField_;
    CNumberField alphaField_;
};

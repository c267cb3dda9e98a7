#pragma once

#include "MaterialForm.h"
#include "NumberField.h"
#include "ResinRecord.h"

// The "User defined resin" form. The user types name, user and date, and E [GPa], nu and
// alpha [ppm/K]; "Create" accepts only a finite E > 0, a finite nu in (-1, 0.5), a finite alpha
// and a non-empty name that the user-material file can store (no tab, line feed or section
// word) and that is not the list's "User defined" entry. Each refusal is an exclamation message
// captioned "USER-DEFINED RESIN" and leaves the form open with what was typed. The form keeps its
// values between openings; Preset() gives the blank start of a new creation.
class CResinDialog : public CMaterialForm {
public:
    explicit CResinDialog(IWindowSystem& windowSystem);

    void Preset();
    // The values of a resin to edit, shown as the form shows typed values (E in GPa, alpha in
    // ppm/K).
    void Preset(const ResinRecord& resin);
    // The record of the accepted values, in Pa and 1/K.
    ResinRecord MakeRecord() const;

    CNumberField& EField() { return eField_; }
    CNumberField& NuField() { return nuField_; }
    CNumberField& AlphaField() { return alphaField_; }

    const CLabel eLabel{"E"};
    const CLabel eUnit{"[GPa]"};
    const CLabel nuLabel{"\u03bd"};
    const CLabel nuUnit{"[]"};
    const CLabel alphaLabel{"\u03b1"};
    const CLabel alphaUnit{"[ppm/K]"};

protected:
    void OnOK() override;
    void DoFieldExchange(CFieldExchange& exchange) override;

private:
    double eGPa_ = 0.0;
    double nu_ = 0.0;
    double alphaPpm_ = 0.0;
    CNumberField eField_;
    CNumberField nuField_;
    CNumberField alphaField_;
};

#pragma once

#include "FibreRecord.h"
#include "MaterialForm.h"
#include "NumberField.h"

// The "User defined material" form for a fibre. The user types name, user and date, E1, E2,
// G12, G23 [GPa], nu12, alpha1, alpha2 [ppm/K] and the density [kg/m^3]; "Create" accepts only
// finite values, moduli that are not negative (zero is allowed), a density > 0, and a non-empty
// name that the user-material file can store and that is not the list's "User defined" entry.
// Each refusal is an exclamation message captioned "USER-DEFINED FIBRE" and leaves the form
// open with what was typed. The form keeps its values between openings; Preset() gives the
// blank start of a new creation.
class CFibreDialog : public CMaterialForm {
public:
    explicit CFibreDialog(IWindowSystem& windowSystem);

    void Preset();
    // The values of a fibre to edit, in the form's units (GPa, ppm/K).
    void Preset(const FibreRecord& fibre);
    // The record of the accepted values, in Pa, 1/K and kg/m^3.
    FibreRecord MakeRecord() const;

    CNumberField& E1Field() { return e1Field_; }
    CNumberField& E2Field() { return e2Field_; }
    CNumberField& G12Field() { return g12Field_; }
    CNumberField& G23Field() { return g23Field_; }
    CNumberField& Nu12Field() { return nu12Field_; }
    CNumberField& Alpha1Field() { return alpha1Field_; }
    CNumberField& Alpha2Field() { return alpha2Field_; }
    CNumberField& DensityField() { return densityField_; }

    const CLabel e1Label{"E1"};
    const CLabel e2Label{"E2"};
    const CLabel g12Label{"G12"};
    const CLabel g23Label{"G23"};
    const CLabel modulusUnit{"[GPa]"};
    const CLabel nu12Label{"\u03bd12"};
    const CLabel nu12Unit{"[]"};
    const CLabel alpha1Label{"\u03b11"};
    const CLabel alpha2Label{"\u03b12"};
    const CLabel alphaUnit{"[ppm/K]"};
    const CLabel densityLabel{"Density"};
    const CLabel densityUnit{"[Kg/m3]"};

protected:
    void OnOK() override;
    void DoFieldExchange(CFieldExchange& exchange) override;

private:
    double e1GPa_ = 0.0;
    double e2GPa_ = 0.0;
    double g12GPa_ = 0.0;
    double g23GPa_ = 0.0;
    double nu12_ = 0.0;
    double alpha1Ppm_ = 0.0;
    double alpha2Ppm_ = 0.0;
    double density_ = 0.0;
    CNumberField e1Field_;
    CNumberField e2Field_;
    CNumberField g12Field_;
    CNumberField g23Field_;
    CNumberField nu12Field_;
    CNumberField alpha1Field_;
    CNumberField alpha2Field_;
    CNumberField densityField_;
};

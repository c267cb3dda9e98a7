#pragma once

#include <string>

#include "Control.h"
#include "FibreRecord.h"
#include "Form.h"
#include "NumberField.h"

// The "User defined material" form for a fibre. The user types name, user and date, E1, E2,
// G12, G23 [GPa], nu12, alpha1, alpha2 [ppm/K] and the density [kg/m^3]; "Create" accepts only
// finite values, moduli that are not negative (zero is allowed), a density > 0, and a non-empty
// name that the user-material file can store and that is not the list's "User defined" entry.
// Each refusal is an exclamation message captioned "USER-DEFINED FIBRE" and leaves the form
// open with what was typed. The form keeps its values between openings; Preset() gives the
// blank start of a new creation.
class CFibreDialog : public CForm {
public:
    explicit CFibreDialog(IWindowSystem& windowSystem);

    void Preset();
    void PressCreate() { PressOK(); }
    // The record of the accepted values, in Pa, 1/K and kg/m^3.
    FibreRecord MakeRecord() const;

    CTextField& NameField() { return nameField_; }
    CTextField& UserField() { return userField_; }
    CTextField& DateField() { return dateField_; }
    CNumberField& E1Field() { return e1Field_; }
    CNumberField& E2Field() { return e2Field_; }
    CNumberField& G12Field() { return g12Field_; }
    CNumberField& G23Field() { return g23Field_; }
    CNumberField& Nu12Field() { return nu12Field_; }
    CNumberField& Alpha1Field() { return alpha1Field_; }
    CNumberField& Alpha2Field() { return alpha2Field_; }
    CNumberField& DensityField() { return densityField_; }

    const CLabel propertiesGroup{"Properties"};
    const CLabel nameLabel{"Name"};
    const CLabel userLabel{"User"};
    const CLabel dateLabel{"Date"};
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
    double e1GPa_ = 0.0;
    double e2GPa_ = 0.0;
    double g12GPa_ = 0.0;
    double g23GPa_ = 0.0;
    double nu12_ = 0.0;
    double alpha1Ppm_ = 0.0;
    double alpha2Ppm_ = 0.0;
    double density_ = 0.0;
    CTextField nameField_;
    CTextField userField_;
    CTextField dateField_;
    CNumberField e1Field_;
    CNumberField e2Field_;
    CNumberField g12Field_;
    CNumberField g23Field_;
    CNumberField nu12Field_;
    CNumberField alpha1Field_;
    CNumberField alpha2Field_;
    CNumberField densityField_;
};

#pragma once

#include "Control.h"
#include "Form.h"
#include "NumberField.h"
#include "SpinButton.h"

// Minimum displayed values of the ABD result, in the library's units: entries of A, B, D and
// the coupling ratios whose magnitude is below abdMinimum show as 0, and so do thermal
// resultants, strains and curvatures below thermalMinimum. Both are always positive and finite.
struct DisplayOptions {
    double abdMinimum = 1e-10;
    double thermalMinimum = 1e-15;

    bool operator==(const DisplayOptions&) const = default;
};

// The "DISPLAY OPTIONS" form. While open it works on copies of the stored options: each spin
// step multiplies a copy by 10 (increasing) or 0.1 (decreasing) and refreshes its read-only
// field; "OK" stores the copies, "Cancel" discards them. A step whose result would be 0 or not
// finite is refused, leaving the value as it is, so the options can always be stepped back.
class CDisplayOptionsDialog : public CForm {
public:
    explicit CDisplayOptionsDialog(IWindowSystem& windowSystem);

    const DisplayOptions& Options() const { return options_; }

    void StepAbdMinimum(SpinDirection direction);
    void StepThermalMinimum(SpinDirection direction);

    const CNumberField& AbdMinimumField() const { return abdField_; }
    const CNumberField& ThermalMinimumField() const { return thermalField_; }

    const CLabel abdGroup{"ABD MATRIX"};
    const CLabel abdLabel{"Minimum displayed\n Value"};
    const CSpinButton abdSpin;
    const CLabel thermalGroup{"THERMAL VECTOR"};
    const CLabel thermalLabel{"Minimum displayed\n Value"};
    const CSpinButton thermalSpin;
    const CButton okButton{"OK", true};
    const CButton cancelButton{"Cancel"};

protected:
    void OnInitDialog() override;
    void OnOK() override;
    void DoFieldExchange(CFieldExchange& exchange) override;

private:
    DisplayOptions options_;
    DisplayOptions working_;
    CNumberField abdField_;
    CNumberField thermalField_;
};

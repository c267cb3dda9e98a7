#include "DisplayOptionsDialog.h"

#include <cmath>

namespace {

// One decade up or down; a step that would leave the positive finite numbers is refused.
void StepByDecade(double& value, SpinDirection direction) {
    double stepped = direction == SpinDirection::Increasing ? value * 10.0 : value * 0.1;
    if (stepped != 0.0 && std::isfinite(stepped)) {
        value = stepped;
    }
}

}  // namespace

CDisplayOptionsDialog::CDisplayOptionsDialog(IWindowSystem& windowSystem)
    : CForm(windowSystem, "DISPLAY OPTIONS") {
    abdField_.SetReadOnly(true);
    thermalField_.SetReadOnly(true);
}

void CDisplayOptionsDialog::OnInitDialog() {
    working_ = options_;
    UpdateData(false);
}

void CDisplayOptionsDialog::StepAbdMinimum(SpinDirection direction) {
    StepByDecade(working_.abdMinimum, direction);
    abdField_.ShowValue(working_.abdMinimum);
}

void CDisplayOptionsDialog::StepThermalMinimum(SpinDirection direction) {
    StepByDecade(working_.thermalMinimum, direction);
    thermalField_.ShowValue(working_.thermalMinimum);
}

// The fields only show the working copies; their rounded texts are never read back.
void CDisplayOptionsDialog::DoFieldExchange(CFieldExchange& exchange) {
    if (!exchange.IsSaving()) {
        exchange.Number(abdField_, working_.abdMinimum);
        exchange.Number(thermalField_, working_.thermalMinimum);
    }
}

void CDisplayOptionsDialog::OnOK() {
    options_ = working_;
    EndDialog(FormResult::Accepted);
}

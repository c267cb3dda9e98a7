#include "ResinDialog.h"

#include <cmath>

CResinDialog::CResinDialog(IWindowSystem& windowSystem)
    : CMaterialForm(windowSystem, "User defined resin", "USER-DEFINED RESIN", "resin") {}

void CResinDialog::Preset() {
    PresetIdentity();
    eGPa_ = 0.0;
    nu_ = 0.0;
    alphaPpm_ = 0.0;
}

ResinRecord CResinDialog::MakeRecord() const {
    return ResinRecord{name_, user_, date_, {eGPa_ * 1e9, nu_, alphaPpm_ * 1e-6}};
}

void CResinDialog::DoFieldExchange(CFieldExchange& exchange) {
    ExchangeIdentity(exchange);
    exchange.Number(eField_, eGPa_);
    exchange.Number(nuField_, nu_);
    exchange.Number(alphaField_, alphaPpm_);
}

void CResinDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    // The negated comparisons also refuse NaN.
    if (!(eGPa_ > 0.0) || !std::isfinite(eGPa_) || !std::isfinite(alphaPpm_)) {
        Refuse("Invalid Data Value");
    } else if (!(nu_ > -1.0 && nu_ < 0.5)) {
        Refuse("Invalid poison's ratio.\nValid range: (-1,0.5)");
    } else if (AcceptIdentity("Please specify the resin's name")) {
        EndDialog(FormResult::Accepted);
    }
}

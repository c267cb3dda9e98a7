#include "ResinDialog.h"

#include "MaterialChecks.h"

CResinDialog::CResinDialog(IWindowSystem& windowSystem)
    : CMaterialForm(windowSystem, "User defined resin", "USER-DEFINED RESIN", "resin") {}

void CResinDialog::Preset() {
    PresetIdentity();
    eGPa_ = 0.0;
    nu_ = 0.0;
    alphaPpm_ = 0.0;
}

void CResinDialog::Preset(const ResinRecord& resin) {
    PresetIdentity(resin.name, resin.user, resin.date);
    eGPa_ = resin.E() * 1e-9;
    nu_ = resin.Nu();
    alphaPpm_ = resin.Alpha() * 1e6;
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
    // Checked in the record's units, so that a value that overflows them is refused too.
    const int invalid = InvalidResinProperty(MakeRecord().properties);
    if (invalid == 1) {
        Refuse("Invalid poison's ratio.\nValid range: (-1,0.5)");
    } else if (invalid >= 0) {
        Refuse("Invalid Data Value");
    } else if (AcceptIdentity("Please specify the resin's name")) {
        EndDialog(FormResult::Accepted);
    }
}

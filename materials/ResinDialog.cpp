#include "ResinDialog.h"

#include <cmath>

#include "MaterialText.h"

CResinDialog::CResinDialog(IWindowSystem& windowSystem)
    : CForm(windowSystem, "User defined resin") {}

void CResinDialog::Preset() {
    name_.clear();
    user_.clear();
    date_ = "00/00/0000";
    eGPa_ = 0.0;
    nu_ = 0.0;
    alphaPpm_ = 0.0;
}

ResinRecord CResinDialog::MakeRecord() const {
    return ResinRecord{name_, user_, date_, {eGPa_ * 1e9, nu_, alphaPpm_ * 1e-6}};
}

void CResinDialog::DoFieldExchange(CFieldExchange& exchange) {
    exchange.Text(nameField_, name_);
    exchange.Text(userField_, user_);
    exchange.Text(dateField_, date_);
    exchange.Number(eField_, eGPa_);
    exchange.Number(nuField_, nu_);
    exchange.Number(alphaField_, alphaPpm_);
}

void CResinDialog::Refuse(const std::string& text) {
    ShowMessage(Message{text, "USER-DEFINED RESIN", MessageIcon::Exclamation});
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
    } else if (name_.empty()) {
        Refuse("Please specify the resin's name");
    } else if (std::string refusal = MaterialTextRefusal(name_, user_, date_, "resin");
               !refusal.empty()) {
        Refuse(refusal);
    } else {
        EndDialog(FormResult::Accepted);
    }
}

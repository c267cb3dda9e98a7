#include "FibreDialog.h"

#include "MaterialChecks.h"

CFibreDialog::CFibreDialog(IWindowSystem& windowSystem)
    : CMaterialForm(windowSystem, "User defined material", "USER-DEFINED FIBRE", "fibre") {}

void CFibreDialog::Preset() {
    PresetIdentity();
    e1GPa_ = e2GPa_ = g12GPa_ = g23GPa_ = 0.0;
    nu12_ = alpha1Ppm_ = alpha2Ppm_ = density_ = 0.0;
}

void CFibreDialog::Preset(const FibreRecord& fibre) {
    PresetIdentity(fibre.name, fibre.user, fibre.date);
    e1GPa_ = fibre.E1() * 1e-9;
    e2GPa_ = fibre.E2() * 1e-9;
    g12GPa_ = fibre.G12() * 1e-9;
    g23GPa_ = fibre.G23() * 1e-9;
    nu12_ = fibre.Nu12();
    alpha1Ppm_ = fibre.Alpha1() * 1e6;
    alpha2Ppm_ = fibre.Alpha2() * 1e6;
    density_ = fibre.Density();
}

FibreRecord CFibreDialog::MakeRecord() const {
    return FibreRecord{name_,
                       user_,
                       date_,
                       {e1GPa_ * 1e9, e2GPa_ * 1e9, g12GPa_ * 1e9, g23GPa_ * 1e9, nu12_,
                        alpha1Ppm_ * 1e-6, alpha2Ppm_ * 1e-6, density_}};
}

void CFibreDialog::DoFieldExchange(CFieldExchange& exchange) {
    ExchangeIdentity(exchange);
    exchange.Number(e1Field_, e1GPa_);
    exchange.Number(e2Field_, e2GPa_);
    exchange.Number(g12Field_, g12GPa_);
    exchange.Number(g23Field_, g23GPa_);
    exchange.Number(nu12Field_, nu12_);
    exchange.Number(alpha1Field_, alpha1Ppm_);
    exchange.Number(alpha2Field_, alpha2Ppm_);
    exchange.Number(densityField_, density_);
}

void CFibreDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    // Checked in the record's units, so that a value that overflows them is refused too.
    if (InvalidFibreProperty(MakeRecord().properties) >= 0) {
        Refuse("Invalid Data Value");
    } else if (AcceptIdentity("Please specify the Fibre's name")) {
        EndDialog(FormResult::Accepted);
    }
}

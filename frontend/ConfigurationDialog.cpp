#include "ConfigurationDialog.h"

CConfigurationDialog::CConfigurationDialog(IWindowSystem& windowSystem)
    : CForm(windowSystem, "CONFIGURATION") {}

void CConfigurationDialog::OnInitDialog() {
    gaussPoints_.SetRange(1, 11);
    gaussPoints_.SetTickStep(1);
    for (CSlider* percent :
         {&warpUndulation_, &fillUndulation_, &fibreHeight_, &fibreWidth_, &accuracy_}) {
        percent->SetRange(0, 100);
        percent->SetTickStep(10);
    }
    UpdateData(false);
}

void CConfigurationDialog::DoFieldExchange(CFieldExchange& exchange) {
    exchange.Slider(gaussPoints_, settings_.gaussPoints);
    exchange.Slider(warpUndulation_, settings_.warpUndulation);
    exchange.Slider(fillUndulation_, settings_.fillUndulation);
    exchange.Slider(fibreHeight_, settings_.fibreHeight);
    exchange.Slider(fibreWidth_, settings_.fibreWidth);
    exchange.Slider(accuracy_, settings_.accuracy);
}

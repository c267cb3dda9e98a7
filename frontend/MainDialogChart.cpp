// The chart command of the main form: the checks of a calculation, then the "Property Chart"
// window on the form's case, materials, models and inputs.
#include "MainDialog.h"

void CMainDialog::OpenChart() {
    if (!CheckInputs()) {
        return;
    }
    const double* resin = *resinList_.SelectedReference();
    const double* fibre = *fibreList_.SelectedReference();
    ChartCase chartCase = MakeChartCase(resin, fibre);
    if (chartCase.IsFabric() && chartCase.fabric.weave == nullptr) {
        Refuse(kInvalidFabricDataMessage);
        return;
    }
    chartForm_.SetCase(std::move(chartCase));
    RunChild(chartForm_);
}

ChartCase CMainDialog::MakeChartCase(const double* resin, const double* fibre) const {
    ChartCase chartCase;
    chartCase.kind = case_ == kUDCase          ? ChartCaseKind::UDPly
                     : case_ == kRandomMatCase ? ChartCaseKind::RandomMat
                                               : ChartCaseKind::Fabric;
    chartCase.resinName = resinList_.SelectedText();
    chartCase.fibreName = fibreList_.SelectedText();
    chartCase.resin = resin;
    chartCase.fibre = fibre;
    const auto addModels = [](const CDropDownList<short>& list, std::vector<ModelEntry>& models,
                              std::size_t& selected) {
        for (int i = 0; i < list.Count(); ++i) {
            models.push_back(ModelEntry{list.Text(i), list.ReferenceAt(i)});
        }
        selected = static_cast<std::size_t>(std::max(0, list.Selection()));
    };
    addModels(elasticModelList_, chartCase.elasticModels, chartCase.elastic);
    addModels(thermalModelList_, chartCase.thermalModels, chartCase.thermal);
    chartCase.fabric = MakeFabricRequest(resin, fibre);
    chartCase.minimums = displayOptionsDialog_.Options();
    chartCase.currentPercent = fibreVolumePercent_;
    return chartCase;
}

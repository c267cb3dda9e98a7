// The Calculate command of the main form: checks, the library call of the case and the result
// form.
#include <array>

#include "FabricCalculation.h"
#include "MainDialog.h"

namespace {

// Room for the largest result: 41 doubles of the fabric ABD models.
constexpr int kResultSize = 41;

}  // namespace

void CMainDialog::Refuse(const std::string& text) {
    ShowMessage(Message{text});
}

void CMainDialog::Calculate() {
    if (!UpdateData(true)) {
        return;
    }
    if (!FibreVolumeValid(fibreVolumePercent_)) {
        Refuse(kInvalidVolumeFractionMessage);
        return;
    }
    if (case_ == kFabricCase &&
        !FabricDataValid({warpCount_, fillCount_, arealDensity_, warpAngleDeg_, fillAngleDeg_})) {
        Refuse(kInvalidFabricDataMessage);
        return;
    }
    RunCalculation();
}

void CMainDialog::RunCalculation() {
    const double* const* resin = resinList_.SelectedReference();
    const double* const* fibre = fibreList_.SelectedReference();
    if (resin == nullptr || *resin == nullptr) {
        Refuse("Please select a resin from the list.");
        return;
    }
    if (fibre == nullptr || *fibre == nullptr) {
        Refuse("Please select a fibre from the list.");
        return;
    }
    const short* elastic = elasticModelList_.SelectedReference();
    const short* thermal = thermalModelList_.SelectedReference();
    const double vf = fibreVolumePercent_ * 0.01;
    double out[kResultSize] = {};
    switch (case_) {
        case kUDCase:
            entryPoints_.udMixel(vf, *resin, *fibre, elastic ? *elastic : 0, thermal ? *thermal : 0,
                                 out);
            break;
        case kRandomMatCase:
            entryPoints_.rndProperties(vf, *resin, *fibre, elastic ? *elastic : 0,
                                       thermal ? *thermal : 0, out);
            break;
        default:
            if (!RunFabricModel(*resin, *fibre, out)) {
                Refuse(kInvalidFabricDataMessage);
                return;
            }
            break;
    }
    lastInputs_ = CalculationInputs{fibreList_.SelectedText(),
                                    resinList_.SelectedText(),
                                    weaveList_.SelectedText(),
                                    elasticModelList_.SelectedText(),
                                    thermalModelList_.SelectedText(),
                                    fibreVolumePercent_,
                                    warpAngleDeg_,
                                    fillAngleDeg_,
                                    warpCount_,
                                    fillCount_,
                                    arealDensity_,
                                    modelTypeList_.Selection() == 1,
                                    calculationMethod_ == 1};
    PresentResults(out);
}

// The woven-fabric call: model 0 3D averaging, 1 ABD averaging, 2 ABD finite elements. The
// first four fabric entries are the configuration's percentages as fractions. Angles go to the
// library fill first, in radians.
bool CMainDialog::RunFabricModel(const double* resin, const double* fibre, double* out) {
    const CNamedWeave* const* weave = weaveList_.SelectedReference();
    if (weave == nullptr || *weave == nullptr) {
        return false;
    }
    const FabricConfiguration& settings = configurationDialog_.Settings();
    const std::array<double, 7> fabric = FabricArray(
        settings, {warpCount_, fillCount_, arealDensity_, warpAngleDeg_, fillAngleDeg_});
    const short model = static_cast<short>(resultsFormat_ + calculationMethod_);
    const bool isoStrain = modelTypeList_.Selection() == 1;
    return entryPoints_.wfProperties(
        model, isoStrain, *weave, static_cast<short>(settings.gaussPoints),
        fibreVolumePercent_ * 0.01, resin, fibre, fabric.data(), DegreesToRadians(fillAngleDeg_),
        DegreesToRadians(warpAngleDeg_), kCellFactors, CoarseningLevel(**weave, settings.accuracy),
        out);
}

template <typename Form, typename Record, typename MakeReport>
void CMainDialog::ShowResults(Form& form, const Record& record, ReportKind kind,
                              MakeReport makeReport) {
    form.SetResults(record);
    if (RunChild(form) == FormResult::Accepted) {
        ShowMessage(AppendReport(kind, makeReport(form.Results())));
    }
}

// The result form of the case and format: UD ply, random mat, fabric 3D constants or fabric
// laminate (whose small entries are cleared by the display options).
void CMainDialog::PresentResults(const double* out) {
    const CalculationInputs& in = lastInputs_;
    const PlyReportInputs ply{in.fibreName, in.resinName, in.elasticModelName, in.thermalModelName,
                              in.fibreVolumePercent};
    FabricReportInputs fabric;
    fabric.fibreName = in.fibreName;
    fabric.resinName = in.resinName;
    fabric.weaveName = in.weaveName;
    fabric.isoStrain = in.isoStrain;
    fabric.finiteElements = in.finiteElements;
    fabric.warpAngleDeg = in.warpAngleDeg;
    fabric.fillAngleDeg = in.fillAngleDeg;
    fabric.arealDensity = in.arealDensity;
    fabric.warpCount = in.warpCount;
    fabric.fillCount = in.fillCount;
    fabric.fibreVolumePercent = in.fibreVolumePercent;

    if (case_ == kUDCase) {
        ShowResults(resultsUDDialog_, UDResults::FromLibrary(out), ReportKind::UDPly,
                    [&](const UDResults& shown) { return UDPlyReport(ply, shown); });
    } else if (case_ == kRandomMatCase) {
        ShowResults(resultsRandomDialog_, RandomMatResults::FromLibrary(out), ReportKind::RandomMat,
                    [&](const RandomMatResults& shown) { return RandomMatReport(ply, shown); });
    } else if (resultsFormat_ == k3DProperties) {
        fabric.thicknessMm = Fabric3DResults::ThicknessMillimetres(out);
        ShowResults(results3DDialog_, Fabric3DResults::FromLibrary(out), ReportKind::Fabric3D,
                    [&](const Fabric3DResults& shown) { return Fabric3DReport(fabric, shown); });
    } else {
        const DisplayOptions& minimums = displayOptionsDialog_.Options();
        fabric.thicknessMm = FabricABDResults::ThicknessMillimetres(out);
        ShowResults(
            resultsABDDialog_,
            FabricABDResults::FromLibrary(out, minimums.abdMinimum, minimums.thermalMinimum),
            ReportKind::FabricABD,
            [&](const FabricABDResults& shown) { return FabricABDReport(fabric, shown); });
    }
}

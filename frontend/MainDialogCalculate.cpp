// The Calculate command of the main form: checks, the library call of the case and the result
// form.
#include <cmath>

#include "MainDialog.h"

namespace {

const double kPi = std::acos(-1.0);

// Room for the largest result: 41 doubles of the fabric ABD models.
constexpr int kResultSize = 41;

// Constant yarn-load factors of the fabric cell models.
constexpr double kCellFactors[2] = {10.0, 5.0};

double DegreesToRadians(double degrees) {
    return (kPi * degrees) * 0.005555555555555556;
}

}  // namespace

void CMainDialog::Refuse(const std::string& text) {
    ShowMessage(Message{text});
}

// Counts and density must be positive and the two yarn directions must not be parallel: equal
// angles, or angles a whole number of half turns apart, leave no crossing to model. The negated
// comparisons refuse NaN as well; infinite values are refused explicitly.
bool CMainDialog::FabricDataValid() const {
    const double positives[] = {warpCount_, fillCount_, arealDensity_};
    for (double value : positives) {
        if (!(value > 0.0) || !std::isfinite(value)) {
            return false;
        }
    }
    const double difference = warpAngleDeg_ - fillAngleDeg_;
    return std::isfinite(difference) && std::fmod(difference, 180.0) != 0.0;
}

void CMainDialog::Calculate() {
    if (!UpdateData(true)) {
        return;
    }
    if (!(fibreVolumePercent_ > 0.0 && fibreVolumePercent_ < 100.0)) {
        Refuse("Invalid fibre volume factor: (0,100) %");
        return;
    }
    if (case_ == kFabricCase && !FabricDataValid()) {
        Refuse("Invalid data values");
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
                Refuse("Invalid data values");
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
    const double fabric[7] = {
        settings.warpUndulation * 0.01,
        settings.fillUndulation * 0.01,
        settings.fibreHeight * 0.01,
        settings.fibreWidth * 0.01,
        warpCount_,
        fillCount_,
        arealDensity_,
    };
    const short model = static_cast<short>(resultsFormat_ + calculationMethod_);
    const bool isoStrain = modelTypeList_.Selection() == 1;
    return entryPoints_.wfProperties(
        model, isoStrain, *weave, static_cast<short>(settings.gaussPoints),
        fibreVolumePercent_ * 0.01, resin, fibre, fabric, DegreesToRadians(fillAngleDeg_),
        DegreesToRadians(warpAngleDeg_), kCellFactors, Reductions(**weave), out);
}

// How often the finite-element grid is coarsened: the accuracy setting (0 fine .. 100 coarse)
// as a share of the weave's largest possible coarsening, rounded to the nearest level with an
// exact half rounding down.
int CMainDialog::Reductions(const CWeave& weave) const {
    const int n = weave.MaxReduction() * configurationDialog_.Settings().accuracy;
    const double w = n * 0.01;
    const double whole = std::floor(w);
    return static_cast<int>(std::fmod(w, 1.0) > 0.5 ? whole + 1 : whole);
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

// The Calculate command of the main form: checks, the library call of the case and the result
// form.
#include "CalculationJob.h"
#include "ExportMaterials.h"
#include "MainDialog.h"
#include "PackingLimits.h"

namespace {

// The program the exported files name as their writer.
constexpr const char* kExportingProgram = "Corvel";

}  // namespace

void CMainDialog::Refuse(const std::string& text, const CControl* about) {
    ShowMessage(Message{text});
    if (about != nullptr) {
        RefuseControl(*about);
    }
}

// The field the user changes to get past a refused fabric.
CNumberField& CMainDialog::FabricField(FabricDataFault fault) {
    switch (fault) {
        case FabricDataFault::WarpCount:
            return warpCountField_;
        case FabricDataFault::FillCount:
            return fillCountField_;
        case FabricDataFault::ArealDensity:
            return arealDensityField_;
        case FabricDataFault::WarpAngle:
            return warpAngleField_;
        case FabricDataFault::FillAngle:
        case FabricDataFault::None:
            break;
    }
    return fillAngleField_;
}

void CMainDialog::Calculate() {
    if (CheckInputs()) {
        RunCalculation();
    }
}

bool CMainDialog::CheckInputs() {
    if (!UpdateData(true)) {
        return false;
    }
    if (!FibreVolumeValid(fibreVolumePercent_)) {
        Refuse(kInvalidVolumeFractionMessage, &fibreVolumeField_);
        return false;
    }
    if (case_ == kFabricCase) {
        const FabricDataFault fault = FirstFabricDataFault(
            {warpCount_, fillCount_, arealDensity_, warpAngleDeg_, fillAngleDeg_});
        if (fault != FabricDataFault::None) {
            Refuse(kInvalidFabricDataMessage, &FabricField(fault));
            return false;
        }
    }
    const double* const* resin = resinList_.SelectedReference();
    const double* const* fibre = fibreList_.SelectedReference();
    if (resin == nullptr || *resin == nullptr) {
        Refuse("Please select a resin from the list.");
        return false;
    }
    if (fibre == nullptr || *fibre == nullptr) {
        Refuse("Please select a fibre from the list.");
        return false;
    }
    return true;
}

void CMainDialog::RunCalculation() {
    const double* const* resin = resinList_.SelectedReference();
    const double* const* fibre = fibreList_.SelectedReference();
    const short* elastic = elasticModelList_.SelectedReference();
    const short* thermal = thermalModelList_.SelectedReference();
    const double vf = fibreVolumePercent_ * 0.01;
    const FabricRequest fabric = MakeFabricRequest(*resin, *fibre);
    std::shared_ptr<CCalculationJob> job;
    switch (case_) {
        case kUDCase:
            job = CCalculationJob::Ply(entryPoints_.udMixel, vf, *resin, *fibre,
                                       elastic ? *elastic : 0, thermal ? *thermal : 0);
            break;
        case kRandomMatCase:
            job = CCalculationJob::Ply(entryPoints_.rndProperties, vf, *resin, *fibre,
                                       elastic ? *elastic : 0, thermal ? *thermal : 0);
            break;
        default:
            if (fabric.weave == nullptr) {
                Refuse(kInvalidFabricDataMessage, &fibreVolumeField_);
                return;
            }
            job = CCalculationJob::Fabric(fabric, entryPoints_.wfProperties);
            break;
    }
    // Off the user-interface thread where the window system can: a cancelled calculation leaves
    // the form as it was, without a result form or a message.
    if (WindowSystem().RunWork(job->Request(), [job](IProgressSink& progress) {
            job->Run(progress);
        }) == WorkOutcome::Cancelled) {
        return;
    }
    // The library refuses a fibre volume fraction the weave's yarns cannot hold.
    if (!job->Accepted()) {
        Refuse(kInvalidFabricDataMessage, &fibreVolumeField_);
        return;
    }
    const double* out = job->Out();
    // Results that are not finite come from a fraction at the edge of what a model can take.
    if (!ResultsFinite(out, case_ == kFabricCase ? fabric.OutputSize() : kPlyResultSize)) {
        Refuse(kInvalidFabricDataMessage, &fibreVolumeField_);
        return;
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
                                    fabric.isoStrain,
                                    fabric.FiniteElements()};
    if (case_ == kFabricCase) {
        PresentFabricResults(fabric, out);
    } else {
        PresentPlyResults(out);
    }
}

// The woven-fabric inputs of the form: the counts, density and angles as typed, the stored
// configuration, the format and method buttons and the model type list.
FabricRequest CMainDialog::MakeFabricRequest(const double* resin, const double* fibre) const {
    FabricRequest request;
    request.resinName = resinList_.SelectedText();
    request.resin = resin;
    request.fibreName = fibreList_.SelectedText();
    request.fibre = fibre;
    const CNamedWeave* const* weave = weaveList_.SelectedReference();
    request.weave = weave == nullptr ? nullptr : *weave;
    request.fibreVolumePercent = fibreVolumePercent_;
    request.data = {warpCount_, fillCount_, arealDensity_, warpAngleDeg_, fillAngleDeg_};
    request.settings = configurationDialog_.Settings();
    request.results =
        resultsFormat_ == kABDProperties ? FabricResults::Laminate : FabricResults::Constants3D;
    request.method = calculationMethod_ == kFiniteElementsMethod ? FabricMethod::FiniteElements
                                                                 : FabricMethod::Average;
    request.isoStrain = modelTypeList_.Selection() == 1;
    return request;
}

template <typename Form, typename Record, typename MakeReport>
void CMainDialog::ShowResults(Form& form, const Record& record, ReportKind kind,
                              MakeReport makeReport) {
    form.SetResults(record);
    form.SetInputs(lastInputs_);
    if (RunChild(form) == FormResult::Accepted) {
        ShowMessage(AppendReport(kind, makeReport(form.Results())));
    }
}

// The result form of the UD ply or the random mat.
void CMainDialog::PresentPlyResults(const double* out) {
    const CalculationInputs& in = lastInputs_;
    const PlyReportInputs ply{in.fibreName, in.resinName, in.elasticModelName, in.thermalModelName,
                              in.fibreVolumePercent};
    const PlyExportInputs exported{case_ == kRandomMatCase,
                                   in.fibreName,
                                   in.resinName,
                                   in.elasticModelName,
                                   in.thermalModelName,
                                   *resinList_.SelectedReference(),
                                   *fibreList_.SelectedReference(),
                                   in.fibreVolumePercent};
    const std::string note = PackingNote(in.fibreVolumePercent);
    if (case_ == kUDCase) {
        resultsUDDialog_.SetNote(note);
        resultsUDDialog_.SetExport(PlyExportDocument(exported, out, kExportingProgram));
        ShowResults(resultsUDDialog_, UDResults::FromLibrary(out), ReportKind::UDPly,
                    [&](const UDResults& shown) { return UDPlyReport(ply, shown); });
    } else {
        resultsRandomDialog_.SetNote(note);
        resultsRandomDialog_.SetExport(PlyExportDocument(exported, out, kExportingProgram));
        ShowResults(resultsRandomDialog_, RandomMatResults::FromLibrary(out), ReportKind::RandomMat,
                    [&](const RandomMatResults& shown) { return RandomMatReport(ply, shown); });
    }
}

// The fabric's 3D constants, or its laminate with the small entries cleared by the display
// options.
void CMainDialog::PresentFabricResults(const FabricRequest& request, const double* out) {
    const FabricReportInputs fabric = request.ReportInputs(out);
    if (!request.Laminate()) {
        results3DDialog_.SetThickness(fabric.thicknessMm);
        results3DDialog_.SetExport(FabricExportDocument(request, out, kExportingProgram));
        ShowResults(results3DDialog_, Fabric3DResults::FromLibrary(out), ReportKind::Fabric3D,
                    [&](const Fabric3DResults& shown) { return Fabric3DReport(fabric, shown); });
    } else {
        const DisplayOptions& minimums = displayOptionsDialog_.Options();
        resultsABDDialog_.SetThickness(fabric.thicknessMm);
        resultsABDDialog_.SetExport(FabricExportDocument(request, out, kExportingProgram));
        ShowResults(
            resultsABDDialog_,
            FabricABDResults::FromLibrary(out, minimums.abdMinimum, minimums.thermalMinimum),
            ReportKind::FabricABD,
            [&](const FabricABDResults& shown) { return FabricABDReport(fabric, shown); });
    }
}

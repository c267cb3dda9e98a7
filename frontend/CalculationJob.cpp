#include "CalculationJob.h"

#include <algorithm>
#include <new>

const std::vector<std::string>& CCalculationJob::FiniteElementStages() {
    static const std::vector<std::string> stages = {
        "Assembly of the unit cell's stiffness",
        "Factorisation of the periodic system",
        "Solution of the load cases",
    };
    return stages;
}

std::shared_ptr<CCalculationJob> CCalculationJob::Ply(PlyFunction entry, double vf,
                                                      const double* resin, const double* fibre,
                                                      short elastic, short thermal) {
    std::shared_ptr<CCalculationJob> job(new CCalculationJob);
    std::copy_n(resin, job->resin_.size(), job->resin_.begin());
    std::copy_n(fibre, job->fibre_.size(), job->fibre_.begin());
    job->call_ = [entry = std::move(entry), vf, elastic, thermal](CCalculationJob& self) {
        entry(vf, self.resin_.data(), self.fibre_.data(), elastic, thermal, self.out_.data());
        return true;
    };
    return job;
}

std::shared_ptr<CCalculationJob> CCalculationJob::Fabric(const FabricRequest& request,
                                                         WFProgressPropertiesFunction entry) {
    std::shared_ptr<CCalculationJob> job(new CCalculationJob);
    std::copy_n(request.resin, job->resin_.size(), job->resin_.begin());
    std::copy_n(request.fibre, job->fibre_.size(), job->fibre_.begin());
    job->weave_ = std::make_unique<CWeave>(*request.weave);
    job->fabric_ = request.LibraryArguments();
    if (request.LibraryModel() == 2) {
        job->request_.stages = FiniteElementStages();
    }
    job->call_ = [entry = std::move(entry)](CCalculationJob& self) {
        const FabricArguments& a = self.fabric_;
        return entry(a.model, a.isoStrain, self.weave_.get(), a.gaussPoints, a.vf,
                     self.resin_.data(), self.fibre_.data(), a.fabric.data(), a.fillAngle,
                     a.warpAngle, kCellFactors, a.reductions, self.out_.data(),
                     &CCalculationJob::OnLibraryStage, &self);
    };
    return job;
}

void CCalculationJob::Run(IProgressSink& progress) {
    progress_ = &progress;
    try {
        accepted_ = call_(*this);
    } catch (const std::bad_alloc&) {
        accepted_ = false;
    }
    progress_ = nullptr;
}

// The library's stages of the finite-element model are the request's stages 0..2; at the
// others (the averaging models' one stage, the end) the job only asks whether to go on.
bool CCalculationJob::OnLibraryStage(int stage, void* user) {
    IProgressSink& progress = *static_cast<CCalculationJob*>(user)->progress_;
    if (stage >= kWFStageAssembly && stage <= kWFStageCases) {
        return progress.EnterStage(stage - kWFStageAssembly);
    }
    return progress.Cancelled();
}

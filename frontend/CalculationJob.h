#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FabricCalculation.h"
#include "WindowSystem.h"

// One library call of the main form, made to run on the window system's work thread
// (IWindowSystem::RunWork). It owns copies of everything the library reads (the resin and fibre
// arrays, the weave, the fabric array) and the buffer the library writes, so that a run the user
// cancelled may finish its stage after the form has moved on, or gone. Shared between the form
// and the work by shared_ptr; the form reads the results only once RunWork said Finished.
class CCalculationJob {
public:
    using PlyFunction =
        std::function<void(double, const double*, const double*, short, short, double*)>;

    // The stage texts of the finite-element model, in the order the library reports them.
    static const std::vector<std::string>& FiniteElementStages();

    // A UD ply or random mat through `entry` (UDMixel or RNDProperties), vf as a fraction.
    static std::shared_ptr<CCalculationJob> Ply(PlyFunction entry, double vf, const double* resin,
                                                const double* fibre, short elastic, short thermal);
    // A woven fabric through `entry` (WFPropertiesWithProgress); request.weave must be set.
    static std::shared_ptr<CCalculationJob> Fabric(const FabricRequest& request,
                                                   WFProgressPropertiesFunction entry);

    // What the window system shows while the job runs: the stages of the finite-element model,
    // none for the other calculations (a busy cursor only).
    const WorkRequest& Request() const { return request_; }

    // Calls the library, reporting its stages to `progress` and stopping where it cancels.
    void Run(IProgressSink& progress);

    // The library accepted the inputs and wrote its results (always so for a ply or mat); false
    // also when memory ran out.
    bool Accepted() const { return accepted_; }
    // kFabricResultSize doubles, zero where the library wrote nothing.
    const double* Out() const { return out_.data(); }

private:
    CCalculationJob() = default;
    static bool OnLibraryStage(int stage, void* user);

    WorkRequest request_;
    std::function<bool(CCalculationJob&)> call_;
    std::array<double, 3> resin_ = {};
    std::array<double, 8> fibre_ = {};
    std::unique_ptr<CWeave> weave_;
    FabricArguments fabric_;
    std::array<double, kFabricResultSize> out_ = {};
    IProgressSink* progress_ = nullptr;
    bool accepted_ = false;
};

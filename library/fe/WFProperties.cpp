#include <algorithm>
#include <cstdlib>

#include "FeProgress.h"
#include "weave/CellGeometry.h"
#include "weftcore.h"
#include "woven/Average3D.h"
#include "woven/AverageABD.h"
#include "woven/FabricCellParams.h"

// The entry point of the woven-fabric models dispatches to the averaging models and to the
// finite-element model, so it lives with the highest of them.

namespace {

constexpr int kMaxGaussPoints = 11;
// Values written by model 0, and by models 1 and 2.
constexpr int k3DResults = 19;
constexpr int kLaminateResults = 41;

bool HasCrossingKind(const CWeave& weave) {
    if (weave.Pattern() == nullptr || weave.Cols() <= 0 || weave.Rows() <= 0) {
        return false;
    }
    int cellCount = weave.Cols() * weave.Rows();
    for (int i = 0; i < cellCount; ++i) {
        int kind = std::abs(weave.Pattern()[i]);
        if (kind >= 1 && kind <= 4) {
            return true;
        }
    }
    return false;
}

// Every cell of the finite-element mesh needs a crossing kind.
bool EveryCellHasCrossingKind(const CWeave& weave) {
    int cellCount = weave.Cols() * weave.Rows();
    for (int i = 0; i < cellCount; ++i) {
        int kind = std::abs(weave.Pattern()[i]);
        if (kind < 1 || kind > 4) {
            return false;
        }
    }
    return true;
}

// Inputs the models cannot work with and that are cheap to recognise. Written so that NaN fails.
bool UsableInputs(short model, const CWeave& weave, short gaussPoints, const double* resin,
                  const double* fibre, const double* fabric, const double* cellFactors,
                  const double* out) {
    if (resin == nullptr || fibre == nullptr || fabric == nullptr || out == nullptr) {
        return false;
    }
    if (model != 0 && cellFactors == nullptr) {
        return false;
    }
    if (gaussPoints < 1 || gaussPoints > kMaxGaussPoints) {
        return false;
    }
    bool positiveCounts = fabric[4] > 0.0 && fabric[5] > 0.0;
    bool positiveDensities = fabric[6] > 0.0 && fibre[7] > 0.0;
    if (!positiveCounts || !positiveDensities || !HasCrossingKind(weave)) {
        return false;
    }
    return model != 2 || EveryCellHasCrossingKind(weave);
}

// The fibre of the fabric must fit in its yarns: the fibre fraction inside each yarn, what the
// fabric's fraction leaves after the resin pocket, lies in [0, 1]. Beyond, the ply models are
// evaluated at a fibre fraction above one (or below zero) and give moduli that pass through a
// pole and turn negative: no property of any fabric. Non-finite fractions, from degenerate
// inputs, are left to the models as before.
bool FibreFitsInTheYarns(double vf, const double* fibre, const double* fabric, double fillAngle,
                         double warpAngle) {
    const CellVolumes volumes =
        QuarterCellVolumes(FabricCellParams(vf, fibre, fabric, fillAngle, warpAngle), vf);
    for (double yarnFraction : {volumes.VfU, volumes.VfL}) {
        if (yarnFraction > 1.0 || yarnFraction < 0.0) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool WFProperties(short model, bool isoStrain, const CWeave* weave, short gaussPoints, double vf,
                  const double* resin, const double* fibre, const double* fabric, double fillAngle,
                  double warpAngle, const double* cellFactors, int reductions, double* out) {
    return WFPropertiesWithProgress(model, isoStrain, weave, gaussPoints, vf, resin, fibre, fabric,
                                    fillAngle, warpAngle, cellFactors, reductions, out, nullptr,
                                    nullptr);
}

bool WFPropertiesWithProgress(short model, bool isoStrain, const CWeave* weave, short gaussPoints,
                              double vf, const double* resin, const double* fibre,
                              const double* fabric, double fillAngle, double warpAngle,
                              const double* cellFactors, int reductions, double* out,
                              WFProgressCallback progress, void* user) {
    const FeProgress stages{progress, user};
    if (weave == nullptr || fillAngle == warpAngle) {
        return false;
    }
    if (model < 0 || model > 2) {
        return true;
    }
    if (!UsableInputs(model, *weave, gaussPoints, resin, fibre, fabric, cellFactors, out) ||
        !FibreFitsInTheYarns(vf, fibre, fabric, fillAngle, warpAngle)) {
        return false;
    }
    // The models write into a buffer of their own, copied out only when they finish: a model
    // that runs out of memory part-way, or is cancelled, leaves out untouched, and no exception
    // leaves the library.
    double results[kLaminateResults];
    try {
        if (model != 2 && stages.Stop(kWFStageAveraging)) {
            return false;
        }
        switch (model) {
            case 0:
                Average3D(*weave, isoStrain, gaussPoints, vf, resin, fibre, fabric, fillAngle,
                          warpAngle, results);
                break;
            case 1:
                AverageABD(*weave, isoStrain, gaussPoints, vf, resin, fibre, fabric, fillAngle,
                           warpAngle, cellFactors, results);
                break;
            default:
                if (!weave->FeAbdProperties(isoStrain, gaussPoints, vf, resin, fibre, fabric,
                                            fillAngle, warpAngle, cellFactors, reductions, results,
                                            progress, user)) {
                    return false;
                }
                break;
        }
        if (stages.Stop(kWFStageFinished)) {
            return false;
        }
    } catch (...) {
        return false;
    }
    std::copy_n(results, model == 0 ? k3DResults : kLaminateResults, out);
    return true;
}

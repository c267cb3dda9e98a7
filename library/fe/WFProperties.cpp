#include <cstdlib>

#include "weftcore.h"
#include "woven/Average3D.h"
#include "woven/AverageABD.h"

// The entry point of the woven-fabric models dispatches to the averaging models and to the
// finite-element model, so it lives with the highest of them.

namespace {

constexpr int kMaxGaussPoints = 11;

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

}  // namespace

bool WFProperties(short model, bool isoStrain, const CWeave* weave, short gaussPoints, double vf,
                  const double* resin, const double* fibre, const double* fabric, double fillAngle,
                  double warpAngle, const double* cellFactors, int reductions, double* out) {
    if (weave == nullptr || fillAngle == warpAngle) {
        return false;
    }
    if (model < 0 || model > 2) {
        return true;
    }
    if (!UsableInputs(model, *weave, gaussPoints, resin, fibre, fabric, cellFactors, out)) {
        return false;
    }
    switch (model) {
        case 0:
            Average3D(*weave, isoStrain, gaussPoints, vf, resin, fibre, fabric, fillAngle,
                      warpAngle, out);
            break;
        case 1:
            AverageABD(*weave, isoStrain, gaussPoints, vf, resin, fibre, fabric, fillAngle,
                       warpAngle, cellFactors, out);
            break;
        default:
            weave->FeAbdProperties(isoStrain, gaussPoints, vf, resin, fibre, fabric, fillAngle,
                                   warpAngle, cellFactors, reductions, out);
            break;
    }
    return true;
}

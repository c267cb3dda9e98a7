#include "weftcore.h"

bool WFProperties(short model, bool isoStrain, const CWeave* weave, short gaussPoints, double vf,
                  const double* resin, const double* fibre, const double* fabric, double fillAngle,
                  double warpAngle, const double* cellFactors, int reductions, double* out) {
    (void)model, (void)isoStrain, (void)gaussPoints, (void)vf, (void)resin, (void)fibre;
    (void)fabric, (void)cellFactors, (void)reductions, (void)out;
    if (weave == nullptr || fillAngle == warpAngle) {
        return false;
    }
    return true;
}

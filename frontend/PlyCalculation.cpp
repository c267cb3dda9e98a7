#include "PlyCalculation.h"

#include "FabricCalculation.h"
#include "InputChecks.h"
#include "weftcore.h"

bool CalculatePlyOutput(bool randomMat, double fibreVolumePercent, const double* resin,
                        const double* fibre, short elasticCode, short thermalCode, double* out) {
    const double vf = fibreVolumePercent * 0.01;
    if (randomMat) {
        RNDProperties(vf, resin, fibre, elasticCode, thermalCode, out);
    } else {
        UDMixel(vf, resin, fibre, elasticCode, thermalCode, out);
    }
    return ResultsFinite(out, kPlyResultSize);
}

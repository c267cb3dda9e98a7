#include "PlyModels.h"
#include "UDPly.h"
#include "weftcore.h"

void UDMixel(double vf, const double* resin, const double* fibre, short mechModel, short thermModel,
             double* out) {
    if (resin == nullptr || fibre == nullptr || out == nullptr) {
        return;
    }
    CUDPly ply(resin, fibre, vf);
    if (!RunElasticModel(ply, mechModel) || !RunThermalModel(ply, thermModel)) {
        return;
    }
    out[0] = ply.E1;
    out[1] = ply.E2;
    out[2] = ply.G12;
    out[3] = ply.G23;
    out[4] = ply.nu12;
    out[5] = ply.nu23;
    out[6] = (ply.nu12 * ply.E2) / ply.E1;
    out[7] = ply.alpha1 * 1e6;
    out[8] = ply.alpha2 * 1e6;
}

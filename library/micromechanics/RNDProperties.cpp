// Random mat: the orientation average of the UD ply's plane-stress stiffness in the mat's plane
// (laminate invariants U1, U4, U5), with closed-form through-thickness constants and expansion.
#include "PlyModels.h"
#include "UDPly.h"
#include "weftcore.h"

void RNDProperties(double vf, const double* resin, const double* fibre, short mechModel,
                   short thermModel, double* out) {
    if (resin == nullptr || fibre == nullptr || out == nullptr) {
        return;
    }
    CUDPly ply(resin, fibre, vf);
    if (!RunElasticModel(ply, mechModel) || !RunThermalModel(ply, thermModel)) {
        return;
    }
    const double E1 = ply.E1, E2 = ply.E2, G12 = ply.G12, G23 = ply.G23;
    const double nu12 = ply.nu12, nu23 = ply.nu23;

    double t = 2.0 * nu12;
    double U = E2 * (t + 1.0) + E1;
    double P = nu12 * nu12 * E2 / E1;
    double W = ((1.0 - nu23 * nu23) * E1 / E2 + (nu23 + 1.0) * nu12 * 2.0 + 1.0) - P;
    double Ez = U / W;
    out[1] = Ez;
    double V = E1 - nu12 * nu12 * E2;
    double h = G12 * 0.5;
    // U5 = (Q11 + Q22 - 2 Q12 + 4 Q66) / 8 with Q11 = E1^2/V, Q22 = E1 E2/V, Q12 = nu12 E1 E2/V.
    double Gxy = ((E2 + E1) - 2.0 * nu12 * E2) * E1 / V * 0.125 + h;
    out[2] = Gxy;
    out[3] = (G23 + G12) * 0.5;
    double U4 = ((6.0 * nu12 + 1.0) * E2 + E1) * E1 / V * 0.125 - h;
    double U1 = ((t + 3.0) * E2 + 3.0 * E1) * E1 / V * 0.125 + h;
    double nuxy = U4 / U1;
    out[4] = nuxy;
    double nuzx = ((nu12 + 1.0) * nu23 + P + nu12) / W;
    out[5] = nuzx;
    double Ex = (nuxy + 1.0) * Gxy * 2.0;  // isotropic relation E = 2 G (1 + nu)
    out[0] = Ex;
    out[6] = Ex * nuzx / Ez;
    out[7] = (ply.alpha1 * (nu12 * E2 + E1) + ply.alpha2 * (nu12 + 1.0) * E2) / U * 1e6;
    out[8] = (ply.alpha2 * ((nu12 + 1.0) * E2 + (nu23 + 1.0) * E1) +
              ply.alpha1 * (nu12 * E2 - nu23 * E1)) /
             U * 1e6;
}

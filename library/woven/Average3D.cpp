#include "Average3D.h"

#include <cstdlib>

#include "Cell3D.h"
#include "FabricCellParams.h"
#include "numerics/Matrix.h"

void Average3D(const CWeave& weave, bool isoStrain, int n, double vf, const double* resin,
               const double* fibre, const double* fabric, double fillAngle, double warpAngle,
               double* out) {
    CellParams params = FabricCellParams(vf, fibre, fabric, fillAngle, warpAngle);
    YarnAngles angles{warpAngle, fillAngle};

    int counts[5] = {0, 0, 0, 0, 0};
    int cellCount = weave.Rows() * weave.Cols();
    for (int i = 0; i < cellCount; ++i) {
        int kind = std::abs(weave.Pattern()[i]);
        if (kind >= 1 && kind <= 4) {
            ++counts[kind];
        }
    }

    CMatrix Csum(6, 6);
    CVector betaSum(6);
    for (int kind = 1; kind <= 4; ++kind) {
        if (counts[kind] > 0) {
            CCell3D cell(isoStrain, n, resin, fibre, params, angles, vf,
                         static_cast<CrossingKind>(kind));
            Csum += cell.Ccell() * counts[kind];
            betaSum += cell.BetaCell() * counts[kind];
        }
    }

    CMatrix S = (Csum * (1.0 / cellCount)).Inverse();
    CVector alpha = S * (betaSum * (1.0 / cellCount));

    double Ex = 1.0 / S(1, 1);
    double Ey = 1.0 / S(2, 2);
    double Ez = 1.0 / S(3, 3);
    out[0] = Ex;
    out[1] = Ey;
    out[2] = Ez;
    out[3] = 1.0 / S(6, 6);
    out[4] = 1.0 / S(5, 5);
    out[5] = 1.0 / S(4, 4);
    out[6] = -Ex * S(1, 2);
    out[7] = -Ex * S(1, 3);
    out[8] = -Ey * S(2, 3);
    out[9] = -Ey * S(2, 1);
    out[10] = -Ez * S(3, 1);
    out[11] = -Ez * S(3, 2);
    out[12] = alpha(1) * 1e6;
    out[13] = alpha(2) * 1e6;
    out[14] = alpha(3) * 1e6;
    out[15] = alpha(6) * 1e6;
    out[16] = S(1, 6) / Ex;
    out[17] = S(2, 6) / Ey;
    out[18] = params.h;
}

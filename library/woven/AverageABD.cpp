#include "AverageABD.h"

#include "Cell3D.h"
#include "CellABD.h"
#include "FabricCellParams.h"
#include "FlippedCell.h"
#include "LaminateLayout.h"
#include "numerics/Matrix.h"

void AverageABD(const CWeave& weave, bool isoStrain, int n, double vf, const double* resin,
                const double* fibre, const double* fabric, double fillAngle, double warpAngle,
                const double* loadFactors, double* out) {
    CellParams params = FabricCellParams(vf, fibre, fabric, fillAngle, warpAngle);
    YarnAngles angles{warpAngle, fillAngle};

    // Occurrences of +k and -k, k = 1..4.
    int upCounts[5] = {0, 0, 0, 0, 0};
    int downCounts[5] = {0, 0, 0, 0, 0};
    int cellCount = weave.Rows() * weave.Cols();
    for (int i = 0; i < cellCount; ++i) {
        int code = weave.Pattern()[i];
        if (code >= 1 && code <= 4) {
            ++upCounts[code];
        } else if (code <= -1 && code >= -4) {
            ++downCounts[-code];
        }
    }

    CMatrix abdSum(6, 6);
    CVector nmSum(6);
    CVector ySum(6);
    for (int kind = 1; kind <= 4; ++kind) {
        int up = upCounts[kind];
        int down = downCounts[kind];
        if (up == 0 && down == 0) {
            continue;
        }
        CCellABD cell(isoStrain, n, resin, fibre, params, angles, vf, loadFactors,
                      static_cast<CrossingKind>(kind));
        CMatrix flipped = FlippedABD(cell.ABDcell());
        if (isoStrain) {
            abdSum += cell.ABDcell() * up + flipped * down;
        } else {
            abdSum += cell.ABDcell().Inverse() * up + flipped.Inverse() * down;
        }
        nmSum += cell.NMcell() * up + FlippedResultants(cell.NMcell()) * down;
        ySum += cell.Ycell() * up + FlippedResultants(cell.Ycell()) * down;
    }

    double share = 1.0 / cellCount;
    CMatrix abd = isoStrain ? abdSum * share : (abdSum * share).Inverse();
    CVector nm = nmSum * share;
    CVector y = ySum * share;
    CVector strains = abd.Inverse() * nm;

    WriteLaminateOutput({abd, nm, strains, y, params.h}, out);
}

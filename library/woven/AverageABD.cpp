#include "AverageABD.h"

#include "Cell3D.h"
#include "CellABD.h"
#include "FabricCellParams.h"
#include "FlippedCell.h"
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

    const int aIndex[6][2] = {{1, 1}, {1, 2}, {1, 3}, {2, 2}, {2, 3}, {3, 3}};
    for (int k = 0; k < 6; ++k) {
        int i = aIndex[k][0];
        int j = aIndex[k][1];
        out[k] = abd(i, j);               // A
        out[k + 6] = abd(i, j + 3);       // B
        out[k + 12] = abd(i + 3, j + 3);  // D
    }
    out[18] = abd(1, 3) / abd(1, 1);
    out[19] = abd(2, 3) / abd(2, 2);
    out[20] = abd(4, 6) / abd(4, 4);
    out[21] = abd(5, 6) / abd(5, 5);
    for (int i = 1; i <= 6; ++i) {
        out[21 + i] = nm(i);
        out[27 + i] = strains(i);
        out[34 + i] = y(i);
    }
    out[34] = params.h;
}

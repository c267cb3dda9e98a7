#include <algorithm>
#include <cmath>
#include <vector>

#include "FeKinds.h"
#include "FeProgress.h"
#include "FeUnitCell.h"
#include "weftcore.h"
#include "woven/CellABD.h"
#include "woven/FabricCellParams.h"
#include "woven/LaminateLayout.h"
#include "woven/RotateStiffness3.h"

namespace {

// Angle from the warp to the fill direction in the cell's frame, reduced into (0, pi): a yarn
// direction and its opposite are the same yarn, and the mesh must come out counter-clockwise.
double SecondEdgeAngle(double fillAngle, double warpAngle) {
    const double pi = 2.0 * std::acos(0.0);
    double u = fillAngle >= 0.0 ? fillAngle - warpAngle : fillAngle + pi - warpAngle;
    if (u > 0.0 && u < pi) {
        return u;
    }
    u = std::fmod(u, pi);
    return u <= 0.0 ? u + pi : u;
}

CMatrix Block(const CMatrix& m, int row, int col) {
    return m.SubMatrix(row, row + 2, col, col + 2);
}

CVector Rotated(const CVector& v, double angle) {
    CVector turned(6);
    CVector membrane = RotateVector3(v.SubVector(1, 3), angle);
    CVector bending = RotateVector3(v.SubVector(4, 6), angle);
    for (int i = 1; i <= 3; ++i) {
        turned(i) = membrane(i);
        turned(i + 3) = bending(i);
    }
    return turned;
}

}  // namespace

// The unit cell in the warp's frame: the warp along x, the fill at angle u. Every pattern cell is
// one plate element with the laminate of its crossing kind; the result is rotated to the fabric's
// axes by the warp angle at the end.
bool CWeave::FeAbdProperties(bool isoStrain, short gaussPoints, double vf, const double* resin,
                             const double* fibre, const double* fabric, double fillAngle,
                             double warpAngle, const double* cellFactors, int reductions,
                             double* out, bool (*progress)(int, void*), void* user) const {
    const FeProgress stages{progress, user};
    if (stages.Stop(kWFStageAssembly)) {
        return false;
    }
    const double u = SecondEdgeAngle(fillAngle, warpAngle);
    const CellParams params = FabricCellParams(vf, fibre, fabric, fillAngle, warpAngle);

    FePattern pattern{cols_, rows_, std::vector<short>(pattern_, pattern_ + cols_ * rows_), {}};
    for (int kind = 1; kind <= 4; ++kind) {
        CCellABD cell(isoStrain, gaussPoints, resin, fibre, params, YarnAngles{0.0, u}, vf,
                      cellFactors, static_cast<CrossingKind>(kind));
        pattern.kinds.Add(cell.ABDcell(), cell.NMcell(), cell.Ycell());
    }
    if (reductions > 0) {
        int levels = std::min(MaxReduction(), reductions);
        for (int level = 0; level < levels; ++level) {
            pattern = CoarsenPattern(pattern);
        }
    }

    UnitCellResult solved = SolveUnitCell(pattern, params, u, {}, stages);
    if (solved.outOfMemory || solved.cancelled) {
        return false;
    }
    const CMatrix& local = solved.abd;
    CVector thermal = Rotated(solved.thermalStrains, warpAngle);
    CVector yarnLoads = Rotated(solved.yarnLoadStrains, warpAngle);

    CMatrix A = RotateStiffness3(Block(local, 1, 1), warpAngle);
    CMatrix B = RotateStiffness3(Block(local, 1, 4), warpAngle);
    CMatrix D = RotateStiffness3(Block(local, 4, 4), warpAngle);
    const CMatrix abd = AssembleABD(A, B, D);
    CVector thermalResultants = abd * thermal;
    CVector yarnResultants = abd * yarnLoads;

    WriteLaminateOutput({abd, thermalResultants, thermal, yarnResultants, params.h}, out);
    return true;
}

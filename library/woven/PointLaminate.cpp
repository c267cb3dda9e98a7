#include "PointLaminate.h"

#include "LaminateLayout.h"

namespace {

// Thickness, first and second moments of the resin layers (together) and of each yarn.
struct LayerMoments {
    double tR, tU, tL;
    double qR, qU, qL;
    double kR, kU, kL;
};

double Square(double z) {
    return z * z;
}

double Cube(double z) {
    return z * z * z;
}

LayerMoments MomentsOf(const CellPoint& p) {
    LayerMoments m;
    m.tR = p.zTop - p.topU + p.botU - p.topL + p.botL - p.zBot;
    m.tU = p.topU - p.botU;
    m.tL = p.topL - p.botL;
    m.qR = Square(p.zTop) - Square(p.topU) + Square(p.botU) - Square(p.topL) + Square(p.botL) -
           Square(p.zBot);
    m.qU = Square(p.topU) - Square(p.botU);
    m.qL = Square(p.topL) - Square(p.botL);
    m.kR = Cube(p.zTop) - Cube(p.topU) + Cube(p.botU) - Cube(p.topL) + Cube(p.botL) - Cube(p.zBot);
    m.kU = Cube(p.topU) - Cube(p.botU);
    m.kL = Cube(p.topL) - Cube(p.botL);
    return m;
}

}  // namespace

CMatrix PointABD(const CellPoint& point, const CMatrix& Qm, const CMatrix& QU, const CMatrix& QL) {
    LayerMoments m = MomentsOf(point);
    CMatrix A = (Qm * m.tR + QU * m.tU) + QL * m.tL;
    CMatrix B = ((Qm * m.qR + QU * m.qU) + QL * m.qL) * -0.5;
    CMatrix D = ((Qm * m.kR + QU * m.kU) + QL * m.kL) * 0.3333333333333333;
    return AssembleABD(A, B, D);
}

CVector PointThermalResultants(const CellPoint& point, const CMatrix& Qm, const CVector& alpham,
                               const CMatrix& QU, const CMatrix& QL, const CVector& alphaU,
                               const CVector& alphaL) {
    LayerMoments m = MomentsOf(point);
    CVector pR = Qm * alpham;
    CVector pU = QU * alphaU;
    CVector pL = QL * alphaL;
    CVector NT = (pR * m.tR + pU * m.tU) + pL * m.tL;
    CVector MT = ((pR * m.qR + pU * m.qU) + pL * m.qL) * -0.5;
    CVector resultants(6, false);
    for (int i = 1; i <= 3; ++i) {
        resultants(i) = NT(i);
        resultants(i + 3) = MT(i);
    }
    return resultants;
}

CVector PointYarnResultants(const CellPoint& point, const CVector& yU, const CVector& yL) {
    LayerMoments m = MomentsOf(point);
    CVector N = yU * m.tU + yL * m.tL;
    CVector M = (yU * m.qU + yL * m.qL) * -0.5;
    CVector resultants(6, false);
    for (int i = 1; i <= 3; ++i) {
        resultants(i) = N(i);
        resultants(i + 3) = M(i);
    }
    return resultants;
}

#include "CellABD.h"

#include "PointLaminate.h"
#include "RotateStiffness3.h"
#include "UndulatedYarn.h"
#include "micromechanics/UDPly.h"

CCellABD::CCellABD(bool isoStrain, int n, const double* resin, const double* fibre,
                   const CellParams& params, YarnAngles angles, double vf,
                   const double* loadFactors, CrossingKind kind)
    : CCellModel(isoStrain, n, params, vf, kind),
      Qm_(3, 3),
      alpham_(3),
      phiU_(angles.phiU),
      phiL_(angles.phiL),
      sU_(0.0),
      sL_(0.0),
      ABDcell_(6, 6),
      NMcell_(6),
      Ycell_(6) {
    double Em = resin[0];
    double num = resin[1];
    double d = 1.0 - num * num;
    Qm_(2, 2) = Em / d;
    Qm_(1, 1) = Qm_(2, 2);
    Qm_(2, 1) = num * Em / d;
    Qm_(1, 2) = Qm_(2, 1);
    Qm_(3, 3) = Em / ((num + 1.0) * 2.0);
    alpham_(1) = resin[2];
    alpham_(2) = resin[2];

    CUDPly plyU(resin, fibre, volumes_.VfU);
    plyU.MechCCA();
    plyU.ThermShapery();
    CUDPly plyL(resin, fibre, volumes_.VfL);
    plyL.MechCCA();
    plyL.ThermShapery();
    sU_ = loadFactors[0] * volumes_.VfU;
    sL_ = loadFactors[1] * volumes_.VfL;

    CMatrix accumulated(6, 6);
    for (const CellPoint& point : points_) {
        CMatrix QU = RotateStiffness3(UndulatedYarnQ(plyU, point.thU), phiU_);
        CVector alphaU = RotateVector3(UndulatedYarnAlpha(plyU, point.thU), phiU_);
        CMatrix QL = RotateStiffness3(UndulatedYarnQ(plyL, point.thL), phiL_);
        CVector alphaL = RotateVector3(UndulatedYarnAlpha(plyL, point.thL), phiL_);
        CVector yU = RotateVector3(YarnAxisLoad(sU_, point.thU), phiU_);
        CVector yL = RotateVector3(YarnAxisLoad(sL_, point.thL), phiL_);

        double w = point.wy * point.wx * 0.25;
        if (isoStrain_) {
            accumulated += PointABD(point, Qm_, QU, QL) * w;
        } else {
            accumulated += PointABD(point, Qm_, QU, QL).Inverse() * w;
        }
        NMcell_ += PointThermalResultants(point, Qm_, alpham_, QU, QL, alphaU, alphaL) * w;
        Ycell_ += PointYarnResultants(point, yU, yL) * w;
    }
    ABDcell_ = isoStrain_ ? accumulated : accumulated.Inverse();
}

CCellABD::~CCellABD() = default;

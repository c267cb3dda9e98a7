#include "CellABD.h"

#include <vector>

#include "PointLaminate.h"
#include "RotateStiffness3.h"
#include "UndulatedYarn.h"
#include "micromechanics/UDPly.h"

namespace {

// A yarn's plane-stress stiffness, expansion and axis load in fabric axes.
struct TurnedYarn {
    double theta;
    CMatrix Q;
    CVector alpha;
    CVector load;
};

// The turned yarn for each undulation angle met so far. The angle of U depends only on x and that
// of L only on y, so a cell meets at most n angles per yarn.
class CTurnedYarns {
public:
    CTurnedYarns(const CUDPly& ply, double phi, double load) : ply_(ply), phi_(phi), load_(load) {}

    const TurnedYarn& At(double theta) {
        for (const TurnedYarn& yarn : turned_) {
            if (yarn.theta == theta) {
                return yarn;
            }
        }
        turned_.push_back(TurnedYarn{theta, RotateStiffness3(UndulatedYarnQ(ply_, theta), phi_),
                                     RotateVector3(UndulatedYarnAlpha(ply_, theta), phi_),
                                     RotateVector3(YarnAxisLoad(load_, theta), phi_)});
        return turned_.back();
    }

private:
    const CUDPly& ply_;
    double phi_;
    double load_;
    std::vector<TurnedYarn> turned_;
};

}  // namespace

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

    CTurnedYarns upper(plyU, phiU_, sU_);
    CTurnedYarns lower(plyL, phiL_, sL_);
    CMatrix accumulated(6, 6);
    for (const CellPoint& point : points_) {
        const TurnedYarn& U = upper.At(point.thU);
        const TurnedYarn& L = lower.At(point.thL);
        double w = point.wy * point.wx * 0.25;
        if (isoStrain_) {
            accumulated += PointABD(point, Qm_, U.Q, L.Q) * w;
        } else {
            accumulated += PointABD(point, Qm_, U.Q, L.Q).Inverse() * w;
        }
        NMcell_ += PointThermalResultants(point, Qm_, alpham_, U.Q, L.Q, U.alpha, L.alpha) * w;
        Ycell_ += PointYarnResultants(point, U.load, L.load) * w;
    }
    ABDcell_ = isoStrain_ ? accumulated : accumulated.Inverse();
}

CCellABD::~CCellABD() = default;

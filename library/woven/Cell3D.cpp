#include "Cell3D.h"

#include <vector>

#include "Rotations6.h"
#include "StackProperties3D.h"
#include "micromechanics/UDPly.h"

namespace {

// Compliance and expansion vector of an impregnated yarn in its own axes (1 fibre, 2 in-plane
// transverse, 3 thickness).
void YarnCompliance(const double* resin, const double* fibre, double vf, CMatrix& S,
                    CVector& alpha) {
    CUDPly ply(resin, fibre, vf);
    ply.MechCCA();
    ply.ThermShapery();
    S.Fill(0.0);
    S(1, 1) = 1.0 / ply.E1;
    S(2, 1) = S(1, 2) = -ply.nu12 / ply.E1;
    S(3, 1) = S(1, 3) = -ply.nu13 / ply.E1;
    S(2, 2) = 1.0 / ply.E2;
    S(3, 2) = S(2, 3) = -ply.nu23 / ply.E2;
    S(3, 3) = 1.0 / ply.E3;
    S(4, 4) = 1.0 / ply.G23;
    S(5, 5) = 1.0 / ply.G13;
    S(6, 6) = 1.0 / ply.G12;
    alpha.Fill(0.0);
    alpha(1) = ply.alpha1;
    alpha(2) = ply.alpha2;
    alpha(3) = ply.alpha3;
}

struct TurnedYarn {
    double theta;
    CMatrix C;
    CVector alpha;
};

// A yarn's stiffness and expansion carried to the fabric's axes. The stack shares the
// transverse shear strains, so the couplings between them and the normal and in-plane shear
// components, which the rotations create, are dropped.
void TurnYarn(const CMatrix& C, const CVector& alpha, double theta, double phi, CMatrix& turnedC,
              CVector& turnedAlpha) {
    turnedC = RotateStiffness6InPlane(RotateStiffness6Undulation(C, theta), phi);
    turnedAlpha = RotateExpansion6InPlane(RotateExpansion6Undulation(alpha, theta), phi);
    for (int i : {4, 5}) {
        for (int j : {1, 2, 3, 6}) {
            turnedC(i, j) = 0.0;
            turnedC(j, i) = 0.0;
        }
        turnedAlpha(i) = 0.0;
    }
}

// A yarn's turned stiffness and expansion for each undulation angle met so far. The angle of U
// depends only on x and that of L only on y, so a cell meets at most n angles per yarn.
class CTurnedYarns {
public:
    CTurnedYarns(const CMatrix& C, const CVector& alpha, double phi)
        : C_(C), alpha_(alpha), phi_(phi) {}

    const TurnedYarn& At(double theta) {
        for (const TurnedYarn& yarn : turned_) {
            if (yarn.theta == theta) {
                return yarn;
            }
        }
        TurnedYarn yarn{theta, CMatrix(6, 6), CVector(6)};
        TurnYarn(C_, alpha_, theta, phi_, yarn.C, yarn.alpha);
        turned_.push_back(yarn);
        return turned_.back();
    }

private:
    const CMatrix& C_;
    const CVector& alpha_;
    double phi_;
    std::vector<TurnedYarn> turned_;
};

}  // namespace

CCell3D::CCell3D(bool isoStrain, int n, const double* resin, const double* fibre,
                 const CellParams& params, YarnAngles angles, double vf, CrossingKind kind)
    : CCellModel(isoStrain, n, params, vf, kind),
      phiU_(angles.phiU),
      phiL_(angles.phiL),
      Sm_(6, 6),
      alpham_(6),
      SU_(6, 6),
      alphaU_(6),
      SL_(6, 6),
      alphaL_(6),
      Ccell_(6, 6),
      betaCell_(6) {
    double Em = resin[0];
    double num = resin[1];
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            Sm_(i, j) = i == j ? 1.0 / Em : -num / Em;
        }
        Sm_(i + 3, i + 3) = (num + 1.0) * 2.0 / Em;
        alpham_(i) = resin[2];
    }
    YarnCompliance(resin, fibre, volumes_.VfU, SU_, alphaU_);
    YarnCompliance(resin, fibre, volumes_.VfL, SL_, alphaL_);
    Integrate();
}

CCell3D::~CCell3D() = default;

void CCell3D::Integrate() {
    CMatrix Cm = Sm_.Inverse();
    CMatrix CU = SU_.Inverse();
    CMatrix CL = SL_.Inverse();
    CTurnedYarns upper(CU, alphaU_, phiU_);
    CTurnedYarns lower(CL, alphaL_, phiL_);
    for (const CellPoint& point : points_) {
        const TurnedYarn& U = upper.At(point.thU);
        const TurnedYarn& L = lower.At(point.thL);

        double hp = point.zTop - point.zBot;
        double fU = (point.topU - point.botU) / hp;
        double fL = (point.topL - point.botL) / hp;
        // Resin above U, between the yarns and below L together.
        double fm =
            (point.zTop - point.topU + point.botU - point.topL + point.botL - point.zBot) / hp;
        StackedPoint stack = StackProperties3D(Cm, U.C, L.C, alpham_, U.alpha, L.alpha, fm, fU, fL);

        double w = point.wy * point.wx * 0.25;
        if (isoStrain_) {
            Ccell_ += stack.Cp * w;
        } else {
            Ccell_ += stack.Sp * w;
        }
        betaCell_ += stack.beta * w;
    }
    if (!isoStrain_) {
        Ccell_ = Ccell_.Inverse();
    }
}

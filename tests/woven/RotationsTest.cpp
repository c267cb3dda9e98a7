#include <gtest/gtest.h>

#include <cmath>

#include "Tolerance.h"
#include "micromechanics/PlyFixtures.h"
#include "micromechanics/UDPly.h"
#include "woven/RotateStiffness3.h"
#include "woven/Rotations6.h"

namespace {

// The 6x6 stiffness and expansion vector of a transversely isotropic UD ply in its own axes.
struct PlyMatrices {
    CMatrix C{6, 6};
    CVector alpha{6};
};

PlyMatrices UDPlyMatrices() {
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    ply.MechCCA();
    ply.ThermShapery();
    CMatrix S(6, 6);
    S(1, 1) = 1.0 / ply.E1;
    S(1, 2) = S(2, 1) = -ply.nu12 / ply.E1;
    S(1, 3) = S(3, 1) = -ply.nu13 / ply.E1;
    S(2, 2) = 1.0 / ply.E2;
    S(2, 3) = S(3, 2) = -ply.nu23 / ply.E2;
    S(3, 3) = 1.0 / ply.E3;
    S(4, 4) = 1.0 / ply.G23;
    S(5, 5) = 1.0 / ply.G13;
    S(6, 6) = 1.0 / ply.G12;
    PlyMatrices m;
    m.C = S.Inverse();
    m.alpha(1) = ply.alpha1;
    m.alpha(2) = ply.alpha2;
    m.alpha(3) = ply.alpha3;
    return m;
}

// Plane-stress stiffness (x, y, xy) of a 6x6 stiffness: invert, keep x, y, xy, invert back.
CMatrix PlaneStress(const CMatrix& C) {
    CMatrix S = C.Inverse();
    const int kept[3] = {1, 2, 6};
    CMatrix s(3, 3);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            s(i + 1, j + 1) = S(kept[i], kept[j]);
        }
    }
    return s.Inverse();
}

void ExpectMatricesNear(const CMatrix& actual, const CMatrix& expected, double tolerance) {
    double scale = 0.0;
    for (int i = 1; i <= expected.Rows(); ++i) {
        for (int j = 1; j <= expected.Cols(); ++j) {
            scale = std::max(scale, std::fabs(expected(i, j)));
        }
    }
    for (int i = 1; i <= expected.Rows(); ++i) {
        for (int j = 1; j <= expected.Cols(); ++j) {
            EXPECT_NEAR(actual(i, j), expected(i, j), tolerance * scale) << i << ", " << j;
        }
    }
}

}  // namespace

TEST(Rotations, TurningThereAndBackRestoresTheStiffnessAndExpansion) {
    PlyMatrices ply = UDPlyMatrices();
    for (double angle : {0.3, -1.1, 2.5}) {
        ExpectMatricesNear(RotateStiffness6InPlane(RotateStiffness6InPlane(ply.C, angle), -angle),
                           ply.C, 1e-14);
        ExpectMatricesNear(
            RotateStiffness6Undulation(RotateStiffness6Undulation(ply.C, angle), -angle), ply.C,
            1e-14);
        CVector back = RotateExpansion6Undulation(RotateExpansion6InPlane(ply.alpha, angle), 0.0);
        back = RotateExpansion6InPlane(back, -angle);
        for (int i = 1; i <= 6; ++i) {
            EXPECT_NEAR(back(i), ply.alpha(i), 1e-14 * std::fabs(ply.alpha(2)));
        }
    }
}

TEST(Rotations, QuarterTurnsExchangeTheAxes) {
    PlyMatrices ply = UDPlyMatrices();
    double quarter = std::acos(-1.0) / 2.0;
    CMatrix inPlane = RotateStiffness6InPlane(ply.C, quarter);
    EXPECT_TRUE(RelativelyNear(inPlane(2, 2), ply.C(1, 1), 1e-14));
    EXPECT_TRUE(RelativelyNear(inPlane(1, 1), ply.C(2, 2), 1e-14));
    EXPECT_TRUE(RelativelyNear(inPlane(4, 4), ply.C(5, 5), 1e-14));
    CMatrix tilted = RotateStiffness6Undulation(ply.C, quarter);
    EXPECT_TRUE(RelativelyNear(tilted(3, 3), ply.C(1, 1), 1e-14));
    EXPECT_TRUE(RelativelyNear(tilted(5, 5), ply.C(5, 5), 1e-14));
    EXPECT_TRUE(RelativelyNear(tilted(6, 6), ply.C(4, 4), 1e-14));
    CVector alpha = RotateExpansion6Undulation(ply.alpha, quarter);
    EXPECT_TRUE(RelativelyNear(alpha(3), ply.alpha(1), 1e-12));
    EXPECT_TRUE(RelativelyNear(alpha(1), ply.alpha(3), 1e-12));
}

TEST(Rotations, YarnAtPositiveAngleShearsLikeAnAngleLamina) {
    // A stiff fibre at +30 degrees: normal stress in x shears the lamina towards the fibre.
    PlyMatrices ply = UDPlyMatrices();
    CMatrix C = RotateStiffness6InPlane(ply.C, 30.0 * std::acos(-1.0) / 180.0);
    EXPECT_GT(C(1, 6), 0.0);
    EXPECT_GT(C(2, 6), 0.0);
    // The fibre expands less than the resin across it: a negative shear expansion.
    CVector alpha = RotateExpansion6InPlane(ply.alpha, 30.0 * std::acos(-1.0) / 180.0);
    EXPECT_LT(alpha(6), 0.0);
}

TEST(Rotations, PlaneRotationsAgreeWithTheSolidOnes) {
    PlyMatrices ply = UDPlyMatrices();
    CVector alpha3(3);
    alpha3(1) = ply.alpha(1);
    alpha3(2) = ply.alpha(2);
    for (double angle : {0.5, 1.2, -0.7}) {
        ExpectMatricesNear(RotateStiffness3(PlaneStress(ply.C), angle),
                           PlaneStress(RotateStiffness6InPlane(ply.C, angle)), 1e-13);
        CVector solid = RotateExpansion6InPlane(ply.alpha, angle);
        CVector plane = RotateVector3(alpha3, angle);
        EXPECT_TRUE(RelativelyNear(plane(1), solid(1), 1e-13));
        EXPECT_TRUE(RelativelyNear(plane(2), solid(2), 1e-13));
        EXPECT_TRUE(RelativelyNear(plane(3), solid(6), 1e-13));
    }
}

TEST(Rotations, IsotropicMaterialIsTheSameInEveryDirection) {
    const double E = 3.5e9;
    const double nu = 0.35;
    CMatrix Q(3, 3);
    Q(1, 1) = Q(2, 2) = E / (1 - nu * nu);
    Q(1, 2) = Q(2, 1) = nu * E / (1 - nu * nu);
    Q(3, 3) = E / (2 * (1 + nu));
    CVector alpha(3);
    alpha(1) = alpha(2) = 6e-5;
    for (double angle : {0.4, 2.0}) {
        ExpectMatricesNear(RotateStiffness3(Q, angle), Q, 1e-15);
        CVector turned = RotateVector3(alpha, angle);
        EXPECT_TRUE(RelativelyNear(turned(1), alpha(1), 1e-15));
        EXPECT_NEAR(turned(3), 0.0, 1e-15 * alpha(1));
    }
}

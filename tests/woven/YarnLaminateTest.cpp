#include <gtest/gtest.h>

#include <cmath>

#include "Tolerance.h"
#include "micromechanics/PlyFixtures.h"
#include "micromechanics/UDPly.h"
#include "weave/CellPoint.h"
#include "woven/PointLaminate.h"
#include "woven/Rotations6.h"
#include "woven/StackProperties3D.h"
#include "woven/UndulatedYarn.h"

namespace {

CUDPly CatalogueYarn() {
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    ply.MechCCA();
    ply.ThermShapery();
    return ply;
}

CMatrix IsotropicStiffness(double E, double nu) {
    CMatrix S(6, 6);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            S(i, j) = i == j ? 1.0 / E : -nu / E;
        }
        S(i + 3, i + 3) = 2.0 * (1.0 + nu) / E;
    }
    return S.Inverse();
}

CMatrix YarnStiffness(const CUDPly& ply) {
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
    return S.Inverse();
}

CVector Uniform(int n, double value) {
    CVector v(n);
    v.Fill(value);
    return v;
}

}  // namespace

TEST(UndulatedYarn, FlatYarnHasTheOrdinaryReducedStiffness) {
    // The catalogue pair's CCA ply at 60 %, as UDMixel reports it.
    const double E1 = 134066710523.78581;
    const double E2 = 8360835180.1953669;
    const double G12 = 4268102947.4907184;
    const double nu12 = 0.30650925082740105;
    CMatrix Q = UndulatedYarnQ(CatalogueYarn(), 0.0);
    double d = 1.0 - nu12 * nu12 * E2 / E1;
    EXPECT_TRUE(RelativelyNear(Q(1, 1), E1 / d, 1e-12));
    EXPECT_TRUE(RelativelyNear(Q(1, 2), nu12 * E2 / d, 1e-12));
    EXPECT_EQ(Q(2, 1), Q(1, 2));
    EXPECT_TRUE(RelativelyNear(Q(2, 2), E2 / d, 1e-12));
    EXPECT_TRUE(RelativelyNear(Q(3, 3), G12, 1e-12));
    EXPECT_EQ(Q(1, 3), 0.0);
    EXPECT_EQ(Q(2, 3), 0.0);
}

TEST(UndulatedYarn, AxialAndShearCompliancesAreThoseOfTheTiltedSolid) {
    CUDPly ply = CatalogueYarn();
    CMatrix C = YarnStiffness(ply);
    for (double theta : {0.1, -0.35, 0.8, std::acos(-1.0) / 2.0}) {
        CMatrix S = UndulatedYarnQ(ply, theta).Inverse();
        CMatrix tilted = RotateStiffness6Undulation(C, theta).Inverse();
        EXPECT_TRUE(RelativelyNear(S(1, 1), tilted(1, 1), 1e-12)) << theta;
        EXPECT_TRUE(RelativelyNear(S(2, 2), tilted(2, 2), 1e-12)) << theta;
        EXPECT_TRUE(RelativelyNear(S(3, 3), tilted(6, 6), 1e-12)) << theta;
    }
}

TEST(UndulatedYarn, ExpansionAndAxisLoadFollowTheTilt) {
    CUDPly ply = CatalogueYarn();
    CVector flat = UndulatedYarnAlpha(ply, 0.0);
    EXPECT_EQ(flat(1), ply.alpha1);
    EXPECT_EQ(flat(2), ply.alpha2);
    EXPECT_EQ(flat(3), 0.0);
    CVector upright = UndulatedYarnAlpha(ply, std::acos(-1.0) / 2.0);
    EXPECT_TRUE(RelativelyNear(upright(1), ply.alpha2, 1e-14));
    CVector load = YarnAxisLoad(5.0, std::acos(-1.0) / 3.0);
    EXPECT_TRUE(RelativelyNear(load(1), 1.25));
    EXPECT_EQ(load(2), 0.0);
    EXPECT_EQ(load(3), 0.0);
}

TEST(StackProperties3D, ThreeLayersOfOneMaterialAreThatMaterial) {
    CMatrix C = IsotropicStiffness(3.64e9, 0.37);
    CVector alpha = Uniform(6, 6.5e-5);
    for (int i = 4; i <= 6; ++i) {
        alpha(i) = 0.0;
    }
    StackedPoint stack = StackProperties3D(C, C, C, alpha, alpha, alpha, 0.2, 0.5, 0.3);
    CMatrix S = C.Inverse();
    CVector beta = C * alpha;
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            EXPECT_NEAR(stack.Sp(i, j), S(i, j), 1e-13 * S(1, 1)) << i << ", " << j;
        }
        EXPECT_NEAR(stack.beta(i), beta(i), 1e-13 * beta(1));
    }
}

TEST(StackProperties3D, LayersInSeriesThroughTheThicknessAndInParallelAlongIt) {
    // Two isotropic materials of equal Poisson's ratio: in-plane moduli mix by fraction,
    // through-thickness compliances too (up to the Poisson constraint, absent when nu is equal).
    const double nu = 0.3;
    CMatrix soft = IsotropicStiffness(2e9, nu);
    CMatrix stiff = IsotropicStiffness(20e9, nu);
    CVector zero(6);
    StackedPoint stack = StackProperties3D(soft, stiff, stiff, zero, zero, zero, 0.5, 0.3, 0.2);
    EXPECT_TRUE(RelativelyNear(1.0 / stack.Sp(1, 1), 0.5 * 2e9 + 0.5 * 20e9, 1e-13));
    EXPECT_TRUE(
        RelativelyNear(1.0 / stack.Sp(6, 6), (0.5 * 2e9 + 0.5 * 20e9) / (2 * (1 + nu)), 1e-13));
    // Transverse shears share the strain too; the z direction takes the stress in series.
    EXPECT_TRUE(RelativelyNear(stack.Sp(4, 4), 2 * (1 + nu) / (0.5 * 2e9 + 0.5 * 20e9), 1e-13));
    EXPECT_LT(stack.Sp(3, 3), 0.5 / 2e9 + 0.5 / 20e9);
    EXPECT_GT(stack.Sp(3, 3), 1.0 / (0.5 * 2e9 + 0.5 * 20e9));
}

TEST(StackProperties3D, StackIsOrthotropicWhateverTheYarnsCarry) {
    CUDPly ply = CatalogueYarn();
    CMatrix turned =
        RotateStiffness6InPlane(RotateStiffness6Undulation(YarnStiffness(ply), 0.2), 0.6);
    for (int i : {4, 5}) {
        for (int j : {1, 2, 3, 6}) {
            turned(i, j) = turned(j, i) = 0.0;
        }
    }
    CVector alpha = Uniform(6, 2e-5);
    alpha(4) = alpha(5) = 0.0;
    StackedPoint stack = StackProperties3D(IsotropicStiffness(3.64e9, 0.37), turned, turned, alpha,
                                           alpha, alpha, 0.4, 0.3, 0.3);
    for (int j = 1; j <= 5; ++j) {
        EXPECT_EQ(stack.Sp(j, 6), 0.0);
        EXPECT_EQ(stack.Sp(6, j), 0.0);
    }
    EXPECT_EQ(stack.Sp(4, 5), 0.0);
    EXPECT_EQ(stack.Sp(1, 2), stack.Sp(2, 1));
}

TEST(PointABD, HomogeneousSectionHasNoCouplingAndTheCubicBendingStiffness) {
    CellPoint point{};
    point.zTop = 1.5e-4;
    point.topU = 1.2e-4;
    point.botU = 0.1e-4;
    point.topL = -0.2e-4;
    point.botL = -1.1e-4;
    point.zBot = -1.5e-4;
    CMatrix Q(3, 3);
    Q(1, 1) = Q(2, 2) = 4e9;
    Q(1, 2) = Q(2, 1) = 1.4e9;
    Q(3, 3) = 1.3e9;
    CMatrix abd = PointABD(point, Q, Q, Q);
    double h = 3e-4;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            EXPECT_TRUE(RelativelyNear(abd(i, j), Q(i, j) * h, 1e-14) || Q(i, j) == 0.0);
            EXPECT_NEAR(abd(i, j + 3), 0.0, 1e-14 * Q(1, 1) * h * h);
            EXPECT_EQ(abd(i + 3, j), abd(i, j + 3));
            EXPECT_TRUE(RelativelyNear(abd(i + 3, j + 3), Q(i, j) * h * h * h / 12.0, 1e-13) ||
                        Q(i, j) == 0.0);
        }
    }
    CVector alpha = Uniform(3, 5e-5);
    alpha(3) = 0.0;
    CVector thermal = PointThermalResultants(point, Q, alpha, Q, Q, alpha, alpha);
    EXPECT_TRUE(RelativelyNear(thermal(1), (Q(1, 1) + Q(1, 2)) * 5e-5 * h, 1e-14));
    EXPECT_NEAR(thermal(4), 0.0, 1e-14 * thermal(1) * h);
}

TEST(PointABD, StiffLayerAboveTheMidPlaneGivesNegativeCoupling) {
    CellPoint point{};
    point.zTop = 1.0e-4;
    point.topU = 1.0e-4;
    point.botU = 0.0;
    point.topL = 0.0;
    point.botL = 0.0;
    point.zBot = -1.0e-4;
    CMatrix resin(3, 3);
    resin(1, 1) = resin(2, 2) = resin(3, 3) = 1e9;
    CMatrix yarn = resin * 10.0;
    CMatrix abd = PointABD(point, resin, yarn, resin);
    // B = -(integral of Q z): -(10e9 - 1e9) * (1e-4)^2 / 2.
    EXPECT_TRUE(RelativelyNear(abd(1, 4), -9e9 * 1e-8 / 2.0, 1e-14));
    CVector load(3);
    load(1) = 2.0;
    CVector yarnLoad = PointYarnResultants(point, load, load);
    EXPECT_TRUE(RelativelyNear(yarnLoad(1), 2.0 * 1e-4));
    EXPECT_TRUE(RelativelyNear(yarnLoad(4), -0.5 * 2.0 * 1e-8));
}

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Tolerance.h"
#include "WovenFixtures.h"
#include "weave/CellParams.h"
#include "woven/CellABD.h"
#include "woven/FabricCellParams.h"

namespace {

FabricCase ObliqueFabric(bool isoStrain) {
    FabricCase fabric;
    fabric.fillAngle = 20.0 * kDegree;
    fabric.warpAngle = 95.0 * kDegree;
    fabric.isoStrain = isoStrain;
    return fabric;
}

// Signs of the laminate output groups when the fabric is turned upside down: A, D, NT, thermal
// strains, ratios, thickness and yarn forces stay; B, MT, curvatures and yarn moments flip.
const std::vector<int> kTurnedSigns = {1, -1, 1, 1, 1, -1, 1, -1, 1, 1, -1};

}  // namespace

TEST(AverageABD, HomogeneousPlateComesBackAsItsResin) {
    for (bool isoStrain : {true, false}) {
        FabricCase fabric = ObliqueFabric(isoStrain);
        fabric.fibre = FibreLikeResin(fabric.resin);
        auto out = fabric.Run(1, kUnbalancedCells, 4);
        ASSERT_TRUE(out.ok);
        const double E = fabric.resin[0];
        const double nu = fabric.resin[1];
        const double alpha = fabric.resin[2];
        const double h = out[34];
        const double Q11 = E / (1 - nu * nu);
        const double Q12 = nu * Q11;
        const double Q66 = E / (2 * (1 + nu));
        const double A[6] = {Q11, Q12, 0.0, Q11, 0.0, Q66};  // 11 12 16 22 26 66
        for (int i = 0; i < 6; ++i) {
            EXPECT_NEAR(out[i], A[i] * h, 1e-12 * Q11 * h) << i;
            EXPECT_NEAR(out[6 + i], 0.0, 1e-12 * Q11 * h * h) << 6 + i;
            EXPECT_NEAR(out[12 + i], A[i] * h * h * h / 12.0, 1e-12 * Q11 * h * h * h) << 12 + i;
        }
        EXPECT_TRUE(RelativelyNear(out[22], (Q11 + Q12) * alpha * h, 1e-12));
        EXPECT_NEAR(out[24], 0.0, 1e-12 * out[22]);
        for (int i = 25; i < 28; ++i) {
            EXPECT_NEAR(out[i], 0.0, 1e-12 * out[22] * h) << i;
        }
        EXPECT_TRUE(RelativelyNear(out[28], alpha, 1e-12));
        EXPECT_TRUE(RelativelyNear(out[29], alpha, 1e-12));
        for (int i = 30; i < 34; ++i) {
            EXPECT_NEAR(out[i], 0.0, 1e-12 * alpha / h) << i;
        }
    }
}

TEST(AverageABD, TurningEveryCrossingUpsideDownFlipsOnlyTheCoupling) {
    for (bool isoStrain : {true, false}) {
        FabricCase fabric = ObliqueFabric(isoStrain);
        auto upright = fabric.Run(1, kUnbalancedCells, 4);
        auto turned = fabric.Run(1, Negated(kUnbalancedCells), 4);
        EXPECT_GT(std::fabs(upright[6]), 1e-3 * upright[0] * upright[34]);  // B is there
        EXPECT_GT(std::fabs(upright[25]), 1e-3 * upright[22] * upright[34]);
        ExpectGroupsMatch(turned, upright, kLaminateGroups, kTurnedSigns, 1e-12);
    }
}

TEST(AverageABD, BalancedPatternHasNoCouplingOrThermalWarping) {
    for (bool isoStrain : {true, false}) {
        FabricCase fabric = ObliqueFabric(isoStrain);
        auto out = fabric.Run(1, kPlainCells, 4);
        double h = out[34];
        for (int i = 6; i < 12; ++i) {
            EXPECT_NEAR(out[i], 0.0, 1e-13 * out[0] * h) << i;
        }
        for (int i = 25; i < 28; ++i) {
            EXPECT_NEAR(out[i], 0.0, 1e-13 * out[22] * h) << i;
        }
        for (int i = 31; i < 34; ++i) {
            EXPECT_NEAR(out[i], 0.0, 1e-13 * out[28] / h) << i;
        }
        for (int i = 38; i < 41; ++i) {
            EXPECT_NEAR(out[i], 0.0, 1e-13 * out[35] * h) << i;
        }
    }
}

TEST(AverageABD, ZeroLoadFactorsClearOnlyTheYarnAxisResultants) {
    FabricCase loaded = ObliqueFabric(false);
    FabricCase unloaded = loaded;
    unloaded.loads = {0.0, 0.0};
    auto a = loaded.Run(1, kUnbalancedCells, 4);
    auto b = unloaded.Run(1, kUnbalancedCells, 4);
    for (int i = 0; i < 35; ++i) {
        EXPECT_EQ(b[i], a[i]) << i;
    }
    for (int i = 35; i < 41; ++i) {
        EXPECT_EQ(b[i], 0.0) << i;
        EXPECT_NE(a[i], 0.0) << i;
    }
}

TEST(AverageABD, YarnLoadsAlongTheAxesPullAlongTheYarns) {
    // Warp along y, fill along x: the fill's load is a force in x, the warp's a force in y.
    FabricCase fabric;
    fabric.loads = {0.0, 5.0};
    auto fillOnly = fabric.Run(1, kPlainCells, 4);
    EXPECT_GT(fillOnly[35], 0.0);
    EXPECT_NEAR(fillOnly[36], 0.0, 1e-12 * fillOnly[35]);
    fabric.loads = {10.0, 0.0};
    auto warpOnly = fabric.Run(1, kPlainCells, 4);
    EXPECT_GT(warpOnly[36], 0.0);
    EXPECT_NEAR(warpOnly[35], 0.0, 1e-12 * warpOnly[36]);
}

TEST(AverageABD, IsoStrainIsStifferThanIsoStress) {
    auto stiff = ObliqueFabric(true).Run(1, kUnbalancedCells, 4);
    auto soft = ObliqueFabric(false).Run(1, kUnbalancedCells, 4);
    for (int i : {0, 3, 5, 12, 15, 17}) {
        EXPECT_GT(stiff[i], soft[i]) << i;
    }
}

TEST(AverageABD, CellStiffnessIsSymmetric) {
    FabricCase fabric = ObliqueFabric(true);
    CellParams params = FabricCellParams(fabric.vf, fabric.fibre.data(), fabric.fabric.data(),
                                         fabric.fillAngle, fabric.warpAngle);
    for (bool isoStrain : {true, false}) {
        for (int kind = 1; kind <= 4; ++kind) {
            CCellABD cell(isoStrain, 5, fabric.resin.data(), fabric.fibre.data(), params,
                          YarnAngles{fabric.warpAngle, fabric.fillAngle}, fabric.vf,
                          fabric.loads.data(), static_cast<CrossingKind>(kind));
            const CMatrix& abd = cell.ABDcell();
            for (int i = 1; i <= 6; ++i) {
                for (int j = 1; j < i; ++j) {
                    double scale = std::sqrt(std::fabs(abd(i, i) * abd(j, j)));
                    EXPECT_NEAR(abd(i, j), abd(j, i), 1e-13 * scale) << kind << ": " << i << j;
                }
            }
        }
    }
}

TEST(AverageABD, LaminateAndSolidModelsAgreeOnTheFabric) {
    // Same yarns, resin and geometry: membrane stiffness per thickness is of the order of the
    // 3D modulus and the free in-plane expansion matches the 3D one.
    FabricCase fabric;
    auto laminate = fabric.Run(1, kPlainCells, 4);
    auto solid = fabric.Run(0, kPlainCells, 4);
    double Ex = 1.0 / (1.0 / laminate[0]) / laminate[34];
    EXPECT_GT(Ex, 0.5 * solid[0]);
    EXPECT_LT(Ex, 2.0 * solid[0]);
    EXPECT_TRUE(RelativelyNear(laminate[28] * 1e6, solid[12], 0.2));
    EXPECT_EQ(laminate[34], solid[18]);
}

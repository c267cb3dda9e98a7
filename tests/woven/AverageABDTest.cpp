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

TEST(AverageABD, MatchesAnIndependentEvaluation) {
    struct Row {
        bool isoStrain;
        double values[41];
    };
    const Row rows[] = {
        {true, {14390533.88585778,       2422391.4286627085,     3940174.9058788214,
                22414492.943777055,      -942818.3373985803,     3156538.5797122503,
                688.7871521349557,       76.1222851540229,       246.8354119005279,
                -1021.914990514358,      128.27076856068038,     73.36350473293666,
                0.11736204899198104,     0.020182070350438536,   0.03174720966378688,
                0.16796465367917493,     -0.006451899302251217,  0.02532497850397227,
                0.2738032471297682,      -0.042062889388730755,  0.2705066070033939,
                -0.038412244248571654,   103.21771004847837,     89.50856015128431,
                -4.789426369341086,      -0.001240218493865412,  0.0015396749285054487,
                -0.0006073141074564969,  1.3433570338410077e-05, 4.602090584366884e-06,
                -1.2938398983426427e-05, -0.05767800230917026,   0.04570772656155579,
                -0.056793141790222865,   0.00034701994874080993, 0.00033283084056873923,
                0.0011087520126059958,   4.9862354894268525e-05, 1.880377894244242e-08,
                -4.868569224033693e-08,  2.2937323312027568e-08}},
        {false, {4610114.906050006,      932062.8886585216,      520007.1901330098,
                 12658238.21006579,      -615390.5990161526,     1697684.2731833556,
                 54.709801426046255,     -0.06119984564818992,   19.946412653323364,
                 -412.67032929871743,    38.27585432185833,      -4.562816262440464,
                 0.036533944468130804,   0.009453835657595113,   0.0035143541209335053,
                 0.07910462693571098,    -0.0031019128954925534, 0.012345479482950387,
                 0.11279701281427654,    -0.04861581752560131,   0.09619421532758768,
                 -0.039212787110588426,  103.21771004847837,     89.50856015128431,
                 -4.789426369341086,     -0.001240218493865412,  0.0015396749285054487,
                 -0.0006073141074564969, 2.298557111926976e-05,  7.336361995795871e-06,
                 -8.07927755765952e-06,  -0.07104916422491847,   0.06743171945869424,
                 -0.07489416139293237,   0.00034701994874080993, 0.00033283084056873923,
                 0.0011087520126059958,  4.9862354894268525e-05, 1.880377894244242e-08,
                 -4.868569224033693e-08, 2.2937323312027568e-08}},
    };
    for (const Row& row : rows) {
        auto out = ReferenceCase(row.isoStrain).Run(1, kUnbalancedCells, 4);
        FabricCase::Result expected{true, {}};
        std::copy(std::begin(row.values), std::end(row.values), expected.out.begin());
        ExpectGroupsMatch(out, expected, kLaminateGroups,
                          std::vector<int>(kLaminateGroups.size(), 1), 1e-13);
    }
}

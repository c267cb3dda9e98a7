#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Tolerance.h"
#include "WovenFixtures.h"

namespace {

// A fabric whose fibre is its resin: every point, yarn and cell is the resin itself.
FabricCase ResinOnlyFabric() {
    FabricCase fabric;
    fabric.fibre = FibreLikeResin(fabric.resin);
    fabric.fillAngle = 15.0 * kDegree;
    fabric.warpAngle = 80.0 * kDegree;
    return fabric;
}

}  // namespace

TEST(Average3D, HomogeneousFabricComesBackAsItsResin) {
    for (bool isoStrain : {true, false}) {
        FabricCase fabric = ResinOnlyFabric();
        fabric.isoStrain = isoStrain;
        auto out = fabric.Run(0, kUnbalancedCells, 4);
        ASSERT_TRUE(out.ok);
        const double E = fabric.resin[0];
        const double nu = fabric.resin[1];
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(RelativelyNear(out[i], E, 1e-12)) << i;
            EXPECT_TRUE(RelativelyNear(out[3 + i], E / (2 * (1 + nu)), 1e-12)) << 3 + i;
            EXPECT_TRUE(RelativelyNear(out[12 + i], fabric.resin[2] * 1e6, 1e-12)) << 12 + i;
        }
        for (int i = 6; i < 12; ++i) {
            EXPECT_TRUE(RelativelyNear(out[i], nu, 1e-12)) << i;
        }
        EXPECT_NEAR(out[15], 0.0, 1e-12 * out[12]);
    }
}

TEST(Average3D, StackedPointsCarryNoInPlaneCoupling) {
    FabricCase fabric;
    fabric.fillAngle = 20.0 * kDegree;
    fabric.warpAngle = 110.0 * kDegree;
    for (bool isoStrain : {true, false}) {
        fabric.isoStrain = isoStrain;
        auto out = fabric.Run(0, kUnbalancedCells, 4);
        EXPECT_EQ(out[16], 0.0);
        EXPECT_EQ(out[17], 0.0);
        // The expansion still shears when the yarns are neither along x nor along y.
        EXPECT_GT(std::fabs(out[15]), 1e-3 * std::fabs(out[12]));
    }
}

TEST(Average3D, UpsideDownCrossingsGiveTheSameSolid) {
    FabricCase fabric;
    fabric.fillAngle = 20.0 * kDegree;
    for (bool isoStrain : {true, false}) {
        fabric.isoStrain = isoStrain;
        auto upright = fabric.Run(0, kUnbalancedCells, 4);
        auto turned = fabric.Run(0, Negated(kUnbalancedCells), 4);
        for (int i = 0; i < 19; ++i) {
            EXPECT_EQ(turned[i], upright[i]) << i;
        }
    }
}

TEST(Average3D, IsoStrainIsStifferThanIsoStress) {
    FabricCase strain;
    FabricCase stress;
    stress.isoStrain = false;
    for (const auto* cells : {&kPlainCells, &kUnbalancedCells}) {
        auto stiff = strain.Run(0, *cells, 4);
        auto soft = stress.Run(0, *cells, 4);
        for (int i = 0; i < 6; ++i) {
            EXPECT_GT(stiff[i], soft[i]) << i;
        }
    }
}

TEST(Average3D, BalancedPlainWeaveIsTheSameAlongWarpAndFill) {
    FabricCase fabric;
    fabric.fabric[5] = fabric.fabric[4];
    auto out = fabric.Run(0, kPlainCells, 4);
    EXPECT_TRUE(RelativelyNear(out[0], out[1], 1e-12));
    EXPECT_TRUE(RelativelyNear(out[4], out[5], 1e-12));
    EXPECT_TRUE(RelativelyNear(out[6], out[9], 1e-12));
    EXPECT_TRUE(RelativelyNear(out[12], out[13], 1e-12));
    // In-plane the fabric is stiffer and expands less than through its thickness.
    EXPECT_GT(out[0], 2.0 * out[2]);
    EXPECT_LT(out[12], out[14]);
}

TEST(Average3D, CodesWithoutAKindDiluteTheAverage) {
    FabricCase fabric;
    auto straight = fabric.Run(0, std::vector<short>{2, 2}, 2);
    auto diluted = fabric.Run(0, std::vector<short>{2, 9}, 2);
    ASSERT_TRUE(diluted.ok);
    // Half the stiffness: every modulus halves, ratios and expansions stay.
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(RelativelyNear(diluted[i], straight[i] / 2.0, 1e-12)) << i;
    }
    for (int i = 6; i < 15; ++i) {
        EXPECT_TRUE(RelativelyNear(diluted[i], straight[i], 1e-12)) << i;
    }
}

TEST(Average3D, MatchesAnIndependentEvaluation) {
    struct Row {
        bool isoStrain;
        double values[19];
    };
    const Row rows[] = {
        {true,
         {24444549998.260662, 66182674634.06598, 9412445616.400982, 5507523067.395884,
          3566257414.490996, 4446886771.057183, 0.1373089031536269, 0.4533956895047352,
          0.3357864311817933, 0.3717585499599534, 0.17458133900921066, 0.04775527038910529,
          11.74480395874708, 2.1279204419416504, 68.00979918377173, -9.803717825709787, 0.0, 0.0,
          0.00034701994874080993}},
        {false,
         {15266645808.417679, 64535658165.12041, 8544870072.660601, 5028660291.739103,
          3277192981.750742, 4387775274.129719, 0.08156161683585884, 0.49834501724183206,
          0.3586938869435388, 0.3447799005470652, 0.27892789792380823, 0.04749301001855572,
          18.952046843444926, 2.2088635510006047, 65.83012000743331, -10.737293620735635, 0.0, 0.0,
          0.00034701994874080993}},
    };
    for (const Row& row : rows) {
        auto out = ReferenceCase(row.isoStrain).Run(0, kUnbalancedCells, 4);
        for (int i = 0; i < 19; ++i) {
            EXPECT_TRUE(RelativelyNear(out[i], row.values[i], 1e-13) || row.values[i] == out[i])
                << (row.isoStrain ? "iso-strain #" : "iso-stress #") << i;
        }
    }
}

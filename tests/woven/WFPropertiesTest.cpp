#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Tolerance.h"
#include "WovenFixtures.h"

TEST(WFProperties, RefusesNullWeaveAndEqualAnglesWithoutWriting) {
    FabricCase fabric;
    for (short model : {0, 1, 2}) {
        auto nullWeave = fabric.Run(model, nullptr);
        EXPECT_FALSE(nullWeave.ok);
        EXPECT_TRUE(nullWeave.Untouched());
        FabricCase parallel;
        parallel.fillAngle = parallel.warpAngle = 30.0 * kDegree;
        auto equal = parallel.Run(model, kPlainCells, 4);
        EXPECT_FALSE(equal.ok);
        EXPECT_TRUE(equal.Untouched());
    }
}

TEST(WFProperties, UnknownModelSucceedsWithoutWriting) {
    FabricCase fabric;
    for (short model : {-1, 3, 7}) {
        auto result = fabric.Run(model, kPlainCells, 4);
        EXPECT_TRUE(result.ok);
        EXPECT_TRUE(result.Untouched());
    }
}

TEST(WFProperties, WritesNineteenValuesForThreeDAndFortyOneForLaminate) {
    FabricCase fabric;
    auto solid = fabric.Run(0, kPlainCells, 4);
    ASSERT_TRUE(solid.ok);
    EXPECT_TRUE(solid.AllFinite(19));
    EXPECT_EQ(solid[19], kUnwritten);
    auto laminate = fabric.Run(1, kPlainCells, 4);
    ASSERT_TRUE(laminate.ok);
    EXPECT_TRUE(laminate.AllFinite(41));
}

TEST(WFProperties, RefusesGaussCountsOutsideTheTables) {
    for (short n : {0, -3, 12, 100}) {
        FabricCase fabric;
        fabric.gaussPoints = n;
        for (short model : {0, 1, 2}) {
            auto result = fabric.Run(model, kPlainCells, 4);
            EXPECT_FALSE(result.ok) << "n = " << n;
            EXPECT_TRUE(result.Untouched());
        }
    }
    FabricCase edges;
    for (short n : {1, 11}) {
        edges.gaussPoints = n;
        EXPECT_TRUE(edges.Run(1, kPlainCells, 4).AllFinite(41)) << "n = " << n;
    }
}

TEST(WFProperties, RefusesPatternsWithoutAnyCrossing) {
    FabricCase fabric;
    CWeave empty;
    const std::vector<short> zeros(16, 0);
    const std::vector<short> foreign = {5, -5, 7, 0};
    for (short model : {0, 1}) {
        for (auto result : {fabric.Run(model, &empty), fabric.Run(model, zeros, 4),
                            fabric.Run(model, foreign, 2)}) {
            EXPECT_FALSE(result.ok);
            EXPECT_TRUE(result.Untouched());
        }
    }
}

TEST(WFProperties, RefusesCountsAndDensitiesThatAreNotPositive) {
    struct Case {
        int index;
        bool fibreArray;
        double value;
    };
    const double nan = std::nan("");
    for (Case c : {Case{4, false, 0.0}, Case{5, false, 0.0}, Case{6, false, 0.0},
                   Case{4, false, -500.0}, Case{5, false, nan}, Case{7, true, 0.0}}) {
        FabricCase fabric;
        (c.fibreArray ? fabric.fibre[c.index] : fabric.fabric[c.index]) = c.value;
        for (short model : {0, 1}) {
            auto result = fabric.Run(model, kPlainCells, 4);
            EXPECT_FALSE(result.ok) << "entry " << c.index << " = " << c.value;
            EXPECT_TRUE(result.Untouched());
        }
    }
}

TEST(WFProperties, RefusesMissingArrays) {
    FabricCase fabric;
    CWeave weave(4, 4, kPlainCells.data());
    double out[41];
    auto run = [&](short model, const double* resin, const double* fibre, const double* cloth,
                   const double* loads, double* result) {
        return WFProperties(model, true, &weave, 4, 0.5, resin, fibre, cloth, 0.0, 1.0, loads, 0,
                            result);
    };
    const double* r = fabric.resin.data();
    const double* f = fabric.fibre.data();
    const double* c = fabric.fabric.data();
    const double* s = fabric.loads.data();
    EXPECT_FALSE(run(0, nullptr, f, c, s, out));
    EXPECT_FALSE(run(0, r, nullptr, c, s, out));
    EXPECT_FALSE(run(0, r, f, nullptr, s, out));
    EXPECT_FALSE(run(0, r, f, c, s, nullptr));
    EXPECT_FALSE(run(1, r, f, c, nullptr, out));
    EXPECT_TRUE(run(0, r, f, c, nullptr, out));  // the 3D model reads no load factors
}

TEST(WFProperties, DegenerateShapesGiveNonFiniteNumbersNotACrash) {
    FabricCase noResinShare;
    noResinShare.vf = 0.0;
    auto result = noResinShare.Run(1, kPlainCells, 4);
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(std::isfinite(result[34]));

    // Yarns as wide as their spacing without undulation: the tangent offsets are 0/0.
    FabricCase fullWidthFlat;
    fullWidthFlat.fabric[0] = fullWidthFlat.fabric[1] = 0.0;
    fullWidthFlat.fabric[3] = 1.0;
    for (short model : {0, 1}) {
        EXPECT_TRUE(fullWidthFlat.Run(model, kPlainCells, 4).ok);
    }
}

TEST(WFProperties, ThicknessDependsOnlyOnTheFabricAndTheAngleBetweenTheYarns) {
    FabricCase base;
    base.fillAngle = 10.0 * kDegree;
    base.warpAngle = 70.0 * kDegree;
    const double expected = 0.0003870504597919279;  // 0.3 / (0.5 * 1790) / sin 60 degrees
    FabricCase otherResin = base;
    otherResin.resin = {4.5e9, 0.3, 5.5e-5};
    FabricCase iterated = base;
    iterated.gaussPoints = 9;
    iterated.isoStrain = false;
    for (const FabricCase& c : {base, otherResin, iterated}) {
        EXPECT_TRUE(RelativelyNear(c.Run(0, kPlainCells, 4)[18], expected));
        EXPECT_TRUE(RelativelyNear(c.Run(1, kUnbalancedCells, 4)[34], expected));
    }
}

// An angle between the yarns beyond 180 degrees is the same fabric, not a negative thickness.
TEST(WFProperties, YarnAnglesHalfATurnApartDescribeTheSameFabric) {
    FabricCase ordered;
    ordered.warpAngle = 0.0;
    ordered.fillAngle = 90.0 * kDegree;
    FabricCase turned = ordered;
    turned.fillAngle = 270.0 * kDegree;
    auto solid = turned.Run(0, kUnbalancedCells, 4);
    EXPECT_GT(solid[18], 0.0);
    ExpectGroupsMatch(solid, ordered.Run(0, kUnbalancedCells, 4), kSolidGroups,
                      std::vector<int>(kSolidGroups.size(), 1), 1e-12);
    auto laminate = turned.Run(1, kUnbalancedCells, 4);
    EXPECT_GT(laminate[0], 0.0);
    ExpectGroupsMatch(laminate, ordered.Run(1, kUnbalancedCells, 4), kLaminateGroups,
                      std::vector<int>(kLaminateGroups.size(), 1), 1e-12);
}

// A fabric whose fibre does not fit in its yarns (each yarn would be more than all fibre) is no
// fabric: every model refuses it, out untouched, where the ply models would otherwise run past a
// fibre fraction of one and the moduli through a pole.
TEST(WFProperties, RefusesFabricsWhoseFibreDoesNotFitInTheYarns) {
    FabricCase fabric;
    for (short model : {0, 1, 2}) {
        fabric.vf = 0.60;
        const FabricCase::Result fits = fabric.Run(model, kPlainCells, 4);
        EXPECT_TRUE(fits.ok) << model;
        fabric.vf = 0.80;
        const FabricCase::Result overfull = fabric.Run(model, kPlainCells, 4);
        EXPECT_FALSE(overfull.ok) << model;
        EXPECT_TRUE(overfull.Untouched()) << model;
    }
}

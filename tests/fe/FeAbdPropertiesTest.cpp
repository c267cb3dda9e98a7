#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Tolerance.h"
#include "cholesky/SparseCholesky.h"
#include "sparse/SparseMatrix.h"
#include "woven/WovenFixtures.h"

namespace {

// Entries of A and D, compared against their block's scale.
void ExpectSameStiffness(const FabricCase::Result& actual, const FabricCase::Result& expected,
                         double tolerance) {
    ExpectGroupsMatch(actual, expected, {{0, 5}, {12, 17}}, {1, 1}, tolerance);
}

}  // namespace

TEST(FeAbdProperties, FullyCoarsenedPlainIsTheAverageOfItsCrossing) {
    FabricCase fabric;
    auto average = fabric.Run(1, kPlainCells, 4);
    for (int reductions : {2, 5}) {  // more than MaxReduction is MaxReduction
        CWeave plain(4, 4, kPlainCells.data());
        FabricCase::Result fe;
        fe.out.fill(kUnwritten);
        fe.ok = WFProperties(2, true, &plain, fabric.gaussPoints, fabric.vf, fabric.resin.data(),
                             fabric.fibre.data(), fabric.fabric.data(), fabric.fillAngle,
                             fabric.warpAngle, fabric.loads.data(), reductions, fe.out.data());
        ASSERT_TRUE(fe.ok);
        ExpectSameStiffness(fe, average, 1e-10);
        for (int i = 6; i < 12; ++i) {
            EXPECT_NEAR(fe[i], 0.0, 1e-12 * fe[0] * fe[34]) << i;
        }
        EXPECT_TRUE(RelativelyNear(fe[22], average[22], 1e-10));
        EXPECT_TRUE(RelativelyNear(fe[28], average[28], 1e-10));
    }
}

TEST(FeAbdProperties, FineMeshWritesAllFortyOneValues) {
    FabricCase fabric;
    auto fe = fabric.Run(2, kPlainCells, 4);
    ASSERT_TRUE(fe.ok);
    EXPECT_TRUE(fe.AllFinite(41));
    EXPECT_EQ(fe[34], fabric.Run(1, kPlainCells, 4)[34]);
    // Bending the crossings locally makes the fine mesh softer than the flat average.
    auto average = fabric.Run(1, kPlainCells, 4);
    EXPECT_LT(fe[0], average[0]);
    EXPECT_GT(fe[0], 0.5 * average[0]);
}

// The fill yarn at 0 degrees and at 180 degrees is the same yarn: with warp 90, fill 0 the plain
// difference of the angles would put the second cell edge at -90 degrees, a clockwise mesh, and
// must not turn the laminate inside out.
TEST(FeAbdProperties, FillDirectionHalfATurnRoundIsTheSameFabric) {
    FabricCase swapped;
    swapped.warpAngle = 90.0 * kDegree;
    swapped.fillAngle = 0.0;
    FabricCase ordered = swapped;
    ordered.fillAngle = 180.0 * kDegree;
    auto a = swapped.Run(2, kUnbalancedCells, 4);
    auto b = ordered.Run(2, kUnbalancedCells, 4);
    EXPECT_GT(a[0], 0.0);
    EXPECT_GT(a[12], 0.0);
    EXPECT_GT(a[28], 0.0);
    ExpectGroupsMatch(a, b, kLaminateGroups, std::vector<int>(kLaminateGroups.size(), 1), 1e-9);
}

TEST(FeAbdProperties, RefusesCodesWithoutACrossingKind) {
    FabricCase fabric;
    auto result = fabric.Run(2, std::vector<short>{1, -2, 0, 3}, 2);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.Untouched());
    // The averaging models still take them, diluted.
    EXPECT_TRUE(fabric.Run(1, std::vector<short>{1, -2, 0, 3}, 2).ok);
}

// Both sparse packages out of memory: the model refuses the cell (false, out untouched) instead of
// returning not-a-number as if it were the cell's laminate.
TEST(FeAbdProperties, RunningOutOfMemoryIsARefusalNotAResult) {
    FabricCase fabric;
    CWeave plain(4, 4, kPlainCells.data());
    FabricCase::Result fe;
    fe.out.fill(kUnwritten);
    CholeskyFailNthAllocation(1);
    SparseFailNthAllocation(1);
    fe.ok = WFProperties(2, false, &plain, fabric.gaussPoints, fabric.vf, fabric.resin.data(),
                         fabric.fibre.data(), fabric.fabric.data(), fabric.fillAngle,
                         fabric.warpAngle, fabric.loads.data(), 0, fe.out.data());
    CholeskyFailNthAllocation(0);
    SparseFailNthAllocation(0);
    EXPECT_FALSE(fe.ok);
    EXPECT_TRUE(fe.Untouched());

    fe.ok = WFProperties(2, false, &plain, fabric.gaussPoints, fabric.vf, fabric.resin.data(),
                         fabric.fibre.data(), fabric.fabric.data(), fabric.fillAngle,
                         fabric.warpAngle, fabric.loads.data(), 0, fe.out.data());
    EXPECT_TRUE(fe.ok);
    EXPECT_TRUE(fe.AllFinite(41));
}

#include <gtest/gtest.h>

#include <vector>

#include "FeFixtures.h"
#include "fe/FeKinds.h"

namespace {

// Four kinds whose laminates are told apart by their first entry, k, and carry coupling k / 10.
FePattern Numbered(int nx, int ny, std::vector<short> cells) {
    FePattern pattern{nx, ny, std::move(cells), {}};
    for (int k = 1; k <= 4; ++k) {
        CMatrix abd(6, 6);
        abd(1, 1) = k;
        abd(1, 4) = abd(4, 1) = k / 10.0;
        pattern.kinds.Add(abd, Resultants(k, 0, 0, k, 0, 0), Resultants(0, k, 0, 0, k, 0));
    }
    return pattern;
}

}  // namespace

TEST(FeKinds, NegativeCodesSelectTheCellUpsideDown) {
    FePattern pattern = Numbered(1, 1, {1});
    EXPECT_EQ(pattern.kinds.ABD(3)(1, 1), 3.0);
    EXPECT_EQ(pattern.kinds.ABD(-3)(1, 1), 3.0);
    EXPECT_EQ(pattern.kinds.ABD(3)(1, 4), 0.3);
    EXPECT_EQ(pattern.kinds.ABD(-3)(1, 4), -0.3);
    EXPECT_EQ(pattern.kinds.ABD(-3)(4, 1), -0.3);
    EXPECT_EQ(pattern.kinds.Thermal(-2)(1), 2.0);
    EXPECT_EQ(pattern.kinds.Thermal(-2)(4), -2.0);
    EXPECT_EQ(pattern.kinds.YarnLoads(-4)(5), -4.0);
}

TEST(FeKinds, PlainCoarsensToOneUncoupledElement) {
    FePattern plain = Numbered(4, 4, {-1, -1, 1, 1, -1, -1, 1, 1, 1, 1, -1, -1, 1, 1, -1, -1});
    FePattern level1 = CoarsenPattern(plain);
    EXPECT_EQ(level1.nx, 2);
    EXPECT_EQ(level1.ny, 2);
    EXPECT_EQ(level1.cells, (std::vector<short>{1, -1, -1, 1}));
    ASSERT_EQ(level1.kinds.Count(), 1);
    EXPECT_EQ(level1.kinds.ABD(1)(1, 4), -0.1);  // all four cells were -1
    FePattern level2 = CoarsenPattern(level1);
    EXPECT_EQ(level2.cells, (std::vector<short>{1}));
    EXPECT_EQ(level2.kinds.ABD(1)(1, 1), 1.0);
    EXPECT_EQ(level2.kinds.ABD(1)(1, 4), 0.0);
    EXPECT_EQ(level2.kinds.Thermal(1)(4), 0.0);
}

TEST(FeKinds, MirroredAndTurnedBlocksShareAKindAndNegatedOnesFlipIt) {
    // Blocks (row-major): [1 2; 3 4], mirrored [2 1; 4 3], turned [4 3; 2 1], negated
    // [-1 -2; -3 -4], and a new one [2 2; 2 2].
    FePattern fine = Numbered(10, 2, {1, 2, 2, 1, 4, 3, -1, -2, 2, 2,  //
                                      3, 4, 4, 3, 2, 1, -3, -4, 2, 2});
    FePattern coarse = CoarsenPattern(fine);
    EXPECT_EQ(coarse.cells, (std::vector<short>{1, 1, 1, -1, 2}));
    ASSERT_EQ(coarse.kinds.Count(), 2);
    EXPECT_EQ(coarse.kinds.ABD(1)(1, 1), (1.0 + 2.0 + 3.0 + 4.0) / 4.0);
    EXPECT_EQ(coarse.kinds.ABD(2)(1, 1), 2.0);
    EXPECT_EQ(coarse.kinds.ABD(-1)(1, 4), -0.25);
}

TEST(FeKinds, SimpleUDCoarsensToTheMeanOfFourStraightCells) {
    FePattern ud = Numbered(2, 2, {2, 2, 2, 2});
    FePattern single = CoarsenPattern(ud);
    EXPECT_EQ(single.cells, (std::vector<short>{1}));
    EXPECT_EQ(single.kinds.ABD(1)(1, 1), 2.0);
    EXPECT_EQ(single.kinds.YarnLoads(1)(2), 2.0);
}

#include <gtest/gtest.h>

#include <array>

#include "woven/MatchBlock.h"

namespace {

using Block = std::array<short, 4>;

short Match(const Block& a, const Block& b) {
    return MatchBlock(a.data(), b.data());
}

}  // namespace

TEST(MatchBlock, FindsTheBlockInAnyOfItsFourArrangements) {
    const Block b = {1, 2, 3, 4};
    EXPECT_EQ(Match({1, 2, 3, 4}, b), 1);
    EXPECT_EQ(Match({2, 1, 4, 3}, b), 1);  // mirrored left-right
    EXPECT_EQ(Match({3, 4, 1, 2}, b), 1);  // mirrored top-bottom
    EXPECT_EQ(Match({4, 3, 2, 1}, b), 1);  // turned half round
    EXPECT_EQ(Match({1, 3, 2, 4}, b), 0);  // transposed is not one of them
    EXPECT_EQ(Match({-2, -1, -4, -3}, b), -1);
    EXPECT_EQ(Match({-4, -3, -2, -1}, b), -1);
    EXPECT_EQ(Match({-1, 2, 3, 4}, b), 0);
}

TEST(MatchBlock, IsSymmetricInItsTwoBlocks) {
    const Block blocks[] = {{1, -4, -3, -1}, {-1, 4, 3, 1},    {4, -1, 1, -3},
                            {2, 2, 3, 3},    {-3, -3, -2, -2}, {1, 2, 3, 4}};
    for (const Block& a : blocks) {
        for (const Block& b : blocks) {
            EXPECT_EQ(Match(a, b), Match(b, a));
        }
    }
}

TEST(MatchBlock, SelfMatchWinsOverOppositeMatch) {
    EXPECT_EQ(Match({0, 0, 0, 0}, {0, 0, 0, 0}), 1);
    // Equal to its own negation when mirrored: the equal test comes first.
    EXPECT_EQ(Match({1, -1, 2, -2}, {1, -1, 2, -2}), 1);
    EXPECT_EQ(Match({1, -1, 2, -2}, {-1, 1, -2, 2}), 1);
    EXPECT_EQ(Match({1, 1, -1, -1}, {-1, -1, 1, 1}), 1);
}

TEST(MatchBlock, NegatesInSixteenBits) {
    const short lowest = -32768;
    EXPECT_EQ(Match({lowest, 1, 1, 1}, {lowest, -1, -1, -1}), -1);
}

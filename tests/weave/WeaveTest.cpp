#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "weftcore.h"

namespace {

int MaxReductionOf(int cols, int rows) {
    std::vector<short> cells(static_cast<size_t>(cols) * rows, 2);
    return CWeave(cols, rows, cells.data()).MaxReduction();
}

}  // namespace

TEST(Weave, MaxReductionCountsCommonPowersOfTwo) {
    EXPECT_EQ(MaxReductionOf(3, 4), 0);  // odd first dimension
    EXPECT_EQ(MaxReductionOf(4, 3), 0);  // even first, odd second
    EXPECT_EQ(MaxReductionOf(12, 8), 2);
    EXPECT_EQ(MaxReductionOf(8, 12), 2);
    EXPECT_EQ(MaxReductionOf(32, 32), 5);
    EXPECT_EQ(MaxReductionOf(2, 64), 1);
    EXPECT_EQ(MaxReductionOf(64, 2), 1);
    EXPECT_EQ(MaxReductionOf(1 << 10, 1 << 9), 9);
}

TEST(Weave, EmptyWeaveHasNoReductionAndNeverLoops) {
    CWeave empty;
    EXPECT_EQ(empty.Cols(), 0);
    EXPECT_EQ(empty.Rows(), 0);
    EXPECT_EQ(empty.MaxReduction(), 0);
    CWeave copy(empty);
    EXPECT_EQ(copy.MaxReduction(), 0);
    EXPECT_EQ(MaxReductionOf(4, 0), 0);
}

TEST(Weave, StoresRowsOfColsCells) {
    const short cells[] = {1, 2, 3, -1, -2, -3};
    CWeave weave(3, 2, cells);
    EXPECT_EQ(weave.Cols(), 3);
    EXPECT_EQ(weave.Rows(), 2);
    EXPECT_EQ(weave.Cell(0, 2), 3);
    EXPECT_EQ(weave.Cell(1, 0), -1);
}

TEST(Weave, CopyOwnsItsPattern) {
    std::vector<short> cells = {1, -1, 4, -4};
    auto source = std::make_unique<CWeave>(2, 2, cells.data());
    CWeave copy(*source);
    cells[0] = 3;  // the weave copied its cells too
    source.reset();
    EXPECT_EQ(copy.Cell(0, 0), 1);
    EXPECT_EQ(copy.Cell(1, 1), -4);
}

// Sizes that cannot be stored make the empty weave, which the models refuse, instead of undefined
// arithmetic or an exception out of the library.
TEST(Weave, SizesThatCannotBeStoredMakeTheEmptyWeave) {
    const short cells[4] = {1, 2, 3, 4};
    for (auto [cols, rows] : {std::pair{46341, 46341}, {2147483647, 2}, {-2, 2}, {2, 0}}) {
        CWeave weave(cols, rows, cells);
        EXPECT_EQ(weave.Cols(), 0) << cols << " x " << rows;
        EXPECT_EQ(weave.Rows(), 0);
        EXPECT_EQ(weave.Pattern(), nullptr);
        EXPECT_EQ(weave.MaxReduction(), 0);
    }
    const CWeave noCells(2, 2, nullptr);
    EXPECT_EQ(noCells.Cols(), 0);
    const CWeave copy(noCells);
    EXPECT_EQ(copy.Rows(), 0);
}

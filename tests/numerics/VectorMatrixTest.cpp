#include <gtest/gtest.h>

#include "numerics/IntMatrix.h"
#include "numerics/IntVector.h"
#include "numerics/Matrix.h"

namespace {

CMatrix MatrixOf(int rows, int cols, std::initializer_list<double> values) {
    CMatrix m(rows, cols);
    auto value = values.begin();
    for (int i = 1; i <= rows; ++i) {
        for (int j = 1; j <= cols; ++j) {
            m(i, j) = *value++;
        }
    }
    return m;
}

}  // namespace

TEST(DenseValues, StoreRowMajorWithOneBasedIndices) {
    CMatrix m = MatrixOf(2, 3, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(m.Data()[1 * 3 + 2], 6.0);
    EXPECT_EQ(m(2, 1), 4.0);
    CIntMatrix table(2, 2);
    table(2, 1) = 7;
    EXPECT_EQ(table(2, 1), 7);
    EXPECT_EQ(table(1, 2), 0);
    CIntVector index(3);
    EXPECT_EQ(index(3), 0);
}

TEST(DenseValues, CopiesAreDeepAndAssignmentKeepsTheTargetsBuffer) {
    CVector a(3);
    a.Fill(2.0);
    CVector copy(a);
    a(1) = 9.0;
    EXPECT_EQ(copy(1), 2.0);

    CMatrix m = MatrixOf(2, 2, {1, 2, 3, 4});
    CMatrix target(2, 2);
    const double* buffer = target.Data();
    target = m;
    EXPECT_EQ(target.Data(), buffer);
    EXPECT_EQ(target(2, 1), 3.0);
    m(2, 1) = 0.0;
    EXPECT_EQ(target(2, 1), 3.0);
}

TEST(DenseValues, ArithmeticLeavesOperandsUnchanged) {
    CMatrix a = MatrixOf(2, 2, {1, 2, 3, 4});
    CMatrix b = MatrixOf(2, 2, {10, 20, 30, 40});
    CMatrix sum = a + b;
    CMatrix difference = b - a;
    CMatrix scaled = a * 2.0;
    EXPECT_EQ(sum(2, 2), 44.0);
    EXPECT_EQ(difference(1, 2), 18.0);
    EXPECT_EQ(scaled(2, 1), 6.0);
    EXPECT_EQ(a(2, 2), 4.0);
    a += b;
    a *= 0.5;
    EXPECT_EQ(a(1, 1), 5.5);

    CVector x(2);
    x(1) = 1.0;
    x(2) = -1.0;
    CVector y = x + x * 3.0;
    EXPECT_EQ(y(2), -4.0);
    x += y;
    x *= 2.0;
    EXPECT_EQ(x(1), 10.0);
}

TEST(DenseValues, ProductsFollowTheShapesOfTheirOperands) {
    CMatrix a = MatrixOf(2, 3, {1, 2, 3, 4, 5, 6});
    CMatrix b = MatrixOf(3, 1, {1, 0, -1});
    CMatrix ab = a * b;
    ASSERT_EQ(ab.Rows(), 2);
    ASSERT_EQ(ab.Cols(), 1);
    EXPECT_EQ(ab(1, 1), -2.0);
    EXPECT_EQ(ab(2, 1), -2.0);

    CVector x(3);
    x(1) = 1.0;
    x(2) = 1.0;
    x(3) = 1.0;
    CVector ax = a * x;
    ASSERT_EQ(ax.Size(), 2);
    EXPECT_EQ(ax(2), 15.0);

    CMatrix t = a.Transpose();
    ASSERT_EQ(t.Rows(), 3);
    ASSERT_EQ(t.Cols(), 2);
    EXPECT_EQ(t(3, 1), 3.0);
}

TEST(DenseValues, SubBlocksHoldTheRequestedRange) {
    CVector v(5);
    for (int i = 1; i <= 5; ++i) {
        v(i) = i;
    }
    CVector part = v.SubVector(2, 4);
    ASSERT_EQ(part.Size(), 3);
    EXPECT_EQ(part(1), 2.0);
    EXPECT_EQ(part(3), 4.0);

    CMatrix m = MatrixOf(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    CMatrix firstRow = m.SubMatrix(1, 1, 1, 3);
    ASSERT_EQ(firstRow.Rows(), 1);
    ASSERT_EQ(firstRow.Cols(), 3);
    EXPECT_EQ(firstRow(1, 3), 3.0);
    CMatrix corner = m.SubMatrix(2, 3, 2, 3);
    EXPECT_EQ(corner(1, 1), 5.0);
    EXPECT_EQ(corner(2, 2), 9.0);
}

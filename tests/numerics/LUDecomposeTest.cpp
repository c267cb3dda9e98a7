#include <gtest/gtest.h>

#include <cmath>

#include "Tolerance.h"
#include "numerics/LUDecompose.h"
#include "numerics/Matrix.h"

namespace {

CMatrix Square(int n, std::initializer_list<double> values) {
    CMatrix m(n, n);
    auto value = values.begin();
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            m(i, j) = *value++;
        }
    }
    return m;
}

CVector VectorOf(std::initializer_list<double> values) {
    CVector v(static_cast<int>(values.size()));
    int i = 1;
    for (double value : values) {
        v(i++) = value;
    }
    return v;
}

bool AllNaN(const double* data, int count) {
    for (int k = 0; k < count; ++k) {
        if (!std::isnan(data[k])) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(DenseLU, SolvesAHandCheckedSystemWithoutChangingTheMatrix) {
    // 2x + y - z = 8, -3x - y + 2z = -11, -2x + y + 2z = -3  =>  x = 2, y = 3, z = -1.
    CMatrix a = Square(3, {2, 1, -1, -3, -1, 2, -2, 1, 2});
    CMatrix original(a);
    CVector x = a.Solve(VectorOf({8, -11, -3}));
    EXPECT_TRUE(RelativelyNear(x(1), 2.0));
    EXPECT_TRUE(RelativelyNear(x(2), 3.0));
    EXPECT_TRUE(RelativelyNear(x(3), -1.0));
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(a.Data()[k], original.Data()[k]);
    }
}

TEST(DenseLU, FactorsRebuildThePermutedMatrix) {
    CMatrix a = Square(4, {0, 2, 1, 4, 3, 0, 2, 1, 1, 5, 0, 2, 2, 1, 4, 0});
    CMatrix lu(a);
    CIntVector index(4);
    ASSERT_TRUE(LUDecompose(lu, index));
    // Apply the recorded exchanges to a, then compare with L U.
    CMatrix permuted(a);
    for (int j = 1; j <= 4; ++j) {
        for (int k = 1; k <= 4; ++k) {
            std::swap(permuted(j, k), permuted(index(j), k));
        }
    }
    for (int i = 1; i <= 4; ++i) {
        for (int k = 1; k <= 4; ++k) {
            double sum = 0.0;
            for (int j = 1; j <= std::min(i, k); ++j) {
                double l = (j == i) ? 1.0 : lu(i, j);
                sum += l * lu(j, k);
            }
            EXPECT_NEAR(sum, permuted(i, k), 1e-12) << i << "," << k;
        }
    }
}

TEST(DenseLU, ExchangesRowsOfAnAntiDiagonalMatrix) {
    CMatrix a = Square(2, {0, 1, 1, 0});
    CIntVector index(2);
    ASSERT_TRUE(LUDecompose(a, index));
    EXPECT_EQ(index(1), 2);
    EXPECT_EQ(index(2), 2);
}

TEST(DenseLU, EqualScaledCandidatesPivotOnTheLaterRow) {
    // Both rows scale to a candidate of 1 in column 1.
    CMatrix a = Square(2, {1, 0.5, 2, 1});
    CIntVector index(2);
    ASSERT_TRUE(LUDecompose(a, index));
    EXPECT_EQ(index(1), 2);
}

TEST(DenseLU, ZeroLastPivotBecomesTinyAndSolveStaysFinite) {
    CMatrix a = Square(2, {1, 1, 1, 1});
    CMatrix lu(a);
    CIntVector index(2);
    ASSERT_TRUE(LUDecompose(lu, index));
    EXPECT_EQ(lu(2, 2), 1e-15);
    CVector x = a.Solve(VectorOf({1, 2}));
    EXPECT_TRUE(std::isfinite(x(1)));
    EXPECT_GT(std::fabs(x(2)), 1e14);
}

TEST(DenseLU, ZeroRowIsReportedBeforeAnythingChanges) {
    CMatrix a = Square(2, {1, 2, 0, 0});
    CIntVector index(2);
    EXPECT_FALSE(LUDecompose(a, index));
    EXPECT_EQ(a(1, 2), 2.0);
    EXPECT_EQ(index(1), 0);
}

TEST(DenseLU, UnfactorisableMatrixGivesNaNNotPlausibleNumbers) {
    CMatrix zeroRow = Square(3, {1, 2, 3, 0, 0, 0, 4, 5, 6});
    CVector x = zeroRow.Solve(VectorOf({1, 1, 1}));
    EXPECT_TRUE(AllNaN(x.Data(), 3));
    CMatrix inverse = zeroRow.Inverse();
    EXPECT_TRUE(AllNaN(inverse.Data(), 9));

    CMatrix nanRow = Square(2, {1, 2, std::nan(""), 0});
    EXPECT_TRUE(AllNaN(nanRow.Solve(VectorOf({1, 1})).Data(), 2));
}

TEST(DenseLU, ZeroRightHandSideGivesZeroEvenForASingularMatrix) {
    CMatrix singular(3, 3);
    CVector x = singular.Solve(CVector(3));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(x(i), 0.0);
    }
}

TEST(DenseLU, InverseTimesMatrixIsTheIdentity) {
    CMatrix identity = Square(3, {1, 0, 0, 0, 1, 0, 0, 0, 1});
    CMatrix inverseOfIdentity = identity.Inverse();
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(inverseOfIdentity.Data()[k], identity.Data()[k]);
    }
    CMatrix a = Square(3, {4, -2, 1, -2, 4, -2, 1, -2, 4});
    CMatrix product = a * a.Inverse();
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            EXPECT_NEAR(product(i, j), i == j ? 1.0 : 0.0, 1e-14);
        }
    }
}

TEST(DenseLU, RightHandSideWithLeadingZerosIsSolved) {
    // Forward substitution starts at the first non-zero entry of the permuted right-hand side.
    CMatrix a = Square(3, {3, 1, 0, 1, 4, 1, 0, 1, 5});
    CVector b = VectorOf({0, 0, 7});
    CVector x = a.Solve(b);
    CVector residual = a * x;
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(residual(i), b(i), 1e-13);
    }
}

#include <gtest/gtest.h>

#include <cmath>

#include "fe/SolveSparse.h"
#include "numerics/Matrix.h"
#include "sparse/SparseFixtures.h"

namespace {

// Scrambled rows put small entries on the diagonal, which threshold pivoting accepts down to
// 1/1000 of their column in favour of less fill: elements grow by up to 1e5 over the dense
// partially pivoted path, and the two solutions agree to that many units of rounding.
constexpr double kGrowth = 1e-10;

// Sparse and dense solutions of the same system differ only by rounding: compared against the
// size of the solution, the difference stays within a small multiple of the condition number.
void ExpectSameSolution(const CMatrix& a, const CVector& b, double tolerance) {
    CVector dense = a.Solve(b);
    CVector sparse = SolveSparse(a, b);
    double scale = 0.0;
    for (int i = 1; i <= b.Size(); ++i) {
        scale = std::max(scale, std::fabs(dense(i)));
    }
    for (int i = 1; i <= b.Size(); ++i) {
        EXPECT_NEAR(sparse(i), dense(i), tolerance * scale) << "entry " << i;
    }
}

// A plate-like stiffness pattern: nodes on a grid, five unknowns each, every node coupled with
// its eight neighbours through dense 5 x 5 blocks; symmetric and diagonally dominant.
CMatrix GridStiffness(int nodesX, int nodesY, unsigned seed) {
    constexpr int kUnknowns = 5;
    int n = kUnknowns * nodesX * nodesY;
    CMatrix k(n, n);
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    auto node = [&](int i, int j) { return j * nodesX + i; };
    for (int j = 0; j < nodesY; ++j) {
        for (int i = 0; i < nodesX; ++i) {
            for (int dj = 0; dj <= 1; ++dj) {
                for (int di = -1; di <= 1; ++di) {
                    int i2 = i + di;
                    int j2 = j + dj;
                    if ((dj == 0 && di < 0) || i2 < 0 || i2 >= nodesX || j2 >= nodesY) {
                        continue;
                    }
                    for (int p = 1; p <= kUnknowns; ++p) {
                        for (int q = 1; q <= kUnknowns; ++q) {
                            int r = kUnknowns * node(i, j) + p;
                            int c = kUnknowns * node(i2, j2) + q;
                            double v = value(generator);
                            k(r, c) += v;
                            if (r != c) {
                                k(c, r) += v;
                            }
                        }
                    }
                }
            }
        }
    }
    for (int r = 1; r <= n; ++r) {
        k(r, r) = std::fabs(k(r, r)) + 30.0;
    }
    return k;
}

}  // namespace

TEST(SolveSparse, AllZeroRightHandSideComesBackUntouched) {
    // Even a matrix the package would call singular: it is never consulted.
    CMatrix a(3, 3);
    CVector b(3);
    CVector x = SolveSparse(a, b);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(x(i), 0.0);
        EXPECT_FALSE(std::signbit(x(i)));
    }
}

TEST(SolveSparse, AgreesWithDenseSolveOnSmallSizes) {
    // n = 1..6 all live inside the arrays allocated for six rows.
    unsigned seed = 200;
    for (int n = 1; n <= 6; ++n) {
        SCOPED_TRACE(testing::Message() << "n " << n);
        for (double density : {0.0, 0.5, 1.0}) {
            CMatrix a = RandomSparse(n, density, ++seed);
            ExpectSameSolution(a, RandomVector(n, ++seed), 1e-14);
            ExpectSameSolution(ScrambledRows(a, seed + 1), RandomVector(n, seed + 2), kGrowth);
            seed += 2;
        }
    }
}

TEST(SolveSparse, AgreesWithDenseSolveOnRandomSparseAndDenseSystems) {
    unsigned seed = 300;
    for (int n : {10, 40, 90}) {
        for (double density : {0.02, 0.1, 0.5, 1.0}) {
            SCOPED_TRACE(testing::Message() << "n " << n << " density " << density);
            CMatrix a = RandomSparse(n, density, ++seed);
            ExpectSameSolution(a, RandomVector(n, ++seed), 1e-13);
            ExpectSameSolution(ScrambledRows(a, seed + 1), RandomVector(n, seed + 2), kGrowth);
            seed += 2;
        }
    }
}

TEST(SolveSparse, AgreesWithDenseSolveOnAGridStiffness) {
    CMatrix k = GridStiffness(6, 5, 400);
    ExpectSameSolution(k, RandomVector(k.Rows(), 401), 1e-13);
}

TEST(SolveSparse, SingularMatrixGivesNotANumber) {
    // A zero row: the dense path gives NaN as well.
    CMatrix zeroRow = Square(3, {1, 2, 0, 0, 0, 0, 4, 0, 5});
    CVector b = RandomVector(3, 500);
    CVector dense = zeroRow.Solve(b);
    CVector sparse = SolveSparse(zeroRow, b);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(std::isnan(dense(i)));
        EXPECT_TRUE(std::isnan(sparse(i)));
    }
    // Two proportional rows: elimination meets an exactly zero pivot.
    CMatrix dependent = Square(3, {1, 2, 3, 2, 4, 6, 0, 1, 1});
    CVector x = SolveSparse(dependent, b);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(std::isnan(x(i)));
    }
}

TEST(SolveSparse, ExhaustedMemoryGivesNotANumberAndNoLeak) {
    CMatrix a = RandomSparse(8, 0.5, 600);
    CVector b = RandomVector(8, 601);
    for (int nth : {1, 2, 5, 9}) {
        SparseFailNthAllocation(nth);
        CVector x = SolveSparse(a, b);
        SparseFailNthAllocation(0);
        EXPECT_TRUE(std::isnan(x(1)) && std::isnan(x(8))) << nth;
    }
}

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "SparseFixtures.h"
#include "Tolerance.h"
#include "sparse/SparseMatrix.h"

namespace {

// Every element sits in its row and its column, both sorted, with matching numbers, and the
// diagonal array points at the elements on the diagonal.
void ExpectConsistentStructure(const SparseMatrix* m) {
    int n = m->size;
    int inColumns = 0;
    for (int c = 1; c <= n; ++c) {
        int lastRow = 0;
        for (SparseElement* e = m->firstInColumn[c]; e != nullptr; e = e->nextInColumn) {
            EXPECT_EQ(e->column, c);
            EXPECT_GT(e->row, lastRow) << "column " << c;
            lastRow = e->row;
            if (e->row == c) {
                EXPECT_EQ(m->diagonal[c], e);
            }
            ++inColumns;
        }
    }
    int inRows = 0;
    for (int r = 1; r <= n; ++r) {
        int lastColumn = 0;
        for (SparseElement* e = m->firstInRow[r]; e != nullptr; e = e->nextInRow) {
            EXPECT_EQ(e->row, r);
            EXPECT_GT(e->column, lastColumn) << "row " << r;
            lastColumn = e->column;
            ++inRows;
        }
    }
    EXPECT_EQ(inColumns, m->elementCount);
    EXPECT_EQ(inRows, m->elementCount);
}

// |L| |U| in the caller's numbering: the scale of the rounding errors of the factorisation, which
// threshold pivoting lets grow well beyond |A| (a pivot may be 1/1000 of its column).
CMatrix FactorMagnitudes(const SparseMatrix* m, CMatrix* product) {
    int n = m->size;
    CMatrix lower(n, n);
    CMatrix upper(n, n);
    for (int c = 1; c <= n; ++c) {
        upper(c, c) = 1.0;
        for (SparseElement* e = m->firstInColumn[c]; e != nullptr; e = e->nextInColumn) {
            if (e->row == c) {
                lower(c, c) = 1.0 / e->value;
            } else if (e->row > c) {
                lower(e->row, c) = e->value;
            } else {
                upper(e->row, c) = e->value;
            }
        }
    }
    CMatrix internalProduct = lower * upper;
    CMatrix magnitudes(n, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            double sum = 0.0;
            for (int k = 1; k <= std::min(i, j); ++k) {
                sum += std::fabs(lower(i, k)) * std::fabs(upper(k, j));
            }
            int row = m->internalToExternalRow[i];
            int column = m->internalToExternalColumn[j];
            magnitudes(row, column) = sum;
            (*product)(row, column) = internalProduct(i, j);
        }
    }
    return magnitudes;
}

double Epsilon(int n) {
    return 4.0 * n * std::numeric_limits<double>::epsilon();
}

// L U, with its rows and columns put back in the caller's order, is a within rounding.
void ExpectFactorsRebuild(const SparseMatrix* m, const CMatrix& a) {
    int n = m->size;
    CMatrix product(n, n);
    CMatrix magnitudes = FactorMagnitudes(m, &product);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            EXPECT_LE(std::fabs(product(i, j) - a(i, j)), Epsilon(n) * magnitudes(i, j))
                << i << "," << j;
        }
    }
}

// The solution is exact for a matrix within rounding of a: |b - A x| <= c n eps |L| |U| |x|.
void ExpectSmallBackwardError(const SparseMatrix* m, const CMatrix& a, const CVector& x,
                              const CVector& b) {
    int n = m->size;
    CMatrix product(n, n);
    CMatrix magnitudes = FactorMagnitudes(m, &product);
    for (int i = 1; i <= n; ++i) {
        double residual = b(i);
        double scale = std::fabs(b(i));
        for (int j = 1; j <= n; ++j) {
            residual -= a(i, j) * x(j);
            scale += (magnitudes(i, j) + std::fabs(a(i, j))) * std::fabs(x(j));
        }
        EXPECT_LE(std::fabs(residual), 2.0 * Epsilon(n) * scale) << "row " << i;
    }
}

CVector SolveWith(SparseMatrix* m, const CVector& b) {
    CVector x(b.Size());
    SparseSolve(m, b.Data(), x.Data());
    return x;
}

}  // namespace

TEST(SparseLU, DiagonalMatrixFactorsThroughSingletonsWithoutFillIn) {
    int n = 7;
    CSparseHolder holder(n);
    SparseMatrix* m = holder.get();
    for (int i = 1; i <= n; ++i) {
        *SparseElementAt(m, i, i) = 0.5 * i - 2.25;  // negative and positive pivots
    }
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    EXPECT_EQ(m->fillInCount, 0);
    EXPECT_EQ(m->singletons, 0);  // every singleton used up
    CVector b = RandomVector(n, 3);
    CVector x = SolveWith(m, b);
    for (int i = 1; i <= n; ++i) {
        EXPECT_TRUE(RelativelyNear(x(i), b(i) / (0.5 * i - 2.25)));
    }
}

TEST(SparseLU, SolvesSystemNeedingOffDiagonalPivots) {
    CSparseHolder holder(2);
    SparseMatrix* m = holder.get();
    Load(m, Square(2, {0, 1, 1, 0}));
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    double b[2] = {3.0, -5.0};
    double x[2] = {};
    SparseSolve(m, b, x);
    EXPECT_EQ(x[0], -5.0);
    EXPECT_EQ(x[1], 3.0);

    // Every diagonal entry zero, pivots from the whole active submatrix with fill-ins.
    CMatrix a = Square(4, {0, 2, 1, 4, 3, 0, 2, 1, 1, 5, 0, 2, 2, 1, 4, 0});
    CSparseHolder four(4);
    Load(four.get(), a);
    ASSERT_EQ(SparseFactor(four.get()), kSparseOk);
    ExpectConsistentStructure(four.get());
    ExpectFactorsRebuild(four.get(), a);
    CVector rhs = RandomVector(4, 5);
    EXPECT_LT(RelativeResidual(a, SolveWith(four.get(), rhs), rhs), 1e-15);
}

TEST(SparseLU, SolvesAHandCheckedSystem) {
    // 2x + y - z = 8, -3x - y + 2z = -11, -2x + y + 2z = -3  =>  x = 2, y = 3, z = -1.
    CSparseHolder holder(3);
    Load(holder.get(), Square(3, {2, 1, -1, -3, -1, 2, -2, 1, 2}));
    ASSERT_EQ(SparseFactor(holder.get()), kSparseOk);
    double b[3] = {8, -11, -3};
    double x[3] = {};
    SparseSolve(holder.get(), b, x);
    EXPECT_TRUE(RelativelyNear(x[0], 2.0));
    EXPECT_TRUE(RelativelyNear(x[1], 3.0));
    EXPECT_TRUE(RelativelyNear(x[2], -1.0));
}

TEST(SparseLU, InPlaceSolveMatchesSeparateArrays) {
    int n = 25;
    CMatrix a = ScrambledRows(RandomSparse(n, 0.15, 21), 22);
    CSparseHolder holder(n);
    Load(holder.get(), a);
    ASSERT_EQ(SparseFactor(holder.get()), kSparseOk);
    CVector b = RandomVector(n, 23);
    CVector separate = SolveWith(holder.get(), b);
    CVector inPlace(b);
    SparseSolve(holder.get(), inPlace.Data(), inPlace.Data());
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(inPlace(i), separate(i));
    }
}

// Random structures of several sizes and densities, with diagonal and with scrambled (mostly
// off-diagonal) pivots: the lists stay consistent, the factors rebuild the matrix and the
// solution has a backward error at rounding level.
TEST(SparseLU, RandomSystemsFactorIntoConsistentFactorsAndSmallResiduals) {
    struct Case {
        int n;
        double density;
        bool scrambled;
    };
    const Case cases[] = {{1, 0.0, false},  {2, 0.5, true},   {3, 0.7, true},  {5, 0.4, false},
                          {6, 0.5, true},   {12, 0.2, false}, {30, 0.1, true}, {60, 0.05, true},
                          {60, 0.3, false}, {120, 0.03, true}};
    unsigned seed = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n " << c.n << " density " << c.density);
        CMatrix a = RandomSparse(c.n, c.density, ++seed);
        if (c.scrambled) {
            a = ScrambledRows(a, ++seed);
        }
        CSparseHolder holder(c.n);
        Load(holder.get(), a);
        int code = SparseFactor(holder.get());
        ASSERT_EQ(code, kSparseOk);
        ExpectConsistentStructure(holder.get());
        ExpectFactorsRebuild(holder.get(), a);
        CVector b = RandomVector(c.n, ++seed);
        ExpectSmallBackwardError(holder.get(), a, SolveWith(holder.get(), b), b);
    }
}

TEST(SparseLU, ZeroRowOrExactlyCancellingPivotIsSingular) {
    CMatrix zeroRow = Square(3, {1, 2, 0, 0, 0, 0, 4, 0, 5});
    CMatrix dependent = Square(3, {1, 2, 3, 2, 4, 6, 0, 1, 1});
    for (const CMatrix* a : {&zeroRow, &dependent}) {
        CSparseHolder holder(3);
        Load(holder.get(), *a);
        EXPECT_EQ(SparseFactor(holder.get()), kSparseSingular);
        EXPECT_EQ(holder.get()->error, kSparseSingular);
        double b[3] = {1, 2, 3};
        double x[3] = {7, 7, 7};
        SparseSolve(holder.get(), b, x);
        for (double v : x) {
            EXPECT_TRUE(std::isnan(v));
        }
    }
}

TEST(SparseLU, SolveWithoutValidFactorsGivesNotANumber) {
    CSparseHolder holder(2);
    SparseMatrix* m = holder.get();
    Load(m, Square(2, {4, 1, 1, 3}));
    double b[2] = {1, 2};
    double x[2] = {};
    SparseSolve(m, b, x);  // never factored
    EXPECT_TRUE(std::isnan(x[0]) && std::isnan(x[1]));
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    SparseSolve(m, b, x);
    EXPECT_FALSE(std::isnan(x[0]));
    *SparseElementAt(m, 2, 2) = 3.0;  // an existing element: the factors stay
    SparseSolve(m, b, x);
    EXPECT_FALSE(std::isnan(x[0]));
    SparseElementAt(m, 1, 1);
    EXPECT_FALSE(m->needsOrdering);
}

// New values in the same structure, re-factored in the stored order, give the same factors as
// a fresh ordering of those values would, and a zero pivot there is reported as such.
TEST(SparseLU, RefactorsNewValuesInTheStoredOrder) {
    int n = 40;
    CMatrix a = ScrambledRows(RandomSparse(n, 0.1, 31), 32);
    CSparseHolder holder(n);
    SparseMatrix* m = holder.get();
    std::vector<double*> addresses;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            addresses.push_back(a(i, j) != 0.0 ? SparseElementAt(m, i, j) : nullptr);
        }
    }
    auto store = [&](const CMatrix& values) {
        SparseClear(m);
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                if (double* address = addresses[(i - 1) * n + (j - 1)]) {
                    *address = values(i, j);
                }
            }
        }
    };
    store(a);
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    std::vector<int> rowOrder(m->internalToExternalRow, m->internalToExternalRow + n + 1);
    int elements = m->elementCount;

    CMatrix scaled(a);
    scaled *= 3.0;
    for (int i = 1; i <= n; ++i) {
        scaled(i, i) += a(i, i) != 0.0 ? 0.5 : 0.0;
    }
    store(scaled);
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    EXPECT_EQ(m->elementCount, elements);  // no new fill-in, no new order
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(m->internalToExternalRow[i], rowOrder[i]);
    }
    ExpectFactorsRebuild(m, scaled);
    CVector b = RandomVector(n, 33);
    ExpectSmallBackwardError(m, scaled, SolveWith(m, b), b);

    // A pivot that becomes exactly zero in the stored order.
    store(a);
    *SparseElementAt(m, m->internalToExternalRow[1], m->internalToExternalColumn[1]) = 0.0;
    EXPECT_EQ(SparseFactor(m), kSparseZeroPivot);
    CVector x = SolveWith(m, b);
    EXPECT_TRUE(std::isnan(x(1)));
}

TEST(SparseLU, RefactorisationEqualsTheFirstFactorisationExactly) {
    // Left-looking in the stored order does the same operations in the same order as the
    // right-looking elimination that chose it.
    int n = 50;
    CMatrix a = RandomSparse(n, 0.08, 41);
    CSparseHolder first(n);
    Load(first.get(), a);
    ASSERT_EQ(SparseFactor(first.get()), kSparseOk);
    CVector b = RandomVector(n, 42);
    CVector once = SolveWith(first.get(), b);
    SparseClear(first.get());
    Load(first.get(), a);
    ASSERT_FALSE(first.get()->needsOrdering);
    ASSERT_EQ(SparseFactor(first.get()), kSparseOk);
    CVector twice = SolveWith(first.get(), b);
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(once(i), twice(i));
    }
}

TEST(SparseLU, NewElementAfterFactorisationNeedsANewOrder) {
    CMatrix a = Square(3, {0, 1, 0, 1, 0, 0, 0, 0, 2});
    CSparseHolder holder(3);
    SparseMatrix* m = holder.get();
    Load(m, a);
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    // (3, 1) is addressed in the caller's numbering even though rows 1 and 2 were exchanged.
    SparseClear(m);
    a(3, 1) = 5.0;
    Load(m, a);
    EXPECT_TRUE(m->needsOrdering);
    double b[3] = {1, 2, 3};
    double x[3] = {};
    SparseSolve(m, b, x);
    EXPECT_TRUE(std::isnan(x[0]));
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    ExpectConsistentStructure(m);
    SparseSolve(m, b, x);
    EXPECT_TRUE(RelativelyNear(x[0], 2.0));
    EXPECT_TRUE(RelativelyNear(x[1], 1.0));
    EXPECT_TRUE(RelativelyNear(x[2], (3.0 - 5.0 * 2.0) / 2.0));
}

TEST(SparseLU, TriangularMatricesFactorThroughSingletonsWithoutFillIn) {
    // Lower triangular: the last column holds a single entry; upper: the first.
    CMatrix lower = Square(4, {2, 0, 0, 0, 1, 3, 0, 0, -1, 2, 4, 0, 5, 1, 1, 0.5});
    CMatrix upper = lower.Transpose();
    for (const CMatrix* a : {&lower, &upper}) {
        CSparseHolder holder(4);
        Load(holder.get(), *a);
        ASSERT_EQ(SparseFactor(holder.get()), kSparseOk);
        EXPECT_EQ(holder.get()->fillInCount, 0);
        ExpectFactorsRebuild(holder.get(), *a);
        CVector b = RandomVector(4, 51);
        ExpectSmallBackwardError(holder.get(), *a, SolveWith(holder.get(), b), b);
    }
}

// With an absolute threshold above every entry no candidate qualifies: each step falls through
// to the whole active submatrix, takes its largest element and warns; the solution is still
// right.
TEST(SparseLU, PivotsBelowTheThresholdsAreUsedWithAWarning) {
    CMatrix a = Square(3, {1, 2, 0, 3, 1, 1, 0, 1, 2});
    CSparseHolder holder(3);
    SparseMatrix* m = holder.get();
    Load(m, a);
    m->absoluteThreshold = 100.0;
    EXPECT_EQ(SparseFactor(m), kSparseSmallPivot);
    // The first pivot is the largest entry, 3 at (2, 1).
    EXPECT_EQ(m->internalToExternalRow[1], 2);
    EXPECT_EQ(m->internalToExternalColumn[1], 1);
    ExpectFactorsRebuild(m, a);
    CVector b = RandomVector(3, 52);
    ExpectSmallBackwardError(m, a, SolveWith(m, b), b);
}

// Once the trailing submatrix has filled in it is factored as a dense block with partial pivoting;
// lowering the size at which that happens sends small matrices through it. The factors must
// keep the layout of the sparse elimination: sorted lists, reciprocal pivots, L and U that
// rebuild the matrix, and solutions at rounding level.
TEST(SparseLU, DenseTrailingBlockKeepsTheFactorLayout) {
    struct Case {
        int n;
        double density;
        bool scrambled;
    };
    const Case cases[] = {{1, 0.0, false},  {2, 0.5, true},    {5, 0.4, true},
                          {12, 0.6, false}, {30, 0.1, true},   {60, 0.3, false},
                          {60, 0.05, true}, {120, 0.03, true}, {130, 0.5, true}};
    unsigned seed = 300;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n " << c.n << " density " << c.density);
        CMatrix a = RandomSparse(c.n, c.density, ++seed);
        if (c.scrambled) {
            a = ScrambledRows(a, ++seed);
        }
        CSparseHolder holder(c.n);
        SparseMatrix* m = holder.get();
        m->denseTrailingSize = 1;
        Load(m, a);
        ASSERT_EQ(SparseFactor(m), kSparseOk);
        ExpectConsistentStructure(m);
        ExpectFactorsRebuild(m, a);
        CVector b = RandomVector(c.n, ++seed);
        ExpectSmallBackwardError(m, a, SolveWith(m, b), b);
    }
}

TEST(SparseLU, DenseTrailingBlockStartsOnlyWhenLargeAndFullEnough) {
    CMatrix a = RandomSparse(40, 0.5, 17);
    CSparseHolder full(40);
    full.get()->denseTrailingSize = 40;
    Load(full.get(), a);
    ASSERT_EQ(SparseFactor(full.get()), kSparseOk);
    EXPECT_EQ(full.get()->elementCount, 40 * 40);  // dense from the first step

    CSparseHolder tooSmall(40);
    tooSmall.get()->denseTrailingSize = 41;
    Load(tooSmall.get(), a);
    ASSERT_EQ(SparseFactor(tooSmall.get()), kSparseOk);
    EXPECT_LT(tooSmall.get()->elementCount, 40 * 40);

    // A diagonal matrix never fills in: every pivot is a singleton, nothing goes dense.
    CSparseHolder diagonal(50);
    diagonal.get()->denseTrailingSize = 10;
    for (int i = 1; i <= 50; ++i) {
        *SparseElementAt(diagonal.get(), i, i) = i;
    }
    ASSERT_EQ(SparseFactor(diagonal.get()), kSparseOk);
    EXPECT_EQ(diagonal.get()->elementCount, 50);
    EXPECT_EQ(diagonal.get()->fillInCount, 0);
}

// On well-conditioned systems (the searches of the sparse steps find good diagonal pivots) the two
// eliminations differ only by rounding.
TEST(SparseLU, DenseAndSparseEliminationAgreeToRounding) {
    for (unsigned seed : {61u, 62u, 63u}) {
        int n = 90;
        CMatrix a = RandomSparse(n, 0.06, seed);
        CVector b = RandomVector(n, seed + 20);
        CSparseHolder sparse(n);
        sparse.get()->denseTrailingSize = n + 1;
        Load(sparse.get(), a);
        ASSERT_EQ(SparseFactor(sparse.get()), kSparseOk);
        CSparseHolder dense(n);
        dense.get()->denseTrailingSize = 10;
        Load(dense.get(), a);
        ASSERT_EQ(SparseFactor(dense.get()), kSparseOk);
        ExpectConsistentStructure(dense.get());
        ExpectFactorsRebuild(dense.get(), a);
        CVector x = SolveWith(sparse.get(), b);
        CVector y = SolveWith(dense.get(), b);
        EXPECT_LT(RelativeResidual(a, x, b), 1e-12);
        EXPECT_LT(RelativeResidual(a, y, b), 1e-12);
        double scale = 0.0;
        for (int i = 1; i <= n; ++i) {
            scale = std::max(scale, std::fabs(x(i)));
        }
        for (int i = 1; i <= n; ++i) {
            EXPECT_NEAR(y(i), x(i), 1e-10 * scale) << i;
        }
    }
}

// Two equal rows: not singular in structure, but exactly singular in the dense block.
TEST(SparseLU, SingularDenseBlockIsReportedAndNeverSolved) {
    CMatrix a = Square(4, {2, 1, 3, 1, 1, 4, 1, 2, 5, 2, 1, 3, 1, 4, 1, 2});
    CSparseHolder holder(4);
    holder.get()->denseTrailingSize = 1;
    Load(holder.get(), a);
    EXPECT_EQ(SparseFactor(holder.get()), kSparseSingular);
    CVector x = SolveWith(holder.get(), RandomVector(4, 5));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(std::isnan(x(i)));
    }
}

TEST(SparseLU, RefactorsInTheStoredOrderAfterADenseBlock) {
    int n = 50;
    CMatrix a = ScrambledRows(RandomSparse(n, 0.2, 71), 72);
    CSparseHolder holder(n);
    SparseMatrix* m = holder.get();
    m->denseTrailingSize = 8;
    Load(m, a);
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    int elements = m->elementCount;

    CMatrix changed(a);
    changed *= 2.0;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (a(i, j) != 0.0 && (i + j) % 3 == 0) {
                changed(i, j) += 0.25;
            }
        }
    }
    SparseClear(m);
    Load(m, changed);
    ASSERT_FALSE(m->needsOrdering);
    ASSERT_EQ(SparseFactor(m), kSparseOk);
    EXPECT_EQ(m->elementCount, elements);
    ExpectConsistentStructure(m);
    ExpectFactorsRebuild(m, changed);
    CVector b = RandomVector(n, 73);
    ExpectSmallBackwardError(m, changed, SolveWith(m, b), b);
}

// Every block request of a factorisation that ends in a dense block may fail: the code is then
// kSparseNoMemory, the solve gives NaN, nothing leaks (checked under the sanitizers), and the
// matrix can be loaded and factored again.
TEST(SparseLU, ExhaustedMemoryAroundTheDenseBlockIsReported) {
    int n = 30;
    CMatrix a = RandomSparse(n, 0.3, 81);
    CVector b = RandomVector(n, 82);
    int failures = 0;
    for (int nth = 1; nth <= 60; ++nth) {
        CSparseHolder holder(n);
        SparseMatrix* m = holder.get();
        m->denseTrailingSize = 10;
        Load(m, a);
        m->fillInsLeft = 0;  // fill-ins from block requests, so that the dense block's can fail
        m->elementsLeft = 0;
        SparseFailNthAllocation(nth);
        int code = SparseFactor(m);
        SparseFailNthAllocation(0);
        CVector x = SolveWith(m, b);
        if (code == kSparseNoMemory) {
            ++failures;
            EXPECT_TRUE(std::isnan(x(1))) << nth;
            // With memory back, the same values factor afresh.
            SparseClear(m);
            Load(m, a);
            ASSERT_EQ(SparseFactor(m), kSparseOk) << nth;
            ExpectConsistentStructure(m);
            EXPECT_LT(RelativeResidual(a, SolveWith(m, b), b), 1e-12) << nth;
        } else {
            ASSERT_EQ(code, kSparseOk) << nth;
            EXPECT_LT(RelativeResidual(a, x, b), 1e-12) << nth;
        }
    }
    EXPECT_GT(failures, 20);
}

// The solves read the factors from arrays made on the first solve; when those cannot be obtained
// they walk the lists instead, with the same operations in the same order.
TEST(SparseLU, SolveWithoutRoomForItsArraysGivesTheSameSolution) {
    int n = 70;
    CMatrix a = ScrambledRows(RandomSparse(n, 0.08, 91), 92);
    CVector b = RandomVector(n, 93);
    CSparseHolder listed(n);
    Load(listed.get(), a);
    ASSERT_EQ(SparseFactor(listed.get()), kSparseOk);
    SparseFailNthAllocation(1);
    CVector fromLists = SolveWith(listed.get(), b);
    SparseFailNthAllocation(0);
    EXPECT_FALSE(listed.get()->solveArraysValid);

    CSparseHolder arrayed(n);
    Load(arrayed.get(), a);
    ASSERT_EQ(SparseFactor(arrayed.get()), kSparseOk);
    CVector fromArrays = SolveWith(arrayed.get(), b);
    EXPECT_TRUE(arrayed.get()->solveArraysValid);
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(fromLists(i), fromArrays(i)) << i;
    }
    EXPECT_LT(RelativeResidual(a, fromArrays, b), 1e-10);
}

// Several right-hand sides solved together read the factors once but must give each vector
// exactly what its own solve gives, zero vectors included, with and without a dense block.
TEST(SparseLU, SeveralRightHandSidesMatchOneByOneSolvesExactly) {
    const int n = 90;
    for (int denseFrom : {1, n + 1}) {
        SCOPED_TRACE(testing::Message() << "dense block from " << denseFrom << " rows");
        CMatrix a = ScrambledRows(RandomSparse(n, 0.06, 501), 502);
        CSparseHolder holder(n);
        SparseMatrix* m = holder.get();
        m->denseTrailingSize = denseFrom;
        Load(m, a);
        ASSERT_EQ(SparseFactor(m), kSparseOk);

        std::vector<CVector> together = {RandomVector(n, 503), CVector(n), RandomVector(n, 504)};
        std::vector<CVector> alone = together;
        std::vector<double*> vectors;
        for (CVector& v : together) {
            vectors.push_back(v.Data());
        }
        SparseSolveSeveral(m, static_cast<int>(vectors.size()), vectors.data());
        for (std::size_t j = 0; j < alone.size(); ++j) {
            SparseSolve(m, alone[j].Data(), alone[j].Data());
            for (int i = 1; i <= n; ++i) {
                ASSERT_EQ(together[j](i), alone[j](i)) << "vector " << j << " entry " << i;
            }
        }
    }
}

TEST(SparseLU, SeveralRightHandSidesWithoutFactorsAreNotANumber) {
    CSparseHolder holder(3);
    Load(holder.get(), Square(3, {0, 0, 0, 1, 2, 0, 0, 0, 3}));
    ASSERT_EQ(SparseFactor(holder.get()), kSparseSingular);
    CVector b = RandomVector(3, 7);
    double* vectors[] = {b.Data()};
    SparseSolveSeveral(holder.get(), 1, vectors);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(std::isnan(b(i)));
    }
}

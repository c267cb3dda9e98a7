#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "cholesky/SparseCholesky.h"

namespace {

// A symmetric matrix by its lower triangle, assembled entry by entry, handed over in compressed
// columns.
class CLowerMatrix {
public:
    explicit CLowerMatrix(int n) : n_(n) {}

    void Add(int i, int j, double value) {
        if (i < j) {
            std::swap(i, j);
        }
        entries_[{j, i}] += value;
    }
    int Size() const { return n_; }

    // Compressed columns: start, rows, values.
    void Compress(std::vector<int>& start, std::vector<int>& rows,
                  std::vector<double>& values) const {
        start.assign(n_ + 1, 0);
        rows.clear();
        values.clear();
        for (const auto& [at, value] : entries_) {
            ++start[at.first + 1];
            rows.push_back(at.second);
            values.push_back(value);
        }
        for (int j = 0; j < n_; ++j) {
            start[j + 1] += start[j];
        }
    }

    std::vector<double> Multiply(const std::vector<double>& x, int count) const {
        std::vector<double> y(x.size(), 0.0);
        for (const auto& [at, value] : entries_) {
            const auto [j, i] = at;
            for (int c = 0; c < count; ++c) {
                y[i * count + c] += value * x[j * count + c];
                if (i != j) {
                    y[j * count + c] += value * x[i * count + c];
                }
            }
        }
        return y;
    }

private:
    int n_;
    std::map<std::pair<int, int>, double> entries_;  // (column, row), row >= column
};

// The stiffness pattern of a plate: a side x side grid of four-node elements, `unknowns` per
// node, from random symmetric positive definite element matrices (B^T B plus the identity), so
// that each node couples with its eight neighbours. With `periodic` the grid closes on itself
// in both directions, as a unit cell does.
CLowerMatrix PlateMatrix(int side, int unknowns, bool periodic, unsigned seed = 7) {
    const int nodesPerRow = periodic ? side : side + 1;
    CLowerMatrix a(nodesPerRow * nodesPerRow * unknowns);
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    const int size = 4 * unknowns;
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            const int i1 = (i + 1) % nodesPerRow;
            const int j1 = (j + 1) % nodesPerRow;
            const int nodes[4] = {j * nodesPerRow + i, j * nodesPerRow + i1, j1 * nodesPerRow + i1,
                                  j1 * nodesPerRow + i};
            std::vector<double> b(size * size);
            for (double& entry : b) {
                entry = value(generator);
            }
            for (int p = 0; p < size; ++p) {
                for (int q = 0; q <= p; ++q) {
                    double k = p == q ? 1.0 : 0.0;
                    for (int s = 0; s < size; ++s) {
                        k += b[s * size + p] * b[s * size + q];
                    }
                    a.Add(nodes[p / unknowns] * unknowns + p % unknowns,
                          nodes[q / unknowns] * unknowns + q % unknowns, k);
                }
            }
        }
    }
    return a;
}

struct Compressed {
    std::vector<int> start;
    std::vector<int> rows;
    std::vector<double> values;
    explicit Compressed(const CLowerMatrix& a) { a.Compress(start, rows, values); }
};

double LargestResidual(const CLowerMatrix& a, const std::vector<double>& x,
                       const std::vector<double>& b, int count) {
    std::vector<double> ax = a.Multiply(x, count);
    double largest = 0.0;
    for (std::size_t k = 0; k < b.size(); ++k) {
        largest = std::max(largest, std::fabs(ax[k] - b[k]));
    }
    return largest;
}

std::vector<double> RandomVectors(int n, int count) {
    std::mt19937 generator(11);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> b(static_cast<std::size_t>(n) * count);
    for (double& entry : b) {
        entry = value(generator);
    }
    return b;
}

}  // namespace

// Open and periodic plates, one and several unknowns per node, one and several right-hand sides:
// the residual is at rounding level, and supernodes gather the unknowns of the nodes.
TEST(SparseCholesky, SolvesPlateSystemsForSeveralRightHandSides) {
    struct Case {
        int side;
        int unknowns;
        bool periodic;
        int count;
    };
    for (const Case& c : {Case{1, 1, false, 1}, Case{6, 1, false, 3}, Case{8, 5, true, 8},
                          Case{12, 3, false, 2}, Case{16, 5, true, 17}}) {
        SCOPED_TRACE(testing::Message() << c.side << " x " << c.unknowns << ", periodic "
                                        << c.periodic << ", " << c.count << " vectors");
        const CLowerMatrix a = PlateMatrix(c.side, c.unknowns, c.periodic);
        const Compressed m(a);
        CSparseCholesky cholesky;
        ASSERT_EQ(cholesky.Analyse(a.Size(), m.start.data(), m.rows.data()), CholeskyStatus::Ok);
        ASSERT_EQ(cholesky.Factor(m.values.data()), CholeskyStatus::Ok);
        const std::vector<double> b = RandomVectors(a.Size(), c.count);
        std::vector<double> x = b;
        ASSERT_TRUE(cholesky.Solve(c.count, x.data()));
        EXPECT_LT(LargestResidual(a, x, b, c.count), 1e-11);
        EXPECT_LE(cholesky.SupernodeCount() * c.unknowns, a.Size());
        EXPECT_GE(cholesky.FactorNonZeros(), static_cast<long long>(m.rows.size()));
    }
}

// One analysis serves every matrix of its pattern: doubling the values halves the solution.
TEST(SparseCholesky, RefactorsNewValuesWithTheSameAnalysis) {
    const CLowerMatrix a = PlateMatrix(5, 2, true);
    Compressed m(a);
    CSparseCholesky cholesky;
    ASSERT_EQ(cholesky.Analyse(a.Size(), m.start.data(), m.rows.data()), CholeskyStatus::Ok);
    ASSERT_EQ(cholesky.Factor(m.values.data()), CholeskyStatus::Ok);
    const std::vector<double> b = RandomVectors(a.Size(), 2);
    std::vector<double> x = b;
    ASSERT_TRUE(cholesky.Solve(2, x.data()));
    for (double& value : m.values) {
        value *= 2.0;
    }
    ASSERT_EQ(cholesky.Factor(m.values.data()), CholeskyStatus::Ok);
    std::vector<double> half = b;
    ASSERT_TRUE(cholesky.Solve(2, half.data()));
    for (std::size_t k = 0; k < b.size(); ++k) {
        EXPECT_NEAR(half[k], 0.5 * x[k], 1e-12 * std::fabs(x[k]) + 1e-15) << k;
    }
}

// Matrices that are not positive definite stop the factorisation at the first pivot that is not
// positive, which is named, and leave nothing to solve with: a negative diagonal entry of an
// uncoupled unknown, an indefinite coupled pair, a singular path Laplacian (integer entries, so
// its last pivot is exactly zero in any order), and a Gram matrix B^T B of rank 5 with 9
// unknowns, whose last pivots are rounding noise of either sign.
TEST(SparseCholesky, ReportsThePivotThatIsNotPositive) {
    CLowerMatrix negative(6);
    for (int i = 0; i < 6; ++i) {
        negative.Add(i, i, i == 3 ? -2.0 : 4.0);
    }
    negative.Add(1, 0, 1.0);
    CLowerMatrix indefinite(4);
    indefinite.Add(0, 0, 1.0);
    indefinite.Add(1, 1, 1.0);
    indefinite.Add(1, 0, 2.0);
    indefinite.Add(2, 2, 3.0);
    indefinite.Add(3, 3, 3.0);
    indefinite.Add(3, 2, 1.0);
    CLowerMatrix laplacian(7);
    for (int i = 0; i + 1 < 7; ++i) {
        laplacian.Add(i, i, 1.0);
        laplacian.Add(i + 1, i + 1, 1.0);
        laplacian.Add(i + 1, i, -1.0);
    }
    CLowerMatrix gram(9);
    std::mt19937 generator(6);  // a seed whose noise pivots are positive
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> b(5 * 9);
    for (double& entry : b) {
        entry = value(generator);
    }
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j <= i; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 5; ++k) {
                sum += b[k * 9 + i] * b[k * 9 + j];
            }
            gram.Add(i, j, sum);
        }
    }
    struct Case {
        const CLowerMatrix* matrix;
        std::vector<int> candidates;  // the columns whose pivot may be found not positive
    };
    for (const Case& c :
         {Case{&negative, {3}}, Case{&indefinite, {0, 1}}, Case{&laplacian, {0, 1, 2, 3, 4, 5, 6}},
          Case{&gram, {0, 1, 2, 3, 4, 5, 6, 7, 8}}}) {
        const Compressed m(*c.matrix);
        CSparseCholesky cholesky;
        ASSERT_EQ(cholesky.Analyse(c.matrix->Size(), m.start.data(), m.rows.data()),
                  CholeskyStatus::Ok);
        EXPECT_EQ(cholesky.Factor(m.values.data()), CholeskyStatus::NotPositive);
        EXPECT_NE(std::find(c.candidates.begin(), c.candidates.end(), cholesky.NotPositiveColumn()),
                  c.candidates.end())
            << cholesky.NotPositiveColumn();
        std::vector<double> b(c.matrix->Size(), 1.0);
        EXPECT_FALSE(cholesky.Solve(1, b.data()));
        EXPECT_EQ(b, std::vector<double>(c.matrix->Size(), 1.0));
    }
}

TEST(SparseCholesky, RefusesBadArguments) {
    CSparseCholesky cholesky;
    const int start[2] = {0, 1};
    const int rows[1] = {0};
    EXPECT_EQ(cholesky.Analyse(0, start, rows), CholeskyStatus::BadArgument);
    EXPECT_EQ(cholesky.Analyse(1, nullptr, rows), CholeskyStatus::BadArgument);
    const double value = 4.0;
    EXPECT_EQ(cholesky.Factor(&value), CholeskyStatus::BadArgument);  // not analysed
    ASSERT_EQ(cholesky.Analyse(1, start, rows), CholeskyStatus::Ok);
    EXPECT_EQ(cholesky.Factor(nullptr), CholeskyStatus::BadArgument);
    ASSERT_EQ(cholesky.Factor(&value), CholeskyStatus::Ok);
    double b = 2.0;
    ASSERT_TRUE(cholesky.Solve(1, &b));
    EXPECT_EQ(b, 0.5);
}

// Memory running out at any block request, in the analysis, the factorisation or the solve: the
// step reports it and leaves nothing half-made that a later solve could read; the same object
// then analyses, factors and solves as if nothing had happened (no leak under the sanitizers).
TEST(SparseCholesky, ExhaustedMemoryIsReportedAtEveryRequest) {
    const CLowerMatrix a = PlateMatrix(4, 3, true);
    const Compressed m(a);
    const std::vector<double> b = RandomVectors(a.Size(), 3);
    std::vector<double> expected = b;
    {
        CSparseCholesky reference;
        ASSERT_EQ(reference.Analyse(a.Size(), m.start.data(), m.rows.data()), CholeskyStatus::Ok);
        ASSERT_EQ(reference.Factor(m.values.data()), CholeskyStatus::Ok);
        ASSERT_TRUE(reference.Solve(3, expected.data()));
    }
    int failures = 0;
    for (int nth = 1; nth <= 80; ++nth) {
        SCOPED_TRACE(nth);
        CSparseCholesky cholesky;
        std::vector<double> x = b;
        CholeskyFailNthAllocation(nth);
        CholeskyStatus analysed = cholesky.Analyse(a.Size(), m.start.data(), m.rows.data());
        CholeskyStatus factored =
            analysed == CholeskyStatus::Ok ? cholesky.Factor(m.values.data()) : analysed;
        bool solved = factored == CholeskyStatus::Ok && cholesky.Solve(3, x.data());
        CholeskyFailNthAllocation(0);
        if (!solved) {
            ++failures;
            EXPECT_TRUE(factored == CholeskyStatus::NoMemory || factored == CholeskyStatus::Ok);
            EXPECT_EQ(x, b);  // untouched
            ASSERT_EQ(cholesky.Analyse(a.Size(), m.start.data(), m.rows.data()),
                      CholeskyStatus::Ok);
            ASSERT_EQ(cholesky.Factor(m.values.data()), CholeskyStatus::Ok);
            ASSERT_TRUE(cholesky.Solve(3, x.data()));
        }
        EXPECT_EQ(x, expected);
    }
    EXPECT_GE(failures, 30);
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "fe/FeCholeskySystem.h"
#include "fe/FeFactoredSystem.h"
#include "fe/FeSparseMatrix.h"
#include "numerics/Matrix.h"

namespace {

// A symmetric positive definite stiffness of n DOFs, coupled within a band of 4 and between the
// first and the last DOFs (as periodicity couples opposite edges).
CFeSparseMatrix Stiffness(int n) {
    std::mt19937 generator(9);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    CFeSparseMatrix K(n);
    for (int i = 1; i <= n; ++i) {
        K.Add(i, i, 10.0);
        for (int j = i + 1; j <= std::min(n, i + 4); ++j) {
            const double v = value(generator);
            K.Add(i, j, v);
            K.Add(j, i, v);
        }
    }
    K.Add(1, n, 0.5);
    K.Add(n, 1, 0.5);
    return K;
}

// x(slave) = sum beta x(master) made part of K as the unit cell's periodicity does: the
// congruent transformation, then the slave's row holding the constraint equation.
void Constrain(CFeSparseMatrix& K, int slave, const std::vector<int>& masters,
               const std::vector<double>& betas) {
    for (std::size_t k = 0; k < masters.size(); ++k) {
        K.AddRowMultiple(slave, masters[k], betas[k]);
    }
    for (std::size_t k = 0; k < masters.size(); ++k) {
        K.AddColumnMultiple(slave, masters[k], betas[k]);
    }
    K.ClearRow(slave);
    K.ClearColumn(slave);
    K.Set(slave, slave, 1.0);
    for (std::size_t k = 0; k < masters.size(); ++k) {
        K.Set(slave, masters[k], -betas[k]);
    }
}

void Hold(CFeSparseMatrix& K, int dof) {
    K.ClearRow(dof);
    K.ClearColumn(dof);
    K.Set(dof, dof, 1.0);
}

CVector Load(int n) {
    CVector f(n);
    for (int i = 1; i <= n; ++i) {
        f(i) = std::cos(0.7 * i);
    }
    return f;
}

}  // namespace

// Dependent DOFs (constraint rows, empty columns) and held DOFs are solved after the core from
// their own rows: the whole system's solution, a constraint's right-hand side included.
TEST(FeCholeskySystem, SolvesTheConstrainedSystemThroughItsCore) {
    const int n = 24;
    CFeSparseMatrix K = Stiffness(n);
    Constrain(K, 24, {1, 12, 13}, {1.0, 1.0, -1.0});
    Constrain(K, 20, {2, 13, 3}, {1.0, 0.25, -0.25});
    Hold(K, 5);
    CFeCholeskySystem system(K);
    ASSERT_TRUE(system.Factor());
    EXPECT_EQ(system.CoreSize(), n - 3);
    CVector f = Load(n);
    f(5) = 0.0;
    const CVector expected = K.ToDense().Solve(f);
    CVector x = f;
    ASSERT_TRUE(system.SolveAll({x.Data()}));
    for (int i = 1; i <= n; ++i) {
        EXPECT_NEAR(x(i), expected(i), 1e-14) << i;
    }
    EXPECT_NEAR(x(24), x(1) + x(12) - x(13) + f(24), 1e-14);
}

// A core that is not symmetric, or a DOF outside the core with nothing on its diagonal (its
// column is empty: the system is singular): the system is refused, and the factored system takes
// the sparse LU package instead, with exactly its results (not-a-number for the singular one).
TEST(FeCholeskySystem, RefusesWhatIsNotASymmetricCore) {
    const int n = 12;
    CFeSparseMatrix unsymmetric = Stiffness(n);
    unsymmetric.Add(3, 7, 1e-6);
    CFeSparseMatrix zeroDiagonal = Stiffness(n);
    Hold(zeroDiagonal, 4);
    zeroDiagonal.Set(4, 4, 0.0);
    for (const CFeSparseMatrix* K : {&unsymmetric, &zeroDiagonal}) {
        CFeCholeskySystem system(*K);
        EXPECT_FALSE(system.Factor());

        CFeFactoredSystem cholesky(*K, CFeFactoredSystem::Method::Cholesky);
        CFeFactoredSystem sparse(*K, CFeFactoredSystem::Method::Sparse);
        const CVector x = cholesky.Solve(Load(n));
        const CVector y = sparse.Solve(Load(n));
        EXPECT_EQ(cholesky.UsedMethod(), CFeFactoredSystem::Method::Sparse);
        for (int i = 1; i <= n; ++i) {
            EXPECT_TRUE(x(i) == y(i) || (std::isnan(x(i)) && std::isnan(y(i)))) << i;
        }
    }
}

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fe/FeBorderedSystem.h"
#include "fe/FeSparseMatrix.h"
#include "numerics/Matrix.h"

namespace {

// A banded, unsymmetric but well-conditioned matrix of n equations.
CFeSparseMatrix Banded(int n) {
    CFeSparseMatrix K(n);
    for (int i = 1; i <= n; ++i) {
        K.Set(i, i, 10.0 + i);
        for (int d = 1; d <= 3; ++d) {
            if (i + d <= n) {
                K.Set(i, i + d, 1.0 / d + 0.1 * i);
                K.Set(i + d, i, -0.5 / d);
            }
        }
    }
    K.Set(1, n, 2.0);  // a far coupling, as periodicity makes
    K.Set(n, 1, 1.5);
    return K;
}

// The case's own constrained system: supported rows and columns replaced by the identity.
CVector SolveHeld(const CFeSparseMatrix& K, const std::vector<int>& supported, const CVector& f) {
    CMatrix held = K.ToDense();
    for (int p : supported) {
        for (int k = 1; k <= K.Size(); ++k) {
            held(p, k) = 0.0;
            held(k, p) = 0.0;
        }
        held(p, p) = 1.0;
    }
    return held.Solve(f);
}

}  // namespace

TEST(FeBorderedSystem, SolvesEachSupportSetAsItsOwnConstrainedSystem) {
    const int n = 30;
    const CFeSparseMatrix K = Banded(n);
    const std::vector<int> border = {1, 2, 7, 16, 30};
    const std::vector<std::vector<int>> supportSets = {{1, 2, 7}, {1, 16, 30}, border, {2}};
    for (auto method : {CFeFactoredSystem::Method::Dense, CFeFactoredSystem::Method::Sparse}) {
        CFeBorderedSystem system(K, border, method);
        for (const std::vector<int>& supported : supportSets) {
            CVector f(n);
            for (int i = 1; i <= n; ++i) {
                f(i) = std::sin(1.3 * i);
            }
            for (int p : supported) {
                f(p) = 0.0;  // held at zero, as the unit cell's supports are
            }
            CVector expected = SolveHeld(K, supported, f);
            CVector x = system.Solve(supported, f);
            for (int i = 1; i <= n; ++i) {
                EXPECT_NEAR(x(i), expected(i), 1e-13) << i;
            }
        }
    }
}

TEST(FeBorderedSystem, ZeroLoadNeedsNoFactorisationAndSingularGivesNaN) {
    const int n = 8;
    CFeSparseMatrix K = Banded(n);
    CFeBorderedSystem system(K, {1, 2}, CFeFactoredSystem::Method::Sparse);
    CVector zero = system.Solve({1}, CVector(n));
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(zero(i), 0.0);
    }

    // Row 5 empty: the interior is singular.
    K.ClearRow(5);
    CFeBorderedSystem singular(K, {1, 2}, CFeFactoredSystem::Method::Sparse);
    CVector f(n);
    f(4) = 1.0;
    CVector x = singular.Solve({1}, f);
    for (int i = 1; i <= n; ++i) {
        EXPECT_TRUE(std::isnan(x(i))) << i;
    }
}

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <vector>

#include "FeFixtures.h"
#include "fe/FeMesh.h"
#include "fe/FeSolver.h"
#include "fe/FeUnitCell.h"
#include "sparse/SparseMatrix.h"

namespace {

const FeSolveOptions kDense{INT_MAX};
const FeSolveOptions kSparse{0};

// The eight cases of a pattern's unit cell, solved the given way.
std::unique_ptr<CFeSolver> SolveCases(const FePattern& pattern, const CellParams& params, double u,
                                      FeSolveOptions options) {
    const FeSizes sizes;
    const CMeshSize size = CMeshSize::For(pattern.nx, pattern.ny);
    const int n = sizes.nodeDofs * size.nodeCount;
    const CFeMesh mesh(sizes, params, 0.0, u, size, sizes.triangleNodes, n);
    CFeSparseMatrix K(n);
    CVector F1(n), F2(n);
    AssembleUnitCell(mesh, pattern, sizes, K, F1, F2);
    return std::make_unique<CFeSolver>(params, 0.0, u, size, sizes, K, F1, F2, options);
}

double LargestMagnitude(const CVector& v) {
    double largest = 0.0;
    for (int i = 1; i <= v.Size(); ++i) {
        largest = std::max(largest, std::fabs(v(i)));
    }
    return largest;
}

bool AllNaN(const CVector& v) {
    for (int i = 1; i <= v.Size(); ++i) {
        if (!std::isnan(v(i))) {
            return false;
        }
    }
    return true;
}

void ExpectSameDisplacements(const CFeSolver& actual, const CFeSolver& expected, double tolerance) {
    for (int loadCase = 1; loadCase <= CFeSolver::kCaseCount; ++loadCase) {
        const CVector& x = actual.U(loadCase);
        const CVector& y = expected.U(loadCase);
        double scale = LargestMagnitude(y);  // zero for an unloaded case: both exactly zero
        for (int i = 1; i <= y.Size(); ++i) {
            ASSERT_NEAR(x(i), y(i), tolerance * scale) << "case " << loadCase << ", DOF " << i;
        }
    }
}

// The twill repeated twice in each direction: 12 x 12 cells, 845 equations.
std::vector<short> TiledTwill() {
    std::vector<short> cells(144);
    for (int j = 0; j < 12; ++j) {
        for (int i = 0; i < 12; ++i) {
            cells[j * 12 + i] = kTwill[(j % 6) * 6 + i % 6];
        }
    }
    return cells;
}

}  // namespace

// Weaves small enough for both solvers, on rectangular and sheared cells, with a uniform laminate
// and with the real kinds of a twill: the dense LU and the sparse package (its dense trailing
// block included, from 245 equations on) give the same displacements to rounding: the rotations
// and the displacements differ in scale by the square of the thickness, so rounding shows at
// 1e-9 of the largest displacement on the larger cells.
TEST(FeSolvePaths, DenseAndSparseSolvesAgreeToRounding) {
    const double sheared = 70 * kPi / 180;
    struct Case {
        FePattern pattern;
        CellParams params;
        double u;
    };
    const Case cases[] = {
        {UniformPattern(1, 1, GeneralABD(), Resultants(1, 2, 3, 4e-3, 5e-3, 6e-3), CVector(6)),
         PlateCell(1e-3, 1e-3), kPi / 2},
        {UniformPattern(3, 2, GeneralABD(), Resultants(120, 80, 10, 2e-3, -1e-3, 5e-4),
                        Resultants(1, 1, 0, 0, 0, 1e-3)),
         PlateCell(1e-3, 1.3e-3), 75 * kPi / 180},
        {FePattern{6, 6, kTwill, FabricKinds(sheared)}, FabricParams(sheared), sheared},
        {FePattern{6, 6, kTwill, FabricKinds(kPi / 2)}, FabricParams(kPi / 2), kPi / 2},
        {FePattern{12, 12, TiledTwill(), FabricKinds(sheared)}, FabricParams(sheared), sheared},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pattern.nx << " x " << c.pattern.ny << ", u " << c.u);
        auto dense = SolveCases(c.pattern, c.params, c.u, kDense);
        auto sparse = SolveCases(c.pattern, c.params, c.u, kSparse);
        ExpectSameDisplacements(*sparse, *dense, 1e-8);

        UnitCellResult a = SolveUnitCell(c.pattern, c.params, c.u, kDense);
        UnitCellResult b = SolveUnitCell(c.pattern, c.params, c.u, kSparse);
        for (int i = 1; i <= 6; ++i) {
            for (int j = 1; j <= 6; ++j) {
                double scale = std::sqrt(std::fabs(a.abd(i, i) * a.abd(j, j)));
                EXPECT_NEAR(b.abd(i, j), a.abd(i, j), 1e-9 * scale) << i << ", " << j;
            }
        }
    }
}

// A cell without stiffness: every constrained system is singular. The loaded cases come out
// not-a-number on both paths instead of crashing or reading factors that were never computed; the
// unloaded thermal and yarn-load cases stay zero, and the call returns normally.
TEST(FeSolvePaths, SingularSystemsGiveNonFiniteCases) {
    FePattern pattern = UniformPattern(4, 4, CMatrix(6, 6), CVector(6), CVector(6));
    for (FeSolveOptions options : {kDense, kSparse}) {
        SCOPED_TRACE(options.sparseAbove);
        auto solver = SolveCases(pattern, PlateCell(1e-3, 1e-3), kPi / 2, options);
        for (int loadCase = 1; loadCase <= 6; ++loadCase) {
            EXPECT_TRUE(AllNaN(solver->U(loadCase))) << loadCase;
        }
        EXPECT_EQ(LargestMagnitude(solver->U(7)), 0.0);
        EXPECT_EQ(LargestMagnitude(solver->U(8)), 0.0);
        UnitCellResult cell = SolveUnitCell(pattern, PlateCell(1e-3, 1e-3), kPi / 2, options);
        EXPECT_FALSE(std::isfinite(cell.abd(1, 1)));
    }
}

// Memory running out at any block request of the sparse package, in its one factorisation or in
// any solve: the cases come out not-a-number all together, or exactly as without the failure
// when it came too late to matter; nothing crashes and nothing leaks (checked under the
// sanitizers).
TEST(FeSolvePaths, ExhaustedMemoryLeavesOnlyThatSystemsCasesNonFinite) {
    const double u = 80 * kPi / 180;
    FePattern pattern{6, 6, kTwill, FabricKinds(u)};
    auto reference = SolveCases(pattern, FabricParams(u), u, kSparse);
    int failedRuns = 0;
    for (int nth : {1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 377}) {
        SCOPED_TRACE(nth);
        SparseFailNthAllocation(nth);
        auto solver = SolveCases(pattern, FabricParams(u), u, kSparse);
        SparseFailNthAllocation(0);
        int nonFinite = 0;
        for (int loadCase = 1; loadCase <= CFeSolver::kCaseCount; ++loadCase) {
            if (AllNaN(solver->U(loadCase))) {
                ++nonFinite;
                continue;
            }
            const CVector& x = solver->U(loadCase);
            const CVector& y = reference->U(loadCase);
            for (int i = 1; i <= y.Size(); ++i) {
                ASSERT_EQ(x(i), y(i)) << "case " << loadCase << ", DOF " << i;
            }
        }
        EXPECT_TRUE(nonFinite == 0 || nonFinite == CFeSolver::kCaseCount) << nonFinite;
        failedRuns += nonFinite > 0 ? 1 : 0;
    }
    EXPECT_GE(failedRuns, 10);
}

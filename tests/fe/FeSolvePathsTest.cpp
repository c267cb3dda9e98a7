#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "FeFixtures.h"
#include "WeavePatterns.h"
#include "cholesky/SparseCholesky.h"
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

namespace {

const FeSolveOptions kCholesky{0, FeSolveOptions::Large::Cholesky};
const FeSolveOptions kMarkowitz{0, FeSolveOptions::Large::Markowitz};
const FeSolveOptions kDenseLU{0, FeSolveOptions::Large::Dense};

using Method = CFeFactoredSystem::Method;

// Free strains compared as the strains they cause at the faces z = +-h/2: mid-plane strains as
// they are, curvatures times h/2, each against the largest of those. (Some vanish by the weave's
// symmetry, and a small yarn-load case can bend the cell far less than it stretches it.)
void ExpectSameFreeStrains(const CVector& actual, const CVector& expected, double h,
                           double tolerance) {
    double scale = 0.0;
    for (int i = 1; i <= 6; ++i) {
        scale = std::max(scale, std::fabs(expected(i)) * (i <= 3 ? 1.0 : 0.5 * h));
    }
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(actual(i), expected(i), tolerance * scale / (i <= 3 ? 1.0 : 0.5 * h)) << i;
    }
}

// Each ABD entry against the geometric mean of its two diagonal entries; the free strains of the
// thermal and yarn-load cases at the faces of a layer of thickness h.
void ExpectSameLaminate(const UnitCellResult& actual, const UnitCellResult& expected, double h,
                        double tolerance) {
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            double scale = std::sqrt(std::fabs(expected.abd(i, i) * expected.abd(j, j)));
            EXPECT_NEAR(actual.abd(i, j), expected.abd(i, j), tolerance * scale) << i << ", " << j;
        }
    }
    ExpectSameFreeStrains(actual.thermalStrains, expected.thermalStrains, h, tolerance);
    ExpectSameFreeStrains(actual.yarnLoadStrains, expected.yarnLoadStrains, h, tolerance);
}

void ExpectIdenticalDisplacements(const CFeSolver& actual, const CFeSolver& expected) {
    for (int loadCase = 1; loadCase <= CFeSolver::kCaseCount; ++loadCase) {
        for (int i = 1; i <= expected.U(loadCase).Size(); ++i) {
            ASSERT_EQ(actual.U(loadCase)(i), expected.U(loadCase)(i))
                << "case " << loadCase << ", DOF " << i;
        }
    }
}

// A catalogue weave at accuracy Fine, one element per pattern cell, with the fabric's real kinds.
FePattern CatalogueWeave(const std::string& name, double u) {
    for (const WeaveDefinition& weave : BuiltinWeaveDefinitions()) {
        if (weave.name == name) {
            const int size = 2 * static_cast<int>(weave.interlacing.size());
            return FePattern{size, size, ExpandInterlacing(weave.interlacing, weave.deviation),
                             FabricKinds(u)};
        }
    }
    ADD_FAILURE() << "no weave " << name;
    return FePattern{1, 1, {1}, FabricKinds(u)};
}

// The laminate of solved cases, on the mesh they were solved on.
UnitCellResult Homogenised(const FePattern& pattern, const CellParams& params, double u,
                           const CFeSolver& solver) {
    const FeSizes sizes;
    const CMeshSize size = CMeshSize::For(pattern.nx, pattern.ny);
    const CFeMesh mesh(sizes, params, 0.0, u, size, sizes.triangleNodes,
                       sizes.nodeDofs * size.nodeCount);
    return HomogeniseUnitCell(mesh, solver);
}

struct CatalogueAgreement {
    const char* weave;
    double u;
    FeSolveOptions reference;
    double tolerance;  // relative, as in ExpectSameDisplacements and ExpectSameLaminate
};

void PrintTo(const CatalogueAgreement& agreement, std::ostream* out) {
    *out << agreement.weave;
}

class FeCatalogueAgreement : public testing::TestWithParam<CatalogueAgreement> {};

// The weave's name as the test's: "Satin 12H" -> Satin12H.
std::string WeaveName(const testing::TestParamInfo<CatalogueAgreement>& info) {
    std::string name;
    for (const char* c = info.param.weave; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            name += *c;
        }
    }
    return name;
}

}  // namespace

// The catalogue's weaves at Fine: the Cholesky path, without falling back, gives the
// displacements and the laminate of the reference path to rounding: of one dense LU up to 1445
// equations (they agree to about 1e-10), of the sparse LU package on the largest cells (3125 and
// 5445 equations). The threshold pivoting of the sparse LU package gives up more: it departs
// from the dense LU by up to 5e-9 of the largest displacement at 1445 equations, and from the
// Cholesky path by up to 4e-8 at 5445.
TEST_P(FeCatalogueAgreement, CholeskyPathGivesTheReferenceResultsToRounding) {
    const CatalogueAgreement& c = GetParam();
    SCOPED_TRACE(c.weave);
    const FePattern pattern = CatalogueWeave(c.weave, c.u);
    const CellParams params = FabricParams(c.u);
    auto cholesky = SolveCases(pattern, params, c.u, kCholesky);
    auto reference = SolveCases(pattern, params, c.u, c.reference);
    EXPECT_EQ(cholesky->Report().method, Method::Cholesky);
    EXPECT_LT(cholesky->Report().factorNonZeros, reference->Report().factorNonZeros);
    ExpectSameDisplacements(*cholesky, *reference, c.tolerance);
    ExpectSameLaminate(Homogenised(pattern, params, c.u, *cholesky),
                       Homogenised(pattern, params, c.u, *reference), params.h, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    DenseUpTo1445Equations, FeCatalogueAgreement,
    testing::Values(CatalogueAgreement{"Satin  8H", 70 * kPi / 180, kDenseLU, 1e-9},
                    CatalogueAgreement{"Twill 4x4", kPi / 2, kDenseLU, 1e-9},
                    CatalogueAgreement{"Basket 4x4", 110 * kPi / 180, kDenseLU, 1e-9}),
    WeaveName);
INSTANTIATE_TEST_SUITE_P(MarkowitzOnTheLargest, FeCatalogueAgreement,
                         testing::Values(CatalogueAgreement{"Satin 12H", kPi / 2, kMarkowitz, 1e-7},
                                         CatalogueAgreement{"Basket 8x8", 80 * kPi / 180,
                                                            kMarkowitz, 1e-7}),
                         WeaveName);

// Laminates whose plate stiffness is not positive definite: all of it negated (the first pivot
// is negative) and only the bending block negated (the pivots fail part-way). The Cholesky path
// hands the system to the sparse LU package and returns exactly its results, which agree with the
// dense LU; the negated plate deflects exactly opposite to the positive one.
TEST(FeSolvePaths, CoreNotPositiveDefiniteFallsBackToTheSparseLU) {
    const CMatrix abd = GeneralABD();
    CMatrix negated = abd * -1.0;
    CMatrix bendingNegated = abd;
    for (int i = 4; i <= 6; ++i) {
        for (int j = 4; j <= 6; ++j) {
            bendingNegated(i, j) = -abd(i, j);
        }
    }
    const CVector thermal = Resultants(120, 80, 10, 2e-3, -1e-3, 5e-4);
    const CellParams params = PlateCell(1e-3, 1.2e-3);
    const double u = 75 * kPi / 180;
    auto positive =
        SolveCases(UniformPattern(6, 5, abd, thermal, thermal * 0.5), params, u, kCholesky);
    EXPECT_EQ(positive->Report().method, Method::Cholesky);
    for (const CMatrix& laminate : {negated, bendingNegated}) {
        const FePattern pattern = UniformPattern(6, 5, laminate, thermal, thermal * 0.5);
        auto cholesky = SolveCases(pattern, params, u, kCholesky);
        auto markowitz = SolveCases(pattern, params, u, kMarkowitz);
        EXPECT_EQ(cholesky->Report().method, Method::Sparse);
        ExpectIdenticalDisplacements(*cholesky, *markowitz);
        ExpectSameDisplacements(*cholesky, *SolveCases(pattern, params, u, kDense), 1e-8);
    }
    auto opposite =
        SolveCases(UniformPattern(6, 5, negated, thermal, thermal * 0.5), params, u, kCholesky);
    for (int loadCase = 1; loadCase <= CFeSolver::kCaseCount; ++loadCase) {
        const CVector& x = opposite->U(loadCase);
        const CVector& y = positive->U(loadCase);
        const double scale = LargestMagnitude(y);
        for (int i = 1; i <= y.Size(); ++i) {
            ASSERT_NEAR(x(i), -y(i), 1e-8 * scale) << "case " << loadCase << ", DOF " << i;
        }
    }
}

// A cell without stiffness, forced through the Cholesky path: its unconstrained DOFs have zero
// diagonals, so the path falls back, and the sparse LU package finds the system singular.
TEST(FeSolvePaths, SingularSystemOnTheCholeskyPathGivesNonFiniteCases) {
    FePattern pattern = UniformPattern(4, 4, CMatrix(6, 6), CVector(6), CVector(6));
    auto solver = SolveCases(pattern, PlateCell(1e-3, 1e-3), kPi / 2, kCholesky);
    EXPECT_EQ(solver->Report().method, Method::Sparse);
    for (int loadCase = 1; loadCase <= 6; ++loadCase) {
        EXPECT_TRUE(AllNaN(solver->U(loadCase))) << loadCase;
    }
    EXPECT_EQ(LargestMagnitude(solver->U(7)), 0.0);
}

// Memory running out at any block request of the Cholesky package (analysis, factorisation or
// either solve): the system goes to the sparse LU package, and every case still agrees with it.
// When that package runs out too, no case is left half-solved: each is exactly the Cholesky
// path's (solved before the failure) or not-a-number.
TEST(FeSolvePaths, ExhaustedMemoryOnTheCholeskyPathFallsBackToTheSparseLU) {
    const double u = 80 * kPi / 180;
    FePattern pattern{6, 6, kTwill, FabricKinds(u)};
    auto cholesky = SolveCases(pattern, FabricParams(u), u, kCholesky);
    auto markowitz = SolveCases(pattern, FabricParams(u), u, kMarkowitz);
    int fallbacks = 0;
    int nonFiniteCases = 0;
    for (int nth = 1; nth <= 60; ++nth) {
        SCOPED_TRACE(nth);
        CholeskyFailNthAllocation(nth);
        auto solver = SolveCases(pattern, FabricParams(u), u, kCholesky);
        CholeskyFailNthAllocation(0);
        if (solver->Report().method == Method::Cholesky) {
            ExpectIdenticalDisplacements(*solver, *cholesky);
        } else {
            ++fallbacks;
            ExpectSameDisplacements(*solver, *markowitz, 1e-8);
        }

        CholeskyFailNthAllocation(nth);
        SparseFailNthAllocation(1);
        auto exhausted = SolveCases(pattern, FabricParams(u), u, kCholesky);
        CholeskyFailNthAllocation(0);
        SparseFailNthAllocation(0);
        for (int loadCase = 1; loadCase <= CFeSolver::kCaseCount; ++loadCase) {
            const CVector& x = exhausted->U(loadCase);
            if (AllNaN(x)) {
                ++nonFiniteCases;
                continue;
            }
            for (int i = 1; i <= x.Size(); ++i) {
                ASSERT_EQ(x(i), cholesky->U(loadCase)(i)) << "case " << loadCase << ", DOF " << i;
            }
        }
    }
    EXPECT_GE(fallbacks, 20);
    EXPECT_GE(nonFiniteCases, 20 * CFeSolver::kCaseCount);
}

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "FeFixtures.h"
#include "Tolerance.h"
#include "fe/FeMesh.h"
#include "fe/FeSolver.h"
#include "fe/FeUnitCell.h"
#include "micromechanics/PlyFixtures.h"
#include "weave/CellGeometry.h"
#include "woven/CellABD.h"
#include "woven/FabricCellParams.h"

namespace {

struct CellShape {
    int nx;
    int ny;
    double a1;
    double a2;
    double u;
};

// Rectangular and sheared cells, with equal and unequal edge lengths P1 = nx a1, P2 = ny a2.
const CellShape kShapes[] = {
    {1, 1, 1e-3, 1e-3, kPi / 2},           {2, 2, 1e-3, 1.6e-3, kPi / 2},
    {4, 4, 1e-3, 1e-3, kPi / 2},           {1, 1, 1e-3, 1.6e-3, 60 * kPi / 180},
    {2, 2, 1e-3, 0.7e-3, 110 * kPi / 180}, {4, 4, 1.2e-3, 1e-3, 70 * kPi / 180},
    {3, 2, 1e-3, 1.3e-3, 75 * kPi / 180},
};

void ExpectSameLaminate(const CMatrix& actual, const CMatrix& expected, double tolerance) {
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            double scale = std::sqrt(std::fabs(expected(i, i) * expected(j, j)));
            EXPECT_NEAR(actual(i, j), expected(i, j), tolerance * scale) << i << ", " << j;
        }
    }
}

}  // namespace

TEST(FeUnitCell, FreePlateHasTheSixRigidBodyModes) {
    const CellShape shape{3, 2, 1e-3, 1.4e-3, 65 * kPi / 180};
    FeSizes sizes;
    CMeshSize size = CMeshSize::For(shape.nx, shape.ny);
    int n = 5 * size.nodeCount;
    CFeMesh mesh(sizes, PlateCell(shape.a1, shape.a2), 0.0, shape.u, size, 3, n);
    FePattern pattern = UniformPattern(shape.nx, shape.ny, GeneralABD(), CVector(6), CVector(6));
    CFeSparseMatrix K(n);
    CVector F1(n), F2(n);
    AssembleUnitCell(mesh, pattern, sizes, K, F1, F2);
    double scale = BlockScale(K.ToDense(), 1, n, 1, n);
    // Translations, the in-plane rotation, and the two tilts with their Kirchhoff rotations.
    for (int mode = 0; mode < 6; ++mode) {
        CVector r(n);
        for (int node = 1; node <= size.nodeCount; ++node) {
            double x = mesh.Nodes()(node, 1);
            double y = mesh.Nodes()(node, 2);
            double* d = r.Data() + 5 * (node - 1);
            switch (mode) {
                case 0:
                    d[0] = 1e-3;
                    break;
                case 1:
                    d[1] = 1e-3;
                    break;
                case 2:
                    d[2] = 1e-3;
                    break;
                case 3:
                    d[0] = -y;
                    d[1] = x;
                    break;
                case 4:
                    d[2] = x;
                    d[4] = -1.0;
                    break;
                default:
                    d[2] = y;
                    d[3] = 1.0;
                    break;
            }
        }
        CVector force = K * r;
        for (int i = 1; i <= n; ++i) {
            EXPECT_NEAR(force(i), 0.0, 1e-12 * scale) << "mode " << mode << ", DOF " << i;
        }
    }
}

// Every cell the same laminate: the periodic cell must give that laminate back, and its free
// thermal strains must be ABD^-1 NT, on rectangles and on sheared cells with unequal edges.
TEST(FeUnitCell, HomogeneousPlateComesBackAsItself) {
    const CMatrix abd = GeneralABD();
    const CVector thermal = Resultants(120.0, 80.0, 10.0, 2e-3, -1e-3, 5e-4);
    const CVector expectedStrains = abd.Inverse() * thermal;
    for (const CellShape& shape : kShapes) {
        FePattern pattern = UniformPattern(shape.nx, shape.ny, abd, thermal, thermal * 0.5);
        UnitCellResult cell = SolveUnitCell(pattern, PlateCell(shape.a1, shape.a2), shape.u);
        SCOPED_TRACE(testing::Message() << shape.nx << " x " << shape.ny << ", u = " << shape.u);
        ExpectSameLaminate(cell.abd, abd, 1e-9);
        for (int i = 1; i <= 6; ++i) {
            EXPECT_NEAR(cell.thermalStrains(i), expectedStrains(i),
                        1e-9 * std::fabs(expectedStrains(i)) + 1e-12)
                << i;
            EXPECT_NEAR(cell.yarnLoadStrains(i), 0.5 * expectedStrains(i),
                        1e-9 * std::fabs(expectedStrains(i)) + 1e-12)
                << i;
        }
    }
}

TEST(FeUnitCell, UpsideDownCellsOfAnUncoupledLaminateStillFormOnePlate) {
    CMatrix abd = GeneralABD();
    for (int i = 1; i <= 3; ++i) {
        for (int j = 4; j <= 6; ++j) {
            abd(i, j) = abd(j, i) = 0.0;
        }
    }
    FePattern pattern = UniformPattern(2, 2, abd, CVector(6), CVector(6));
    pattern.cells = {1, -1, -1, 1};
    UnitCellResult cell = SolveUnitCell(pattern, PlateCell(1e-3, 1.3e-3), 1.1);
    ExpectSameLaminate(cell.abd, abd, 1e-9);
}

TEST(FeUnitCell, RealWeaveOnAShearedCellIsSymmetric) {
    const double u = 70 * kPi / 180;
    FePattern pattern{6, 6, kTwill, FabricKinds(u)};
    CMatrix abd = SolveUnitCell(pattern, FabricParams(u), u).abd;
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j < i; ++j) {
            double scale = std::sqrt(std::fabs(abd(i, i) * abd(j, j)));
            EXPECT_NEAR(abd(i, j), abd(j, i), 1e-9 * scale) << i << ", " << j;
        }
    }
}

// The same fabric with another cell origin is the same laminate, up to the corner supports of
// the moment cases, which hold one rotation at c1 and so depend on the origin by about 1e-5.
TEST(FeUnitCell, ShiftingThePatternCyclicallyBarelyChangesTheLaminate) {
    const double u = 70 * kPi / 180;
    FePattern pattern{6, 6, kTwill, FabricKinds(u)};
    CMatrix reference = SolveUnitCell(pattern, FabricParams(u), u).abd;
    FePattern shifted = pattern;
    for (int j = 0; j < 6; ++j) {
        for (int i = 0; i < 6; ++i) {
            shifted.cells[j * 6 + i] = kTwill[((j + 2) % 6) * 6 + (i + 1) % 6];
        }
    }
    ExpectSameLaminate(SolveUnitCell(shifted, FabricParams(u), u).abd, reference, 1e-4);
}

TEST(FeSolver, SlaveRowsHoldTheirConstraintEquations) {
    const CellShape shape{2, 3, 1e-3, 1e-3, kPi / 2};
    FeSizes sizes;
    CMeshSize size = CMeshSize::For(shape.nx, shape.ny);
    int n = 5 * size.nodeCount;
    CFeMesh mesh(sizes, PlateCell(shape.a1, shape.a2), 0.0, shape.u, size, 3, n);
    FePattern pattern = UniformPattern(shape.nx, shape.ny, GeneralABD(), CVector(6), CVector(6));
    CFeSparseMatrix K(n);
    CVector F1(n), F2(n);
    AssembleUnitCell(mesh, pattern, sizes, K, F1, F2);
    CFeSolver solver(PlateCell(shape.a1, shape.a2), 0.0, shape.u, size, sizes, K, F1, F2);
    const CFeSparseMatrix& Kp = solver.PeriodicStiffness();
    auto dof = [](int node, int d) { return 5 * (node - 1) + d; };
    // Right-edge node of row 1 (node 6), w: w6 = w4 + (w12 - w10) / 3 + 2 (w3 - w1) / 3.
    int z = dof(6, 3);
    EXPECT_EQ(Kp(z, z), 1.0);
    EXPECT_EQ(Kp(z, dof(4, 3)), -1.0);
    EXPECT_DOUBLE_EQ(Kp(z, dof(12, 3)), -1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Kp(z, dof(10, 3)), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(Kp(z, dof(3, 3)), -2.0 / 3.0);
    EXPECT_DOUBLE_EQ(Kp(z, dof(1, 3)), 2.0 / 3.0);
    // Corner c4 (node 12), u: u12 = u3 + u10 - u1; nothing else couples into it.
    int c4u = dof(12, 1);
    EXPECT_EQ(Kp(c4u, dof(3, 1)), -1.0);
    EXPECT_EQ(Kp(c4u, dof(10, 1)), -1.0);
    EXPECT_EQ(Kp(c4u, dof(1, 1)), 1.0);
    for (int r = 1; r <= n; ++r) {
        if (r != c4u) {
            EXPECT_EQ(Kp(r, c4u), 0.0);
        }
    }
    // The solutions satisfy the periodicity: u of c4 follows the other corners.
    for (int loadCase = 1; loadCase <= 8; ++loadCase) {
        const CVector& U = solver.U(loadCase);
        EXPECT_NEAR(U(c4u), U(dof(3, 1)) + U(dof(10, 1)) - U(dof(1, 1)), 1e-15);
    }
}

TEST(FeSolver, CondensedLoadMovesSlaveLoadsToTheirMasters) {
    const CellShape shape{1, 1, 1e-3, 1e-3, kPi / 2};
    FeSizes sizes;
    CMeshSize size = CMeshSize::For(1, 1);
    CFeMesh mesh(sizes, PlateCell(1e-3, 1e-3), 0.0, shape.u, size, 3, 20);
    FePattern pattern = UniformPattern(1, 1, GeneralABD(), CVector(6), CVector(6));
    CFeSparseMatrix K(20);
    CVector F1(20), F2(20);
    AssembleUnitCell(mesh, pattern, sizes, K, F1, F2);
    CFeSolver solver(PlateCell(1e-3, 1e-3), 0.0, shape.u, size, sizes, K, F1, F2);
    CVector f(20);
    f(16) = 3.0;  // u at c4
    f(18) = 2.0;  // w at c4: not constrained by the corner pass
    CVector condensed = solver.CondenseLoad(f);
    EXPECT_EQ(condensed(16), 0.0);
    EXPECT_EQ(condensed(6), 3.0);   // c2
    EXPECT_EQ(condensed(11), 3.0);  // c3
    EXPECT_EQ(condensed(1), -3.0);  // c1
    EXPECT_EQ(condensed(18), 2.0);
}

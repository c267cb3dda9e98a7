#include <gtest/gtest.h>

#include <cmath>

#include "FeFixtures.h"
#include "Tolerance.h"
#include "fe/FeMesh.h"

namespace {

CFeMesh Mesh(int nx, int ny, double a1, double a2, double u) {
    FeSizes sizes;
    CMeshSize size = CMeshSize::For(nx, ny);
    return CFeMesh(sizes, PlateCell(a1, a2), 0.0, u, size, 3, 5 * size.nodeCount);
}

// Nodal DOFs of uniform mid-plane strains and curvatures: u, v linear, w quadratic with the
// Kirchhoff rotations theta5 = -dw/dx and theta4 = dw/dy.
CVector UniformField(const CFeMesh& mesh, const double (&e)[6]) {
    CVector U(mesh.DofCount());
    for (int node = 1; node <= mesh.Nodes().Rows(); ++node) {
        double x = mesh.Nodes()(node, 1);
        double y = mesh.Nodes()(node, 2);
        int base = 5 * (node - 1);
        U(base + 1) = e[0] * x + 0.5 * e[2] * y + 1e-3;
        U(base + 2) = e[1] * y + 0.5 * e[2] * x - 2e-3;
        U(base + 3) = -0.5 * (e[3] * x * x + e[4] * y * y + e[5] * x * y) + 5e-4 * x - 1e-4;
        U(base + 4) = -(e[4] * y + 0.5 * e[5] * x);
        U(base + 5) = e[3] * x + 0.5 * e[5] * y - 5e-4;
    }
    return U;
}

}  // namespace

TEST(FeMesh, SizesAndCornersOfTheGrid) {
    CMeshSize size = CMeshSize::For(4, 3);
    EXPECT_EQ(size.columns1, 5);
    EXPECT_EQ(size.rows1, 4);
    EXPECT_EQ(size.nodeCount, 20);
    EXPECT_EQ(size.elementCount, 12);
    EXPECT_EQ(size.c1, 1);
    EXPECT_EQ(size.c2, 5);
    EXPECT_EQ(size.c3, 16);
    EXPECT_EQ(size.c4, 20);
}

TEST(FeMesh, ParallelogramCellIsCentredWithEdgesAlongXAndAtAngleU) {
    const double u = 65.0 * kPi / 180.0;
    CFeMesh mesh = Mesh(3, 2, 1e-3, 1.5e-3, u);
    const CMatrix& nodes = mesh.Nodes();
    double sx = 0.0, sy = 0.0;
    for (int node = 1; node <= nodes.Rows(); ++node) {
        sx += nodes(node, 1);
        sy += nodes(node, 2);
    }
    EXPECT_NEAR(sx, 0.0, 1e-17);
    EXPECT_NEAR(sy, 0.0, 1e-17);
    EXPECT_TRUE(RelativelyNear(nodes(4, 1) - nodes(1, 1), 3e-3));  // c2 - c1 = (P1, 0)
    EXPECT_EQ(nodes(4, 2), nodes(1, 2));
    EXPECT_TRUE(RelativelyNear(nodes(9, 1) - nodes(1, 1), 3e-3 * std::cos(u), 1e-12));
    EXPECT_TRUE(RelativelyNear(nodes(9, 2) - nodes(1, 2), 3e-3 * std::sin(u), 1e-12));
    EXPECT_TRUE(RelativelyNear(mesh.P1(), 3e-3));
    EXPECT_TRUE(RelativelyNear(mesh.P2(), 3e-3));
}

TEST(FeMesh, ElementsAndTrianglesRunCounterClockwise) {
    CFeMesh mesh = Mesh(3, 2, 1e-3, 1.5e-3, 1.2);
    const CIntMatrix& conn = mesh.Connectivity();
    // Element 5 is row 1, column 1: nodes 6, 7, 11, 10.
    EXPECT_EQ(conn(5, 1), 6);
    EXPECT_EQ(conn(5, 2), 7);
    EXPECT_EQ(conn(5, 3), 11);
    EXPECT_EQ(conn(5, 4), 10);
    const int locals[4][3] = {{1, 2, 3}, {1, 3, 4}, {1, 2, 4}, {2, 3, 4}};
    for (int t = 1; t <= 4; ++t) {
        CIntMatrix triangle = mesh.ElementTriangle(5, t);
        CMatrix xy = mesh.TriangleCoordinates(triangle);
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(triangle(1, k), locals[t - 1][k - 1]);
            EXPECT_EQ(triangle(2, k), conn(5, locals[t - 1][k - 1]));
        }
        double twiceArea = (xy(2, 1) - xy(1, 1)) * (xy(3, 2) - xy(1, 2)) -
                           (xy(3, 1) - xy(1, 1)) * (xy(2, 2) - xy(1, 2));
        EXPECT_GT(twiceArea, 0.0) << "triangle " << t;
    }
}

TEST(FeMesh, CornerStrainsRecoverUniformFieldsOnAnyParallelogram) {
    const double e[6] = {1.5e-3, -7e-4, 4e-4, 2.0, -1.2, 0.8};
    for (double u : {kPi / 2.0, 50.0 * kPi / 180.0, 115.0 * kPi / 180.0}) {
        for (auto [nx, ny] : {std::pair{1, 1}, std::pair{3, 2}}) {
            CFeMesh mesh = Mesh(nx, ny, 1e-3, 1.7e-3, u);
            CVector strains = mesh.CornerStrains(UniformField(mesh, e));
            for (int i = 0; i < 6; ++i) {
                EXPECT_NEAR(strains(i + 1), e[i], 1e-9 * std::fabs(e[i]))
                    << "u = " << u << " #" << i;
            }
        }
    }
}

TEST(FeMesh, CornerResultantFillsOnlyItsOwnEntry) {
    CFeMesh mesh = Mesh(2, 2, 1e-3, 1e-3, 1.0);
    CVector R(mesh.DofCount());
    for (int i = 1; i <= R.Size(); ++i) {
        R(i) = std::sin(1.3 * i);
    }
    for (int j = 1; j <= 6; ++j) {
        CVector q = mesh.CornerResultant(R, j);
        for (int i = 1; i <= 6; ++i) {
            if (i == j) {
                EXPECT_NE(q(i), 0.0);
            } else {
                EXPECT_EQ(q(i), 0.0);
            }
        }
    }
    for (int j : {0, 7}) {
        CVector q = mesh.CornerResultant(R, j);
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(q(i), 0.0);
        }
    }
}

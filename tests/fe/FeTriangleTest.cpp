#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>

#include "Tolerance.h"
#include "fe/FeTriangle.h"

namespace {

CFeTriangle Triangle(const double (&xy)[3][2], const int (&nodes)[3]) {
    CIntVector numbers(3);
    CMatrix coords(3, 2);
    for (int k = 0; k < 3; ++k) {
        numbers(k + 1) = nodes[k];
        coords(k + 1, 1) = xy[k][0];
        coords(k + 1, 2) = xy[k][1];
    }
    return CFeTriangle(numbers, coords);
}

const double kScalene[3][2] = {{0.1, -0.2}, {1.3, 0.15}, {0.4, 0.9}};

// Element DOF vector (18) from a field giving (u, v, w, theta4, theta5) at a point.
using Field = std::function<void(double x, double y, double* dofs)>;

CVector Nodal(const double (&xy)[3][2], const Field& field) {
    CVector d(18);
    for (int k = 0; k < 3; ++k) {
        double dofs[5];
        field(xy[k][0], xy[k][1], dofs);
        for (int i = 0; i < 5; ++i) {
            d(6 * k + i + 1) = dofs[i];
        }
    }
    return d;
}

}  // namespace

TEST(FeTriangle, UnitRightTriangleGeometry) {
    CFeTriangle t = Triangle({{0, 0}, {1, 0}, {0, 1}}, {1, 2, 3});
    EXPECT_EQ(t.Area(), 0.5);
    const CMatrix& d = t.CoordinateInverse();
    EXPECT_EQ(d(1, 1), -1.0);
    EXPECT_EQ(d(1, 2), 1.0);
    EXPECT_EQ(d(1, 3), 0.0);
    EXPECT_EQ(d(2, 1), -1.0);
    EXPECT_EQ(d(2, 2), 0.0);
    EXPECT_EQ(d(2, 3), 1.0);
    EXPECT_EQ(d(3, 1), 0.0);
}

TEST(FeTriangle, ClockwiseOrderNegatesTheDerivatives) {
    CFeTriangle t = Triangle({{0, 0}, {0, 1}, {1, 0}}, {1, 2, 3});
    EXPECT_EQ(t.Area(), 0.5);
    const CMatrix& d = t.CoordinateInverse();
    EXPECT_EQ(d(1, 1), 1.0);
    EXPECT_EQ(d(1, 2), 0.0);
    EXPECT_EQ(d(1, 3), -1.0);
    EXPECT_EQ(d(2, 1), 1.0);
    EXPECT_EQ(d(2, 2), -1.0);
    EXPECT_EQ(d(2, 3), 0.0);
}

TEST(FeTriangle, EdgesPointFromTheSmallerGlobalNumber) {
    CFeTriangle forward = Triangle({{0, 0}, {3, 0}, {0, 4}}, {10, 20, 30});
    CFeTriangle backward = Triangle({{0, 0}, {3, 0}, {0, 4}}, {20, 10, 30});
    CFeTriangle::Edge a = forward.EdgeData(1);
    CFeTriangle::Edge b = backward.EdgeData(1);
    EXPECT_EQ(a.C, 1.0);
    EXPECT_EQ(a.S, 0.0);
    EXPECT_EQ(a.length, 3.0);
    EXPECT_EQ(a.omega, -0.5);
    EXPECT_EQ(b.C, -1.0);
    EXPECT_EQ(b.omega, 0.5);
    // Edge 2 runs from node 2 to node 3: (-3, 4) / 5 in both.
    EXPECT_EQ(forward.EdgeData(2).length, 5.0);
    EXPECT_DOUBLE_EQ(forward.EdgeData(2).C, -0.6);
    EXPECT_DOUBLE_EQ(forward.EdgeData(2).S, 0.8);
}

TEST(FeTriangle, ReproducesConstantMembraneStrains) {
    const double ex = 2e-3, ey = -1e-3, gxy = 5e-4;
    CFeTriangle t = Triangle(kScalene, {4, 9, 2});
    CVector d = Nodal(kScalene, [&](double x, double y, double* dofs) {
        dofs[0] = ex * x + 0.5 * gxy * y + 0.3;
        dofs[1] = ey * y + 0.5 * gxy * x - 0.1;
        dofs[2] = dofs[3] = dofs[4] = 0.0;
    });
    CVector strain = t.MembraneB() * d;
    // Exact up to the rounding of the rigid offsets.
    EXPECT_NEAR(strain(1), ex, 1e-15);
    EXPECT_NEAR(strain(2), ey, 1e-15);
    EXPECT_NEAR(strain(3), gxy, 1e-15);
    for (int g = 1; g <= 3; ++g) {
        CVector curvature = t.BendingB(g) * d;
        EXPECT_EQ(curvature(4), 0.0);
    }
}

// The DKT passes the patch test: w quadratic with its Kirchhoff rotations theta5 = -dw/dx,
// theta4 = dw/dy gives the exact constant curvatures at every point, and a rigid tilt none.
TEST(FeTriangle, BendingPassesThePatchTest) {
    const double kx = 0.7, ky = -0.4, kxy = 0.25;
    for (auto nodes : {std::array<int, 3>{1, 2, 3}, std::array<int, 3>{7, 3, 5}}) {
        CFeTriangle t = Triangle(kScalene, {nodes[0], nodes[1], nodes[2]});
        CVector curved = Nodal(kScalene, [&](double x, double y, double* dofs) {
            dofs[0] = dofs[1] = 0.0;
            dofs[2] = -0.5 * (kx * x * x + ky * y * y + kxy * x * y);
            dofs[3] = -(ky * y + 0.5 * kxy * x);
            dofs[4] = kx * x + 0.5 * kxy * y;
        });
        CVector tilted = Nodal(kScalene, [&](double x, double y, double* dofs) {
            dofs[0] = dofs[1] = 0.0;
            dofs[2] = 0.2 + 0.3 * x - 0.6 * y;
            dofs[3] = -0.6;
            dofs[4] = -0.3;
        });
        for (int g = 1; g <= 3; ++g) {
            CVector k = t.BendingB(g) * curved;
            EXPECT_NEAR(k(4), kx, 1e-14);
            EXPECT_NEAR(k(5), ky, 1e-14);
            EXPECT_NEAR(k(6), kxy, 1e-14);
            CVector rigid = t.BendingB(g) * tilted;
            for (int i = 1; i <= 6; ++i) {
                EXPECT_NEAR(rigid(i), 0.0, 1e-14);
            }
        }
    }
}

TEST(FeTriangle, DrillingRotationHasNoStrain) {
    CFeTriangle t = Triangle(kScalene, {3, 1, 2});
    CMatrix membrane = t.MembraneB();
    for (int g = 1; g <= 3; ++g) {
        CMatrix B = t.BendingB(g) + membrane;
        for (int i = 1; i <= 6; ++i) {
            for (int col : {6, 12, 18}) {
                EXPECT_EQ(B(i, col), 0.0);
            }
        }
    }
}

TEST(FeTriangle, MembraneOnlyLaminateGivesTheConstantStrainStiffness) {
    CFeTriangle t = Triangle(kScalene, {1, 2, 3});
    CMatrix C(6, 6);
    const double A[3][3] = {{2e7, 5e6, 1e5}, {5e6, 1.5e7, -2e5}, {1e5, -2e5, 3e6}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            C(i + 1, j + 1) = A[i][j];
        }
    }
    CVector q(6);
    q(1) = 100.0;
    CMatrix Kt(18, 18);
    CVector f1(18), f2(18);
    t.Integrate(C, q, CVector(6), Kt, f1, f2);
    CMatrix Bm = t.MembraneB();
    CMatrix expected = Bm.Transpose() * C * Bm * t.Area();
    for (int i = 1; i <= 18; ++i) {
        for (int j = 1; j <= 18; ++j) {
            EXPECT_NEAR(Kt(i, j), expected(i, j), 1e-14 * 2e7);
            int dof = (j - 1) % 6 + 1;
            if (dof >= 3) {
                EXPECT_EQ(Kt(i, j), 0.0);
            }
        }
        EXPECT_NEAR(f1(i), (Bm.Transpose() * q)(i)*t.Area(), 1e-14 * 100.0);
        EXPECT_EQ(f2(i), 0.0);
    }
}

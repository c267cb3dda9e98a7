#pragma once

#include "numerics/IntMatrix.h"
#include "numerics/IntVector.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// Flat three-node plate triangle: a constant-strain membrane and a discrete Kirchhoff triangle
// (DKT) for bending, for one laminate ABD matrix constant over the element.
//
// 6 DOFs per node, node-major (18 in all): u, v, w, the rotations theta4 and theta5, and a
// drilling rotation without stiffness (its strain columns are zero). Generalised strains, rows
// of the strain matrices: ex, ey, gxy, kx, ky, kxy with kx = d theta5/dx, ky = -d theta4/dy,
// kxy = d theta5/dy - d theta4/dx. Node numbers are the mesh's global numbers: they orient the
// edges of the DKT constraints, so a shared edge is seen alike from both sides. Derivatives are
// those of a counter-clockwise triangle (negated for clockwise order). Three-point rule in area
// coordinates, weight A/3 each.
class CFeTriangle {
public:
    CFeTriangle(const CIntVector& nodes, const CMatrix& coords);

    // Row 1: d lambda_i / dx, row 2: d lambda_i / dy of the area coordinates; row 3 zero.
    const CMatrix& CoordinateInverse() const { return dLambda_; }
    double Area() const { return area_; }

    // 6 x 18, rows 1..3: the constant membrane strains.
    CMatrix MembraneB() const;
    // 6 x 18, rows 4..6: the curvatures at integration point g (1..3).
    CMatrix BendingB(int g) const;

    // (lambda1, lambda2) of integration point g; with lambda3 = 1 - lambda1 - lambda2.
    CVector GaussPoint(int g) const;
    CVector AreaCoordinates(int g) const;
    // 3 x 12: curvatures from the quadratic rotation field, parameters theta4 at corners 1..3,
    // theta5 at corners 1..3, theta4 at midpoints of edges 1..3, theta5 at those midpoints.
    CMatrix RotationDerivatives(const CVector& lambda) const;
    // 12 x 9: those rotation parameters from the bending DOFs w, theta4, theta5 of nodes 1..3
    // (node-major), by the Kirchhoff constraints along each edge.
    CMatrix DktTransform() const;

    // Edge m (1 = nodes 1-2, 2 = nodes 2-3, 3 = nodes 3-1): unit vector from the end with the
    // smaller global number to the other, length, and the w coefficient of the constraint.
    struct Edge {
        double C;
        double S;
        double length;
        double omega;
    };
    Edge EdgeData(int m) const;

    // Stiffness (18 x 18) and load vectors (18) for ABD matrix C and resultant vectors q1, q2.
    void Integrate(const CMatrix& C, const CVector& q1, const CVector& q2, CMatrix& Kt, CVector& f1,
                   CVector& f2) const;

private:
    CIntVector nodes_;
    CMatrix coords_;
    CMatrix dLambda_;
    double area_;
};

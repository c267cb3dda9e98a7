#pragma once

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// The through-thickness stack at one point of a cell: resin, yarn U and yarn L as three layers of
// fractions fm, fU, fL (summing to 1) that share the in-plane and transverse-shear strains
// (components 1, 2, 4, 5, 6) and the through-thickness stress (component 3). Stiffnesses and
// expansion vectors in Voigt order x, y, z, yz, xz, xy.
struct StackedPoint {
    CMatrix Sp;    // orthotropic compliance of the stack, couplings dropped
    CMatrix Cp;    // its inverse, the stack's stiffness
    CVector beta;  // thermal stress per kelvin, Cp times the stack's expansion vector
};

StackedPoint StackProperties3D(const CMatrix& Cm, const CMatrix& CU, const CMatrix& CL,
                               const CVector& alpham, const CVector& alphaU, const CVector& alphaL,
                               double fm, double fU, double fL);

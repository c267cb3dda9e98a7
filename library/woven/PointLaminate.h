#pragma once

#include "numerics/Matrix.h"
#include "numerics/Vector.h"
#include "weave/CellPoint.h"

// Classical lamination theory at one point of a quarter cell, read as five layers: resin above
// U, yarn U, resin between the yarns, yarn L, resin below L. Plane-stress stiffnesses are 3x3 in
// fabric axes (x, y, xy); z from the mid-plane, positive upward. B is minus the thickness
// integral of Q z (per layer -1/2 Q (top^2 - bot^2)), the moment resultants likewise: curvatures
// count positive when the upper face shortens, so a stiff layer above the mid-plane gives a
// negative B11. D is the integral of Q z^2.

// The 6x6 laminate matrix (Nx, Ny, Nxy, Mx, My, Mxy) against (ex, ey, gxy, kx, ky, kxy), with B
// in both off-diagonal blocks.
CMatrix PointABD(const CellPoint& point, const CMatrix& Qm, const CMatrix& QU, const CMatrix& QL);

// Thermal force and moment resultants per kelvin (NTx, NTy, NTxy, MTx, MTy, MTxy).
CVector PointThermalResultants(const CellPoint& point, const CMatrix& Qm, const CVector& alpham,
                               const CMatrix& QU, const CMatrix& QL, const CVector& alphaU,
                               const CVector& alphaL);

// Force and moment resultants of the two yarns' axis loads yU, yL (per unit yarn thickness, in
// fabric axes); the resin carries none.
CVector PointYarnResultants(const CellPoint& point, const CVector& yU, const CVector& yL);

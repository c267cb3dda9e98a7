#pragma once

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// The 6x6 laminate matrix and the 41 values of the laminate models, shared by the averaging and
// finite-element models so that both hand back exactly the same layout.

// The laminate matrix (Nx, Ny, Nxy, Mx, My, Mxy) against (ex, ey, gxy, kx, ky, kxy) from its 3x3
// blocks A, B and D, with B in both off-diagonal blocks.
CMatrix AssembleABD(const CMatrix& A, const CMatrix& B, const CMatrix& D);

// What a laminate model has computed, in the units of the output (N/m, N, N m, per kelvin, m).
struct LaminateResults {
    const CMatrix& abd;                 // 6x6, from AssembleABD
    const CVector& thermalResultants;   // NTx NTy NTxy MTx MTy MTxy
    const CVector& thermalStrains;      // ex ey gxy kx ky kxy of the free thermal expansion
    const CVector& yarnLoadResultants;  // Nx Ny Nxy Mx My Mxy of the yarn-axis loads
    double thickness;
};

// Writes out[0..40] in the order weftcore.h documents: the upper triangles of A, B and D, the
// four coupling ratios, the thermal resultants, the free thermal strains and curvatures, the
// thickness and the yarn-load resultants.
void WriteLaminateOutput(const LaminateResults& results, double* out);

#pragma once

#include "Cell3D.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"
#include "weave/CellModel.h"

// The laminate model of one crossing kind: every point of the quarter cell is a five-layer
// laminate (resin, yarn U, resin, yarn L, resin) whose yarns are impregnated UD plies (CCA
// elastic, Shapery thermal model) at their own fibre fractions, tilted by their undulation and
// turned to their in-plane angles. The points' ABD matrices are averaged by stiffness
// (iso-strain) or by compliance (iso-stress); ABDcell is a stiffness in both modes.
//
// The yarn-axis load values are the caller's two load factors times each yarn's fibre fraction,
// taken as loads along the yarn axes; their resultants are Ycell. Layouts: ABDcell (Nx, Ny, Nxy,
// Mx, My, Mxy) against (ex, ey, gxy, kx, ky, kxy); NMcell and Ycell (Nx, Ny, Nxy, Mx, My, Mxy).
// Units: A in N/m, B in N, D in N m, thermal resultants per kelvin, with moduli in Pa and
// lengths in m.
class CCellABD : public CCellModel {
public:
    CCellABD(bool isoStrain, int n, const double* resin, const double* fibre,
             const CellParams& params, YarnAngles angles, double vf, const double* loadFactors,
             CrossingKind kind);
    ~CCellABD() override;

    const CMatrix& ABDcell() const { return ABDcell_; }
    const CVector& NMcell() const { return NMcell_; }
    const CVector& Ycell() const { return Ycell_; }

private:
    CMatrix Qm_;
    CVector alpham_;
    double phiU_;
    double phiL_;
    double sU_;
    double sL_;
    CMatrix ABDcell_;
    CVector NMcell_;
    CVector Ycell_;
};

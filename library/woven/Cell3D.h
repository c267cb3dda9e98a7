#pragma once

#include "numerics/Matrix.h"
#include "numerics/Vector.h"
#include "weave/CellModel.h"

// Angles of the two yarns in the fabric plane, radians from x.
struct YarnAngles {
    double phiU;  // upper yarn U (warp)
    double phiL;  // lower yarn L (fill)
};

// The 3D model of one crossing kind: at every point of the quarter cell the resin and the two
// yarns, each an impregnated UD ply (CCA elastic, Shapery thermal model) at its own fibre
// fraction, tilted by its undulation and turned to its in-plane angle, are stacked through the
// thickness; the points are averaged by stiffness (iso-strain) or by compliance (iso-stress).
// Built and integrated at once; Ccell is a stiffness in both modes. Voigt order x, y, z, yz, xz,
// xy; moduli in the unit of the inputs.
class CCell3D : public CCellModel {
public:
    CCell3D(bool isoStrain, int n, const double* resin, const double* fibre,
            const CellParams& params, YarnAngles angles, double vf, CrossingKind kind);
    ~CCell3D() override;

    const CMatrix& Ccell() const { return Ccell_; }
    // Thermal stress per kelvin, the stiffness-weighted expansion of the cell.
    const CVector& BetaCell() const { return betaCell_; }

private:
    void Integrate();

    double phiU_;
    double phiL_;
    CMatrix Sm_;
    CVector alpham_;
    CMatrix SU_;
    CVector alphaU_;
    CMatrix SL_;
    CVector alphaL_;
    CMatrix Ccell_;
    CVector betaCell_;
};

#pragma once

#include "weftcore.h"

// Model 0 of WFProperties: the 3D engineering constants, expansion coefficients, in-plane coupling
// terms and thickness of a woven layer (out[19], layout in weftcore.h). One CCell3D per crossing
// kind present in the pattern; the cells are averaged by stiffness, weighted by how often their
// kind occurs, over every cell of the pattern (codes outside +-1..4 dilute the average). The sign
// of a code does not matter here. isoStrain acts only inside each cell.
void Average3D(const CWeave& weave, bool isoStrain, int n, double vf, const double* resin,
               const double* fibre, const double* fabric, double fillAngle, double warpAngle,
               double* out);

#pragma once

#include "weftcore.h"

// Model 1 of WFProperties: the laminate A, B, D matrices, thermal and yarn-axis resultants, free
// thermal strains and curvatures, coupling ratios and thickness of a woven layer (out[41], layout
// in weftcore.h). One CCellABD per crossing kind present; a code -k is the cell of kind k turned
// upside down, with B, the thermal moments and the yarn-axis moments negated. Cells are averaged
// by stiffness (iso-strain) or compliance (iso-stress) over every cell of the pattern; codes
// outside +-1..4 dilute the average. loadFactors holds the two yarn-axis load values.
void AverageABD(const CWeave& weave, bool isoStrain, int n, double vf, const double* resin,
                const double* fibre, const double* fabric, double fillAngle, double warpAngle,
                const double* loadFactors, double* out);

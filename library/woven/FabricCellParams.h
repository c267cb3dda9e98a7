#pragma once

#include "weave/CellParams.h"

// The quarter-cell parameters of a woven layer from the fabric array {warp undulation ratio,
// fill undulation ratio, fibre height ratio, fibre width ratio, warp count [1/m], fill count [1/m],
// areal density [kg/m^2]}, the fabric's fibre volume fraction, the fibre density (fibre[7]) and
// the two yarn angles.
//
// The thickness is the areal density over the fibre mass per volume, divided by the sine of the
// angle between the yarns because the yarn spacings are measured across the yarns. The sine is
// taken by magnitude: an angle between the yarns beyond 180 degrees describes the same fabric, not
// one of negative thickness. Equal angles give h = 0.
CellParams FabricCellParams(double vf, const double* fibre, const double* fabric, double fillAngle,
                            double warpAngle);

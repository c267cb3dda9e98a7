#pragma once

#include "micromechanics/UDPly.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// A yarn seen as a UD ply (its E1..G23, nu12..nu23, alpha1..alpha3 results) whose fibre axis is
// tilted out of the plane by theta, in the yarn's in-plane axes: 1 along the yarn, 2 across it,
// 3 in-plane shear (engineering).

// Plane-stress stiffness: the axial modulus of the tilted ply, an effective Poisson's ratio
// between nu12 and nu23, and the shear modulus from the tilted axial and transverse shears.
CMatrix UndulatedYarnQ(const CUDPly& ply, double theta);

// Expansion per kelvin: (cos^2 alpha1 + sin^2 alpha2, alpha2, 0).
CVector UndulatedYarnAlpha(const CUDPly& ply, double theta);

// A load v along the yarn's axis, projected on the plane: (cos^2 theta v, 0, 0).
CVector YarnAxisLoad(double v, double theta);

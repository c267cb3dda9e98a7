#pragma once

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// In-plane rotations, index order x, y, xy with engineering shear.
//
// RotateStiffness3 carries a plane-stress stiffness Q from a yarn's axes to axes turned by -phi,
// i.e. to the fabric's axes when the yarn runs at angle phi from x: Ti Q Ti^T with Ti the inverse
// of the stress transformation.
CMatrix RotateStiffness3(const CMatrix& Q, double phi);

// RotateVector3 carries a strain-like vector (engineering shear third) the same way: T v.
// Applied also to the expansion and the yarn-axis load vectors of a yarn.
CVector RotateVector3(const CVector& v, double phi);

#pragma once

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// A crossing cell turned upside down: z changes sign, so the bending-extension coupling blocks
// of its 6x6 ABD matrix (rows 1..3 x columns 4..6 and rows 4..6 x columns 1..3) and the moment
// half (elements 4..6) of its resultant vectors change sign; the rest is unchanged.
CMatrix FlippedABD(const CMatrix& abd);
CVector FlippedResultants(const CVector& resultants);

#pragma once

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// A x = b through the sparse LU package, handing it only the non-zero entries of the dense
// matrix a: the alternative to CMatrix::Solve for large sparse systems, with its contract. An
// all-zero b returns the zero vector without touching the package. A singular matrix (no usable
// pivot) or exhausted memory gives an all-NaN x.
CVector SolveSparse(const CMatrix& a, CVector b);

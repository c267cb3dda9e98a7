#pragma once

#include "IntVector.h"
#include "Matrix.h"

// Crout LU factorisation with implicit (row-scaled) partial pivoting, in place. On return the
// strict lower triangle of a holds L (unit diagonal implied) and the upper triangle with the
// diagonal holds U of the row-permuted matrix; index(j) is the row exchanged with row j at step j.
// A pivot that comes out exactly zero is replaced by 1e-15, so nearly singular systems give huge
// but finite answers. Returns false, before touching a or index, when a row has no non-zero
// entry (all zeros, or zeros and a leading NaN): no factors exist then.
bool LUDecompose(CMatrix& a, CIntVector& index);

// Forward and back substitution with the factors of LUDecompose; b is overwritten by x.
void LUSubstitute(const CMatrix& a, const CIntVector& index, CVector& b);

#pragma once

// Dense kernels of the supernodal factorisation, on column-major blocks: element (i, j) of a
// block with leading dimension ld sits at i + j * ld. Only lower triangles are meaningful; the
// kernels may write rounding-level values above a diagonal, which nothing reads.

// C -= A B^T for C of rows x columns, A of rows x depth, B of columns x depth. With `lower`, only
// the part of C on and below its diagonal (row >= column) is needed.
void CholeskySubtractProduct(double* c, int ldc, int rows, int columns, const double* a, int lda,
                             const double* b, int ldb, int depth, bool lower);

// The partial factorisation of a front: `columns` holds the front's first w columns (all m rows,
// leading dimension m), `update` the lower triangle of the rest (m - w square, leading dimension
// m - w). On return `columns` holds the w columns of the Cholesky factor L (the diagonal block
// lower triangular) and `update` the Schur complement of the diagonal block. A pivot must exceed
// the column's `pivotFloor` (and be finite); returns the position (0..w-1) of the first that does
// not, -1 when all do.
int CholeskyFactorFront(double* columns, int m, int w, double* update, const double* pivotFloor);

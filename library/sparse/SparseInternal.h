#pragma once

#include <cstddef>

#include "sparse/SparseMatrix.h"

// Helpers shared by the modules of the sparse package; not for callers of the package.

// A block of at least `bytes` bytes, recorded in the matrix's allocation list so that
// SparseDestroy frees it; null when memory runs out (nothing is then leaked).
void* SparseObtainBlock(SparseMatrix* m, std::size_t bytes);

// A temporary block of at least `bytes` bytes, not recorded in the allocation list: the caller
// releases it with SparseReleaseScratch. Null when memory runs out.
void* SparseObtainScratch(std::size_t bytes);
void SparseReleaseScratch(void* block);

// Frees the solve arrays of the last factorisation (see SparseMatrix::solveLowerStart).
void SparseReleaseSolveArrays(SparseMatrix* m);

// A fresh element from the element pool, which grows by blocks of 31; null when memory runs out.
SparseElement* SparseGetElement(SparseMatrix* m);

// A fresh element for a fill-in: from the fill-in pool, then from the element pool.
SparseElement* SparseGetFillIn(SparseMatrix* m);

// The Markowitz arrays, the direct flags and the work vectors; false when memory runs out.
bool SparseAllocateInternalVectors(SparseMatrix* m);

// Threads every element into the list of its row, columns ascending.
void SparseLinkRows(SparseMatrix* m);

// Markowitz product of a diagonal position from its row and column counts; counts above 32766 are
// multiplied in floating point and the product is clamped to 2147483646.
int SparseMarkowitzProduct(int rowCount, int columnCount);

// While the order is chosen at step k: the link where the active part (rows >= k, unordered) of
// column c >= k begins, after its finished part.
inline SparseElement** SparseActiveColumnLink(SparseMatrix* m, int c) {
    SparseElement* above = m->lastAbove[c];
    return above != nullptr ? &above->nextInColumn : &m->firstInColumn[c];
}

// The active elements of column c in row order, listed in m->elementList; returns their count.
int SparseSortActiveColumn(SparseMatrix* m, int c);

// The pivot for step k, or null when no usable pivot remains (the matrix is singular). Sets the
// error to kSparseSmallPivot when it has to take an element below the thresholds.
SparseElement* SparseSearchForPivot(SparseMatrix* m, int k);

// LU factorisation with partial pivoting of the dense n x n row-major block a, in place: L with a
// unit diagonal implied below the diagonal, U on and above it; swaps[j] is the row exchanged with
// row j at step j (0-based). False when a column has no non-zero pivot left: the block is
// singular and a holds no usable factors.
bool SparseDenseLU(double* a, int n, int* swaps);

// Whether the active submatrix from step k on, holding activeCount elements, is large and full
// enough to be finished as a dense block.
bool SparseIsDenseEnough(const SparseMatrix* m, int k, long long activeCount);

// Finishes the factorisation from step k on as a dense block with partial pivoting by rows and
// links the block's rows and columns in order. Returns the error code: kSparseSingular for a
// singular block, kSparseNoMemory when memory runs out (the lists then still hold every element
// but need rebuilding).
int SparseFactorDenseBlock(SparseMatrix* m, int k);

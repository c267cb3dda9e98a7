#pragma once

#include <cstddef>

#include "sparse/SparseMatrix.h"

// Helpers shared by the modules of the sparse package; not for callers of the package.

// A block of at least `bytes` bytes, recorded in the matrix's allocation list so that
// SparseDestroy frees it; null when memory runs out (nothing is then leaked).
void* SparseObtainBlock(SparseMatrix* m, std::size_t bytes);

// A fresh element from the element pool, which grows by blocks of 31; null when memory runs out.
SparseElement* SparseGetElement(SparseMatrix* m);

// A fresh element for a fill-in: from the fill-in pool, then from the element pool.
SparseElement* SparseGetFillIn(SparseMatrix* m);

// The Markowitz arrays, the direct flags and the work vectors; false when memory runs out.
bool SparseAllocateInternalVectors(SparseMatrix* m);

// Threads every element into the list of its row, columns ascending.
void SparseLinkRows(SparseMatrix* m);

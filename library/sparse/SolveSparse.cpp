// The sparse path of CMatrix's linear solve: the non-zero entries go into a sparse matrix of the
// LU package, which orders, factors and solves.

#include <algorithm>
#include <limits>

#include "numerics/Matrix.h"
#include "sparse/SparseMatrix.h"

namespace {

CVector NotANumber(int n) {
    CVector x(n, false);
    x.Fill(std::numeric_limits<double>::quiet_NaN());
    return x;
}

}  // namespace

CVector CMatrix::SolveSparse(CVector b) const {
    bool allZero = std::all_of(b.Data(), b.Data() + b.Size(), [](double v) { return v == 0.0; });
    if (allZero) {
        return b;
    }
    int error = kSparseOk;
    SparseMatrix* matrix = SparseCreate(rows_, 0, &error);
    if (matrix == nullptr) {
        return NotANumber(cols_);
    }
    // Row by row, only the entries that are not zero.
    for (int r = 1; r <= rows_; ++r) {
        for (int k = 1; k <= cols_; ++k) {
            double value = (*this)(r, k);
            if (value == 0.0) {
                continue;
            }
            double* element = SparseElementAt(matrix, r, k);
            if (element == nullptr) {
                SparseDestroy(matrix);
                return NotANumber(cols_);
            }
            *element = value;
        }
    }
    // A fatal code leaves no usable factors; a small-pivot warning still gives a solution.
    if (SparseFactor(matrix) >= kSparseZeroPivot) {
        SparseDestroy(matrix);
        return NotANumber(cols_);
    }
    CVector x(cols_);
    SparseSolve(matrix, b.Data(), x.Data());
    SparseDestroy(matrix);
    return x;
}

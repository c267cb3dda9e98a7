// The bridge from a dense CMatrix to the sparse LU package: the non-zero entries go into a sparse
// matrix of the package, which orders, factors and solves.
#include "SolveSparse.h"

#include <algorithm>
#include <limits>

#include "sparse/SparseMatrix.h"

namespace {

CVector NotANumber(int n) {
    CVector x(n, false);
    x.Fill(std::numeric_limits<double>::quiet_NaN());
    return x;
}

}  // namespace

CVector SolveSparse(const CMatrix& a, CVector b) {
    const int rows = a.Rows();
    const int cols = a.Cols();
    bool allZero = std::all_of(b.Data(), b.Data() + b.Size(), [](double v) { return v == 0.0; });
    if (allZero) {
        return b;
    }
    int error = kSparseOk;
    SparseMatrix* matrix = SparseCreate(rows, 0, &error);
    if (matrix == nullptr) {
        return NotANumber(cols);
    }
    // Row by row, only the entries that are not zero.
    for (int r = 1; r <= rows; ++r) {
        for (int k = 1; k <= cols; ++k) {
            double value = a(r, k);
            if (value == 0.0) {
                continue;
            }
            double* element = SparseElementAt(matrix, r, k);
            if (element == nullptr) {
                SparseDestroy(matrix);
                return NotANumber(cols);
            }
            *element = value;
        }
    }
    // A fatal code leaves no usable factors; a small-pivot warning still gives a solution.
    if (SparseFactor(matrix) >= kSparseZeroPivot) {
        SparseDestroy(matrix);
        return NotANumber(cols);
    }
    CVector x(cols);
    SparseSolve(matrix, b.Data(), x.Data());
    SparseDestroy(matrix);
    return x;
}

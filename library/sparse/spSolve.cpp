// Forward and back substitution with the factors left by SparseFactor.

#include <limits>

#include "sparse/SparseMatrix.h"

void SparseSolve(SparseMatrix* m, const double* rhs, double* solution) {
    int n = m->size;
    if (!m->factorsValid) {
        for (int i = 0; i < n; ++i) {
            solution[i] = std::numeric_limits<double>::quiet_NaN();
        }
        return;
    }
    // Everything goes through the work vector, so rhs and solution may share storage.
    double* x = m->intermediate;
    for (int i = 1; i <= n; ++i) {
        x[i] = rhs[m->internalToExternalRow[i] - 1];
    }
    // L y = b, L holding the pivots on its diagonal (stored as reciprocals).
    for (int i = 1; i <= n; ++i) {
        if (x[i] != 0.0) {
            SparseElement* pivot = m->diagonal[i];
            double t = x[i] * pivot->value;
            x[i] = t;
            for (SparseElement* l = pivot->nextInColumn; l != nullptr; l = l->nextInColumn) {
                x[l->row] -= t * l->value;
            }
        }
    }
    // U x = y, U with a unit diagonal.
    for (int i = n; i >= 1; --i) {
        double t = x[i];
        for (SparseElement* u = m->diagonal[i]->nextInRow; u != nullptr; u = u->nextInRow) {
            t -= u->value * x[u->column];
        }
        x[i] = t;
    }
    for (int i = 1; i <= n; ++i) {
        solution[m->internalToExternalColumn[i] - 1] = x[i];
    }
}

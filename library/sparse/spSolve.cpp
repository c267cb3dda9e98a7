// Forward and back substitution with the factors left by SparseFactor.

#include <limits>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

// Copies the entries of L and U off the lists, in the order the substitutions use them.
bool MakeSolveArrays(SparseMatrix* m) {
    SparseReleaseSolveArrays(m);
    const int n = m->size;
    long long count = 0;
    for (int i = 1; i <= n; ++i) {
        for (SparseElement* l = m->diagonal[i]->nextInColumn; l != nullptr; l = l->nextInColumn) {
            ++count;
        }
        for (SparseElement* u = m->diagonal[i]->nextInRow; u != nullptr; u = u->nextInRow) {
            ++count;
        }
    }
    if (count > std::numeric_limits<int>::max()) {
        return false;
    }
    m->solveStart = static_cast<int*>(SparseObtainScratch((n + 2) * sizeof(int)));
    m->solveUpperStart = static_cast<int*>(SparseObtainScratch((n + 1) * sizeof(int)));
    m->solveIndex = static_cast<int*>(SparseObtainScratch((count + 1) * sizeof(int)));
    m->solveValue = static_cast<double*>(SparseObtainScratch((count + 1) * sizeof(double)));
    if (!m->solveStart || !m->solveUpperStart || !m->solveIndex || !m->solveValue) {
        SparseReleaseSolveArrays(m);
        return false;
    }
    int at = 0;
    for (int i = 1; i <= n; ++i) {
        m->solveStart[i] = at;
        for (SparseElement* l = m->diagonal[i]->nextInColumn; l != nullptr; l = l->nextInColumn) {
            m->solveIndex[at] = l->row;
            m->solveValue[at++] = l->value;
        }
        m->solveUpperStart[i] = at;
        for (SparseElement* u = m->diagonal[i]->nextInRow; u != nullptr; u = u->nextInRow) {
            m->solveIndex[at] = u->column;
            m->solveValue[at++] = u->value;
        }
    }
    m->solveStart[n + 1] = at;
    m->solveArraysValid = true;
    return true;
}

// The substitutions of SparseSolve on the arrays: the same operations in the same order.
void SubstituteFromArrays(const SparseMatrix* m, double* x) {
    const int n = m->size;
    const int* index = m->solveIndex;
    const double* value = m->solveValue;
    for (int i = 1; i <= n; ++i) {
        if (x[i] != 0.0) {
            double t = x[i] * m->diagonal[i]->value;
            x[i] = t;
            for (int at = m->solveStart[i]; at < m->solveUpperStart[i]; ++at) {
                x[index[at]] -= t * value[at];
            }
        }
    }
    for (int i = n; i >= 1; --i) {
        double t = x[i];
        for (int at = m->solveUpperStart[i]; at < m->solveStart[i + 1]; ++at) {
            t -= value[at] * x[index[at]];
        }
        x[i] = t;
    }
}

void SubstituteFromLists(const SparseMatrix* m, double* x) {
    const int n = m->size;
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
}

}  // namespace

void SparseReleaseSolveArrays(SparseMatrix* m) {
    SparseReleaseScratch(m->solveStart);
    SparseReleaseScratch(m->solveUpperStart);
    SparseReleaseScratch(m->solveIndex);
    SparseReleaseScratch(m->solveValue);
    m->solveStart = nullptr;
    m->solveUpperStart = nullptr;
    m->solveIndex = nullptr;
    m->solveValue = nullptr;
    m->solveArraysValid = false;
}

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
    if (m->solveArraysValid || MakeSolveArrays(m)) {
        SubstituteFromArrays(m, x);
    } else {
        SubstituteFromLists(m, x);
    }
    for (int i = 1; i <= n; ++i) {
        solution[m->internalToExternalColumn[i] - 1] = x[i];
    }
}

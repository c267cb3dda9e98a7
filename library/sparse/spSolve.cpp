// Forward and back substitution with the factors left by SparseFactor.

#include <algorithm>
#include <limits>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

// Copies the entries of L and U off the lists, in the order the substitutions use them. Both
// passes walk the rows, which lie closer together in memory than the columns: a row's entries
// left of the diagonal go to their columns' segments, which thus fill rows ascending.
bool MakeSolveArrays(SparseMatrix* m) {
    SparseReleaseSolveArrays(m);
    const int n = m->size;
    const std::size_t offDiagonal = static_cast<std::size_t>(m->elementCount - n);
    m->solveLowerStart = static_cast<int*>(SparseObtainScratch((n + 2) * sizeof(int)));
    m->solveUpperStart = static_cast<int*>(SparseObtainScratch((n + 2) * sizeof(int)));
    m->solveLowerRow = static_cast<int*>(SparseObtainScratch((offDiagonal + 1) * sizeof(int)));
    m->solveUpperColumn = static_cast<int*>(SparseObtainScratch((offDiagonal + 1) * sizeof(int)));
    m->solveLowerValue =
        static_cast<double*>(SparseObtainScratch((offDiagonal + 1) * sizeof(double)));
    m->solveUpperValue =
        static_cast<double*>(SparseObtainScratch((offDiagonal + 1) * sizeof(double)));
    if (!m->solveLowerStart || !m->solveUpperStart || !m->solveLowerRow || !m->solveUpperColumn ||
        !m->solveLowerValue || !m->solveUpperValue) {
        SparseReleaseSolveArrays(m);
        return false;
    }
    int* lowerStart = m->solveLowerStart;
    int* upperStart = m->solveUpperStart;
    std::fill_n(lowerStart, n + 2, 0);
    for (int r = 1; r <= n; ++r) {
        upperStart[r] = 0;
        for (SparseElement* e = m->firstInRow[r]; e != nullptr; e = e->nextInRow) {
            if (e->column < r) {
                ++lowerStart[e->column + 1];
            } else if (e->column > r) {
                ++upperStart[r];
            }
        }
    }
    int upperAt = 0;
    lowerStart[1] = 0;
    for (int i = 1; i <= n; ++i) {
        lowerStart[i + 1] += lowerStart[i];
        int upperCount = upperStart[i];
        upperStart[i] = upperAt;
        upperAt += upperCount;
    }
    upperStart[n + 1] = upperAt;
    // lowerStart[i] now runs ahead as each column's next free place; it is moved back after.
    for (int r = 1; r <= n; ++r) {
        int upper = upperStart[r];
        for (SparseElement* e = m->firstInRow[r]; e != nullptr; e = e->nextInRow) {
            if (e->column < r) {
                int at = lowerStart[e->column]++;
                m->solveLowerRow[at] = r;
                m->solveLowerValue[at] = e->value;
            } else if (e->column > r) {
                m->solveUpperColumn[upper] = e->column;
                m->solveUpperValue[upper++] = e->value;
            }
        }
    }
    for (int i = n; i >= 1; --i) {
        lowerStart[i + 1] = lowerStart[i];
    }
    lowerStart[1] = 0;
    m->solveArraysValid = true;
    return true;
}

// The substitutions of SparseSolve on the arrays: the same operations in the same order.
void SubstituteFromArrays(const SparseMatrix* m, double* x) {
    const int n = m->size;
    for (int i = 1; i <= n; ++i) {
        if (x[i] != 0.0) {
            double t = x[i] * m->diagonal[i]->value;
            x[i] = t;
            for (int at = m->solveLowerStart[i]; at < m->solveLowerStart[i + 1]; ++at) {
                x[m->solveLowerRow[at]] -= t * m->solveLowerValue[at];
            }
        }
    }
    for (int i = n; i >= 1; --i) {
        double t = x[i];
        for (int at = m->solveUpperStart[i]; at < m->solveUpperStart[i + 1]; ++at) {
            t -= m->solveUpperValue[at] * x[m->solveUpperColumn[at]];
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
    SparseReleaseScratch(m->solveLowerStart);
    SparseReleaseScratch(m->solveLowerRow);
    SparseReleaseScratch(m->solveLowerValue);
    SparseReleaseScratch(m->solveUpperStart);
    SparseReleaseScratch(m->solveUpperColumn);
    SparseReleaseScratch(m->solveUpperValue);
    m->solveLowerStart = nullptr;
    m->solveLowerRow = nullptr;
    m->solveLowerValue = nullptr;
    m->solveUpperStart = nullptr;
    m->solveUpperColumn = nullptr;
    m->solveUpperValue = nullptr;
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

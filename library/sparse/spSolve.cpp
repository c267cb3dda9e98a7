// Forward and back substitution with the factors left by SparseFactor.

#include <algorithm>
#include <cstddef>
#include <limits>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

// Copies the entries of L and U off the lists, in the order the substitutions use them: each
// column of L below its pivot, each row of U right of its pivot, as the lists hold them. One walk
// from each pivot visits every factor entry once.
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
    int lower = 0;
    int upper = 0;
    for (int i = 1; i <= n; ++i) {
        m->solveLowerStart[i] = lower;
        for (SparseElement* e = m->diagonal[i]->nextInColumn; e != nullptr; e = e->nextInColumn) {
            m->solveLowerRow[lower] = e->row;
            m->solveLowerValue[lower++] = e->value;
        }
        m->solveUpperStart[i] = upper;
        for (SparseElement* e = m->diagonal[i]->nextInRow; e != nullptr; e = e->nextInRow) {
            m->solveUpperColumn[upper] = e->column;
            m->solveUpperValue[upper++] = e->value;
        }
    }
    m->solveLowerStart[n + 1] = lower;
    m->solveUpperStart[n + 1] = upper;
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

// SubstituteFromArrays on `count` vectors stored interleaved: entry i of vector j at
// w[i * count + j], so that each factor entry is loaded once for all of them.
void SubstituteSeveralFromArrays(const SparseMatrix* m, int count, double* w) {
    const int n = m->size;
    for (int i = 1; i <= n; ++i) {
        double* xi = w + static_cast<std::ptrdiff_t>(i) * count;
        const double pivot = m->diagonal[i]->value;
        bool anyNonZero = false;
        for (int j = 0; j < count; ++j) {
            xi[j] *= pivot;
            anyNonZero = anyNonZero || xi[j] != 0.0;
        }
        if (!anyNonZero) {
            continue;
        }
        for (int at = m->solveLowerStart[i]; at < m->solveLowerStart[i + 1]; ++at) {
            double* target = w + static_cast<std::ptrdiff_t>(m->solveLowerRow[at]) * count;
            const double value = m->solveLowerValue[at];
            for (int j = 0; j < count; ++j) {
                target[j] -= xi[j] * value;
            }
        }
    }
    for (int i = n; i >= 1; --i) {
        double* xi = w + static_cast<std::ptrdiff_t>(i) * count;
        for (int at = m->solveUpperStart[i]; at < m->solveUpperStart[i + 1]; ++at) {
            const double* source = w + static_cast<std::ptrdiff_t>(m->solveUpperColumn[at]) * count;
            const double value = m->solveUpperValue[at];
            for (int j = 0; j < count; ++j) {
                xi[j] -= value * source[j];
            }
        }
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

void SparseSolveSeveral(SparseMatrix* m, int count, double* const* vectors) {
    const int n = m->size;
    double* w = nullptr;
    if (m->factorsValid && (m->solveArraysValid || MakeSolveArrays(m))) {
        w = static_cast<double*>(
            SparseObtainScratch(static_cast<std::size_t>(n + 1) * count * sizeof(double)));
    }
    if (w == nullptr) {  // no factors, or no memory for the shared work: one vector at a time
        for (int j = 0; j < count; ++j) {
            SparseSolve(m, vectors[j], vectors[j]);
        }
        return;
    }
    for (int i = 1; i <= n; ++i) {
        const int row = m->internalToExternalRow[i] - 1;
        for (int j = 0; j < count; ++j) {
            w[static_cast<std::ptrdiff_t>(i) * count + j] = vectors[j][row];
        }
    }
    SubstituteSeveralFromArrays(m, count, w);
    for (int i = 1; i <= n; ++i) {
        const int column = m->internalToExternalColumn[i] - 1;
        for (int j = 0; j < count; ++j) {
            vectors[j][column] = w[static_cast<std::ptrdiff_t>(i) * count + j];
        }
    }
    SparseReleaseScratch(w);
}

// The end of a factorisation as one dense block: once the part still to be eliminated has
// filled in, it is gathered into a dense array, factored there (spDense.cpp), and its factors are
// stored back as elements in the layout the sparse elimination leaves: rows in pivot order, the
// diagonal holding reciprocal pivots, L below it not divided by the pivots, U above it with a
// unit diagonal.

#include <algorithm>
#include <cstddef>
#include <utility>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

// The row exchanges of the dense factorisation made in the lists at once: row k + j takes the
// list, count and caller's number of the row that the exchanges brought to position j. The
// elements learn their new row number in StoreDenseBlock.
bool PermuteBlockRows(SparseMatrix* m, int k, const int* swaps) {
    const int block = m->size - k + 1;
    int* from = static_cast<int*>(SparseObtainScratch(block * sizeof(int)));
    int* saved = static_cast<int*>(SparseObtainScratch(2 * block * sizeof(int)));
    SparseElement** heads =
        static_cast<SparseElement**>(SparseObtainScratch(block * sizeof(SparseElement*)));
    bool obtained = from != nullptr && saved != nullptr && heads != nullptr;
    if (obtained) {
        for (int j = 0; j < block; ++j) {
            from[j] = j;
        }
        for (int j = 0; j < block; ++j) {
            std::swap(from[j], from[swaps[j]]);
        }
        for (int j = 0; j < block; ++j) {
            heads[j] = m->firstInRow[k + j];
            saved[j] = m->markowitzRow[k + j];
            saved[block + j] = m->internalToExternalRow[k + j];
        }
        for (int j = 0; j < block; ++j) {
            const int i = k + j;
            m->firstInRow[i] = heads[from[j]];
            m->markowitzRow[i] = saved[from[j]];
            m->internalToExternalRow[i] = saved[block + from[j]];
            m->externalToInternalRow[m->internalToExternalRow[i]] = i;
        }
    }
    SparseReleaseScratch(from);
    SparseReleaseScratch(saved);
    SparseReleaseScratch(heads);
    return obtained;
}

// After memory ran out while storing the block: every block row's elements take their row's
// number, and the diagonal array points at the elements on the diagonal again, so that the
// lists can be rebuilt and the matrix ordered anew.
void RepairBlockRows(SparseMatrix* m, int k) {
    for (int i = k; i <= m->size; ++i) {
        m->diagonal[i] = nullptr;
        for (SparseElement* e = m->firstInRow[i]; e != nullptr; e = e->nextInRow) {
            e->row = i;
            if (e->column == i) {
                m->diagonal[i] = e;
            }
        }
    }
}

// Row i's missing block positions as new elements, put in inColumn and at the front of the row's
// list; false when memory runs out (the row's list then still holds every element).
bool CompleteBlockRow(SparseMatrix* m, int i, int k, SparseElement** inColumn) {
    for (int c = k; c <= m->size; ++c) {
        if (inColumn[c] != nullptr) {
            continue;
        }
        SparseElement* e = SparseGetFillIn(m);
        if (e == nullptr) {
            return false;
        }
        e->row = i;
        e->column = c;
        e->nextInColumn = nullptr;
        e->nextInRow = m->firstInRow[i];
        m->firstInRow[i] = e;
        ++m->fillInCount;
        ++m->elementCount;
        inColumn[c] = e;
    }
    return true;
}

// The dense factors (rows already in pivot order) stored back as the sparse elimination leaves
// them: the diagonal holding reciprocal pivots, L below it multiplied back by the pivots of its
// columns, U above it with a unit diagonal. Every position of the block gets an element. The
// block's rows and columns are linked in order on the way, so that only the lists of the sparse
// steps need sorting afterwards: a block row holds its entries left of the block (L of the sparse
// steps), sorted, then the block's, column by column; a block column its finished part (rows
// before the block, in order already), then the block's rows in order. When memory runs out the
// lists still hold every element, with its row number, but need rebuilding.
bool StoreDenseBlock(SparseMatrix* m, int k, const double* a) {
    const int n = m->size;
    const int block = n - k + 1;
    SparseElement** inColumn = m->columnScatter;  // this row's block elements by column
    SparseElement** left = m->elementList;
    SparseElement** columnTail = m->lastAbove;  // last element linked into each block column
    for (int i = k; i <= n; ++i) {
        int leftCount = 0;
        for (SparseElement* e = m->firstInRow[i]; e != nullptr; e = e->nextInRow) {
            e->row = i;
            if (e->column < k) {
                left[leftCount++] = e;
            } else {
                inColumn[e->column] = e;
            }
        }
        if (!CompleteBlockRow(m, i, k, inColumn)) {
            std::fill_n(inColumn + k, block, nullptr);
            RepairBlockRows(m, k);
            return false;
        }
        std::sort(left, left + leftCount, [](const SparseElement* x, const SparseElement* y) {
            return x->column < y->column;
        });
        SparseElement** link = &m->firstInRow[i];
        for (int at = 0; at < leftCount; ++at) {
            *link = left[at];
            link = &left[at]->nextInRow;
        }
        const double* row = a + static_cast<long>(i - k) * block;
        for (int c = k; c <= n; ++c) {
            SparseElement* e = inColumn[c];
            inColumn[c] = nullptr;
            const double pivotOfColumn = a[static_cast<long>(c - k) * block + (c - k)];
            if (c == i) {
                e->value = 1.0 / row[c - k];
                m->diagonal[i] = e;
            } else if (c < i) {
                e->value = row[c - k] * pivotOfColumn;
            } else {
                e->value = row[c - k] / row[i - k];
            }
            *link = e;
            link = &e->nextInRow;
            if (columnTail[c] == nullptr) {
                m->firstInColumn[c] = e;
            } else {
                columnTail[c]->nextInColumn = e;
            }
            columnTail[c] = e;
        }
        *link = nullptr;
    }
    for (int c = k; c <= n; ++c) {
        columnTail[c]->nextInColumn = nullptr;
    }
    return true;
}

}  // namespace

// Whether the active submatrix from step k on is large and full enough to be factored densely.
bool SparseIsDenseEnough(const SparseMatrix* m, int k, long long activeCount) {
    long long remaining = m->size - k + 1;
    return remaining >= m->denseTrailingSize &&
           static_cast<double>(activeCount) >= kSparseDenseFraction * remaining * remaining;
}

// The rest of the factorisation from step k on as one dense block: gathered, factored with
// partial pivoting, its row exchanges made in the lists, and its factors stored back.
int SparseFactorDenseBlock(SparseMatrix* m, int k) {
    const int n = m->size;
    const int block = n - k + 1;
    const std::size_t count = static_cast<std::size_t>(block) * block;
    double* a = static_cast<double*>(SparseObtainScratch(count * sizeof(double)));
    int* swaps = static_cast<int*>(SparseObtainScratch(block * sizeof(int)));
    if (a == nullptr || swaps == nullptr) {
        SparseReleaseScratch(a);
        SparseReleaseScratch(swaps);
        m->error = kSparseNoMemory;
        return m->error;
    }
    std::fill_n(a, count, 0.0);
    for (int i = k; i <= n; ++i) {
        for (SparseElement* e = m->firstInRow[i]; e != nullptr; e = e->nextInRow) {
            if (e->column >= k) {
                a[static_cast<long>(i - k) * block + (e->column - k)] = e->value;
            }
        }
    }
    if (!SparseDenseLU(a, block, swaps)) {
        m->error = kSparseSingular;
    } else {
        if (!PermuteBlockRows(m, k, swaps) || !StoreDenseBlock(m, k, a)) {
            m->error = kSparseNoMemory;
        }
    }
    SparseReleaseScratch(a);
    SparseReleaseScratch(swaps);
    return m->error;
}

// LU factorisation of a sparse matrix. The first factorisation (and any after a structural change)
// chooses the pivot order step by step: among the active submatrix it looks for the pivot of
// smallest Markowitz product (row count - 1) x (column count - 1), the bound on the fill-ins that
// eliminating it creates, accepting a candidate only when it is not small against the other
// entries of its column (threshold pivoting). Pivots are moved to the diagonal by row and column
// exchanges and eliminated right-looking, creating fill-ins as needed. Later factorisations keep
// that order and work column by column (left-looking) on the existing structure.
//
// While the order is being chosen the lists are kept cheap to change: each column holds its
// finished part (rows before the current step, sorted) ahead of its active part, which is in no
// particular order, and rows are in no particular order at all. Exchanges then only renumber
// elements, and fill-ins go to the front of the active part. Whatever depends on the order of the
// elements (the pivot row and column at each step, the tie-breaking of the searches) is done in
// sorted order, so the choices and the arithmetic are those of fully sorted lists; all lists are
// sorted again when ordering ends. Once the active part is large and has largely filled in, the
// rest is finished as a dense block (spDenseBlock.cpp).

#include <algorithm>
#include <cstdlib>
#include <climits>
#include <utility>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

// Counts above this are multiplied in floating point so that the product cannot overflow.
constexpr int kLargeCount = 32766;
constexpr int kLargestProduct = 2147483646;

// Recomputes the product of diagonal position i from its counts, keeping the singleton count.
void RecomputeProduct(SparseMatrix* m, int i) {
    int before = m->markowitzProduct[i];
    int after = SparseMarkowitzProduct(m->markowitzRow[i], m->markowitzColumn[i]);
    m->markowitzProduct[i] = after;
    if (before == 0 && after != 0) {
        --m->singletons;
    } else if (before != 0 && after == 0) {
        ++m->singletons;
    }
}

// Exchanges internal rows k and r, both in the active part: the row lists change places and their
// elements take the other row number. In every column both rows lie in the unordered active part,
// so no column list changes.
void ExchangeRows(SparseMatrix* m, int k, int r) {
    for (SparseElement* e = m->firstInRow[k]; e != nullptr; e = e->nextInRow) {
        e->row = r;
    }
    for (SparseElement* e = m->firstInRow[r]; e != nullptr; e = e->nextInRow) {
        e->row = k;
    }
    std::swap(m->firstInRow[k], m->firstInRow[r]);
    std::swap(m->markowitzRow[k], m->markowitzRow[r]);
    std::swap(m->internalToExternalRow[k], m->internalToExternalRow[r]);
    m->externalToInternalRow[m->internalToExternalRow[k]] = k;
    m->externalToInternalRow[m->internalToExternalRow[r]] = r;
}

// The same for columns k and r; rows are unordered while the order is chosen.
void ExchangeColumns(SparseMatrix* m, int k, int r) {
    for (SparseElement* e = m->firstInColumn[k]; e != nullptr; e = e->nextInColumn) {
        e->column = r;
    }
    for (SparseElement* e = m->firstInColumn[r]; e != nullptr; e = e->nextInColumn) {
        e->column = k;
    }
    std::swap(m->firstInColumn[k], m->firstInColumn[r]);
    std::swap(m->lastAbove[k], m->lastAbove[r]);
    m->columnStale[k] = true;
    m->columnStale[r] = true;
    std::swap(m->markowitzColumn[k], m->markowitzColumn[r]);
    std::swap(m->internalToExternalColumn[k], m->internalToExternalColumn[r]);
    m->externalToInternalColumn[m->internalToExternalColumn[k]] = k;
    m->externalToInternalColumn[m->internalToExternalColumn[r]] = r;
}

SparseElement* FindDiagonal(SparseMatrix* m, int i) {
    for (SparseElement* e = *SparseActiveColumnLink(m, i); e != nullptr; e = e->nextInColumn) {
        if (e->row == i) {
            return e;
        }
    }
    return nullptr;
}

// Brings the pivot to position (k, k).
void MovePivot(SparseMatrix* m, SparseElement* pivot, int k) {
    int r = pivot->row;
    int c = pivot->column;
    if (r == k && c == k) {
        return;
    }
    if (r == c) {
        ExchangeRows(m, k, r);
        ExchangeColumns(m, k, c);
        std::swap(m->markowitzProduct[k], m->markowitzProduct[r]);
        std::swap(m->diagonal[k], m->diagonal[r]);
        return;
    }
    if (r != k) {
        ExchangeRows(m, k, r);
    }
    if (c != k) {
        ExchangeColumns(m, k, c);
    }
    RecomputeProduct(m, k);
    if (r != k) {
        RecomputeProduct(m, r);
    }
    if (c != k) {
        RecomputeProduct(m, c);
    }
    m->diagonal[c] = FindDiagonal(m, c);
    m->diagonal[r] = FindDiagonal(m, r);
    m->diagonal[k] = FindDiagonal(m, k);
}

// Puts the pivot row in column order: its entries left of column k first, then the pivot and the
// entries right of it, ascending.
void SortPivotRow(SparseMatrix* m, int k) {
    int count = 0;
    SparseElement* left = nullptr;
    for (SparseElement* e = m->firstInRow[k]; e != nullptr;) {
        SparseElement* next = e->nextInRow;
        if (e->column < k) {
            e->nextInRow = left;
            left = e;
        } else {
            m->elementList[count++] = e;
        }
        e = next;
    }
    std::sort(m->elementList, m->elementList + count,
              [](const SparseElement* a, const SparseElement* b) { return a->column < b->column; });
    SparseElement* chain = nullptr;
    for (int at = count - 1; at >= 0; --at) {
        m->elementList[at]->nextInRow = chain;
        chain = m->elementList[at];
    }
    SparseElement** link = &m->firstInRow[k];
    for (SparseElement* e = left; e != nullptr; e = e->nextInRow) {
        link = &e->nextInRow;
    }
    *link = chain;
    m->firstInRow[k] = left != nullptr ? left : chain;
}

// Puts the active part of the pivot column in row order, the pivot first; the elements stay listed
// in that order in m->elementList. Returns their count.
int SortPivotColumn(SparseMatrix* m, int k) {
    int count = SparseSortActiveColumn(m, k);
    SparseElement* chain = nullptr;
    for (int at = count - 1; at >= 0; --at) {
        m->elementList[at]->nextInColumn = chain;
        chain = m->elementList[at];
    }
    *SparseActiveColumnLink(m, k) = chain;
    return count;
}

// A fill-in at (i, j) with i, j in the active part: to the front of the active part of column j
// and of row i. Its row and column gain one active entry each.
SparseElement* CreateFillIn(SparseMatrix* m, int i, int j) {
    SparseElement* e = SparseGetFillIn(m);
    if (e == nullptr) {
        return nullptr;
    }
    e->value = 0.0;
    e->row = i;
    e->column = j;
    SparseElement** columnLink = SparseActiveColumnLink(m, j);
    e->nextInColumn = *columnLink;
    *columnLink = e;
    e->nextInRow = m->firstInRow[i];
    m->firstInRow[i] = e;
    if (i == j) {
        m->diagonal[i] = e;
    }
    ++m->fillInCount;
    ++m->elementCount;

    m->markowitzProduct[i] = SparseMarkowitzProduct(++m->markowitzRow[i], m->markowitzColumn[i]);
    if (m->markowitzRow[i] == 1 && m->markowitzColumn[i] != 0) {
        --m->singletons;
    }
    m->markowitzProduct[j] = SparseMarkowitzProduct(m->markowitzRow[j], ++m->markowitzColumn[j]);
    if (m->markowitzColumn[j] == 1 && m->markowitzRow[j] != 0) {
        --m->singletons;
    }
    return e;
}

// The update of one pivot-row element u (in column j) in progress: a walk down the active part of
// column j, which updates the elements lying in a row of the pivot column (recorded by row in
// m->columnScatter) and marks those rows in its own lane of m->updatedBy.
struct ColumnUpdate {
    SparseElement* u;
    SparseElement** start;    // where the active part of column j begins
    SparseElement** link;     // the walk's position
    SparseElement** linkToU;  // where u hangs in the active part
    SparseElement** updatedBy;
    int updated;
};

// Walks several columns in step, one element of each in turn, so that the memory accesses of the
// separate lists overlap instead of waiting on each other. The columns are distinct, so no
// element is touched by two walks.
void WalkColumnsTogether(SparseMatrix* m, ColumnUpdate* walks, int lanes) {
    bool moving = true;
    while (moving) {
        moving = false;
        for (int w = 0; w < lanes; ++w) {
            ColumnUpdate& walk = walks[w];
            SparseElement* e = *walk.link;
            if (e == nullptr) {
                continue;
            }
            moving = true;
            if (SparseElement* l = m->columnScatter[e->row]) {
                e->value -= walk.u->value * l->value;
                walk.updatedBy[e->row] = walk.u;
                ++walk.updated;
            } else if (e == walk.u) {
                walk.linkToU = walk.link;
            }
            walk.link = &e->nextInColumn;
        }
    }
}

// Moves u from the active part of its column to the end of the finished part.
void FinishColumnEntry(SparseMatrix* m, const ColumnUpdate& walk) {
    SparseElement* u = walk.u;
    *walk.linkToU = u->nextInColumn;
    u->nextInColumn = *walk.start;
    *walk.start = u;
    m->lastAbove[u->column] = u;
}

// Right-looking elimination with the pivot at (k, k): the pivot becomes its reciprocal, row k
// right of it is divided by the pivot (U), and each element below it (L) updates the active
// submatrix by the outer product. Each target receives exactly one update per step; fill-ins are
// created columns ascending and within them rows ascending.
void Eliminate(SparseMatrix* m, int k) {
    SparseElement* pivot = m->diagonal[k];
    SortPivotRow(m, k);
    int columnCount = SortPivotColumn(m, k);
    SparseElement* const* below = m->elementList + 1;  // the pivot column below the pivot
    int belowCount = columnCount - 1;
    if (pivot->value == 0.0) {
        m->error = kSparseSingular;
        return;
    }
    pivot->value = 1.0 / pivot->value;
    for (int at = 0; at < belowCount; ++at) {
        m->columnScatter[below[at]->row] = below[at];
    }
    SparseElement* u = pivot->nextInRow;
    while (u != nullptr && m->error != kSparseNoMemory) {
        ColumnUpdate walks[kSparseWalkLanes];
        int lanes = 0;
        for (; u != nullptr && lanes < kSparseWalkLanes; u = u->nextInRow, ++lanes) {
            u->value *= pivot->value;
            m->columnStale[u->column] = true;
            SparseElement** start = SparseActiveColumnLink(m, u->column);
            walks[lanes] = {u, start, start, nullptr, m->updatedBy[lanes], 0};
        }
        WalkColumnsTogether(m, walks, lanes);
        for (int w = 0; w < lanes; ++w) {
            FinishColumnEntry(m, walks[w]);
            if (walks[w].updated == belowCount || m->error == kSparseNoMemory) {
                continue;
            }
            for (int at = 0; at < belowCount; ++at) {
                SparseElement* l = below[at];
                if (walks[w].updatedBy[l->row] == walks[w].u) {
                    continue;
                }
                SparseElement* fillIn = CreateFillIn(m, l->row, walks[w].u->column);
                if (fillIn == nullptr) {
                    m->error = kSparseNoMemory;
                    break;
                }
                fillIn->value -= walks[w].u->value * l->value;
            }
        }
    }
    for (int at = 0; at < belowCount; ++at) {
        m->columnScatter[below[at]->row] = nullptr;
    }
}

// Row k and column k leave the active part.
void UpdateMarkowitz(SparseMatrix* m, int k) {
    SparseElement* pivot = m->diagonal[k];
    for (SparseElement* l = pivot->nextInColumn; l != nullptr; l = l->nextInColumn) {
        int i = l->row;
        --m->markowitzRow[i];
        m->markowitzProduct[i] = SparseMarkowitzProduct(m->markowitzRow[i], m->markowitzColumn[i]);
        if (m->markowitzRow[i] == 0) {
            ++m->singletons;
        }
    }
    for (SparseElement* u = pivot->nextInRow; u != nullptr; u = u->nextInRow) {
        int j = u->column;
        --m->markowitzColumn[j];
        m->markowitzProduct[j] = SparseMarkowitzProduct(m->markowitzRow[j], m->markowitzColumn[j]);
        if (m->markowitzColumn[j] == 0 && m->markowitzRow[j] != 0) {
            ++m->singletons;
        }
    }
}

void CountMarkowitz(SparseMatrix* m) {
    int n = m->size;
    for (int i = 1; i <= n; ++i) {
        m->markowitzRow[i] = -1;
        m->markowitzColumn[i] = -1;
    }
    for (int c = 1; c <= n; ++c) {
        for (SparseElement* e = m->firstInColumn[c]; e != nullptr; e = e->nextInColumn) {
            ++m->markowitzRow[e->row];
            ++m->markowitzColumn[c];
        }
    }
    m->singletons = 0;
    for (int i = 1; i <= n; ++i) {
        m->markowitzProduct[i] = SparseMarkowitzProduct(m->markowitzRow[i], m->markowitzColumn[i]);
        if (m->markowitzProduct[i] == 0) {
            ++m->singletons;
        }
    }
}

// Rebuilds the column lists from the rows and then the row lists from the columns: each list
// comes out sorted whatever order its elements had.
void RebuildSortedLists(SparseMatrix* m) {
    int n = m->size;
    std::fill_n(m->firstInColumn + 1, n, nullptr);
    for (int r = n; r >= 1; --r) {
        for (SparseElement* e = m->firstInRow[r]; e != nullptr; e = e->nextInRow) {
            e->nextInColumn = m->firstInColumn[e->column];
            m->firstInColumn[e->column] = e;
        }
    }
    std::fill_n(m->firstInRow + 1, n, nullptr);
    for (int c = n; c >= 1; --c) {
        for (SparseElement* e = m->firstInColumn[c]; e != nullptr; e = e->nextInColumn) {
            e->nextInRow = m->firstInRow[e->row];
            m->firstInRow[e->row] = e;
        }
    }
}

// Sorts one list in place: rows by column when `isRow`, columns by row.
void SortList(SparseMatrix* m, int index, bool isRow) {
    SparseElement** list = m->elementList;
    int count = 0;
    SparseElement* first = isRow ? m->firstInRow[index] : m->firstInColumn[index];
    for (SparseElement* e = first; e != nullptr; e = isRow ? e->nextInRow : e->nextInColumn) {
        list[count++] = e;
    }
    if (isRow) {
        std::sort(list, list + count, [](const SparseElement* a, const SparseElement* b) {
            return a->column < b->column;
        });
    } else {
        std::sort(list, list + count,
                  [](const SparseElement* a, const SparseElement* b) { return a->row < b->row; });
    }
    SparseElement* chain = nullptr;
    for (int at = count - 1; at >= 0; --at) {
        if (isRow) {
            list[at]->nextInRow = chain;
        } else {
            list[at]->nextInColumn = chain;
        }
        chain = list[at];
    }
    (isRow ? m->firstInRow[index] : m->firstInColumn[index]) = chain;
}

// Every list in order again once the order is chosen. When the elimination ended in a dense block
// from step denseStart on, the block's rows and columns are in order already and only those of
// the sparse steps are sorted; otherwise, and after a failure, the lists are rebuilt.
void RestoreSortedLists(SparseMatrix* m, int denseStart) {
    if (denseStart == 0) {
        RebuildSortedLists(m);
        return;
    }
    for (int i = 1; i < denseStart; ++i) {
        SortList(m, i, true);
        SortList(m, i, false);
    }
}

// Returns the error code; *denseStart becomes the first step of a dense block that completed.
int EliminateInMarkowitzOrder(SparseMatrix* m, int* denseStart) {
    CountMarkowitz(m);
    std::fill_n(m->lastAbove + 1, m->size, nullptr);
    std::fill_n(m->columnScatter + 1, m->size, nullptr);
    std::fill_n(m->columnStale + 1, m->size, true);
    for (SparseElement** lane : m->updatedBy) {
        std::fill_n(lane + 1, m->size, nullptr);
    }
    // Elements of the rows and columns already eliminated.
    long long finishedCount = 0;
    for (int k = 1; k <= m->size; ++k) {
        if (SparseIsDenseEnough(m, k, m->elementCount - finishedCount)) {
            if (SparseFactorDenseBlock(m, k) >= kSparseZeroPivot) {
                return m->error;
            }
            *denseStart = k;
            break;
        }
        SparseElement* pivot = SparseSearchForPivot(m, k);
        if (pivot == nullptr) {
            m->error = kSparseSingular;
            return m->error;
        }
        MovePivot(m, pivot, k);
        finishedCount += m->markowitzRow[k] + 1 + m->markowitzColumn[k];
        Eliminate(m, k);
        if (m->error >= kSparseZeroPivot) {
            return m->error;
        }
        UpdateMarkowitz(m, k);
    }
    m->needsOrdering = false;
    m->factorsValid = true;
    return m->error;
}

int OrderAndFactor(SparseMatrix* m) {
    m->partitioned = false;
    SparseLinkRows(m);
    if (!m->internalVectorsAllocated && !SparseAllocateInternalVectors(m)) {
        m->error = kSparseNoMemory;
        return m->error;
    }
    int denseStart = 0;
    int code = EliminateInMarkowitzOrder(m, &denseStart);
    RestoreSortedLists(m, denseStart);
    return code;
}

// Per column, whether a dense scatter vector beats updating through element addresses: it pays
// when the updates are many against the elements to scatter and gather.
void ChooseColumnScatter(SparseMatrix* m) {
    for (int k = 1; k <= m->size; ++k) {
        int elements = 0;
        int aboveDiagonal = 0;
        int operations = 0;
        for (SparseElement* e = m->firstInColumn[k]; e != nullptr; e = e->nextInColumn) {
            ++elements;
            if (e->row < k) {
                ++aboveDiagonal;
                for (SparseElement* l = m->diagonal[e->row]->nextInColumn; l != nullptr;
                     l = l->nextInColumn) {
                    ++operations;
                }
            }
        }
        m->realDirect[k] = aboveDiagonal + operations > 3 * elements - 2 * aboveDiagonal;
    }
    m->partitioned = true;
}

// Left-looking factorisation of column k in the stored order: the entries above the diagonal
// become U by the updates of the earlier columns, those on and below become L.
void RefactorColumnDirect(SparseMatrix* m, int k) {
    double* work = m->intermediate;
    for (SparseElement* e = m->firstInColumn[k]; e != nullptr; e = e->nextInColumn) {
        work[e->row] = e->value;
    }
    for (SparseElement* e = m->firstInColumn[k]; e != nullptr && e->row < k; e = e->nextInColumn) {
        SparseElement* pivot = m->diagonal[e->row];
        double u = work[e->row] * pivot->value;
        work[e->row] = u;
        for (SparseElement* l = pivot->nextInColumn; l != nullptr; l = l->nextInColumn) {
            work[l->row] -= u * l->value;
        }
    }
    for (SparseElement* e = m->firstInColumn[k]; e != nullptr; e = e->nextInColumn) {
        e->value = work[e->row];
    }
}

void RefactorColumnIndirect(SparseMatrix* m, int k) {
    SparseElement** at = m->columnScatter;
    for (SparseElement* e = m->firstInColumn[k]; e != nullptr; e = e->nextInColumn) {
        at[e->row] = e;
    }
    for (SparseElement* e = m->firstInColumn[k]; e != nullptr && e->row < k; e = e->nextInColumn) {
        SparseElement* pivot = m->diagonal[e->row];
        e->value *= pivot->value;
        for (SparseElement* l = pivot->nextInColumn; l != nullptr; l = l->nextInColumn) {
            at[l->row]->value -= e->value * l->value;
        }
    }
}

int Refactor(SparseMatrix* m) {
    if (!m->partitioned) {
        ChooseColumnScatter(m);
    }
    for (int k = 1; k <= m->size; ++k) {
        if (m->realDirect[k]) {
            RefactorColumnDirect(m, k);
        } else {
            RefactorColumnIndirect(m, k);
        }
        SparseElement* pivot = m->diagonal[k];
        if (pivot->value == 0.0) {
            m->error = kSparseZeroPivot;
            return m->error;
        }
        pivot->value = 1.0 / pivot->value;
    }
    m->factorsValid = true;
    return m->error;
}

}  // namespace

int SparseFactor(SparseMatrix* m) {
    m->error = kSparseOk;
    m->factorsValid = false;
    m->solveArraysValid = false;
    return m->needsOrdering ? OrderAndFactor(m) : Refactor(m);
}

int SparseMarkowitzProduct(int rowCount, int columnCount) {
    if ((rowCount > kLargeCount && columnCount != 0) ||
        (columnCount > kLargeCount && rowCount != 0)) {
        double product = static_cast<double>(rowCount) * columnCount;
        return product >= kLargestProduct ? kLargestProduct : static_cast<int>(product);
    }
    return rowCount * columnCount;
}

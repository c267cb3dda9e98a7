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
// sorted again when ordering ends.

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

// Counts above this are multiplied in floating point so that the product cannot overflow.
constexpr int kLargeCount = 32766;
constexpr int kLargestProduct = 2147483646;
// The searches stop after this many ties per unit of the best product.
constexpr long long kTiesPerProduct = 5;

int MarkowitzProduct(int rowCount, int columnCount) {
    if ((rowCount > kLargeCount && columnCount != 0) ||
        (columnCount > kLargeCount && rowCount != 0)) {
        double product = static_cast<double>(rowCount) * columnCount;
        return product >= kLargestProduct ? kLargestProduct : static_cast<int>(product);
    }
    return rowCount * columnCount;
}

// Recomputes the product of diagonal position i from its counts, keeping the singleton count.
void RecomputeProduct(SparseMatrix* m, int i) {
    int before = m->markowitzProduct[i];
    int after = MarkowitzProduct(m->markowitzRow[i], m->markowitzColumn[i]);
    m->markowitzProduct[i] = after;
    if (before == 0 && after != 0) {
        --m->singletons;
    } else if (before != 0 && after == 0) {
        ++m->singletons;
    }
}

// Diagonal positions in search order at step k: k first, then n down to k + 1.
int PositionAt(int step, int k, int n) {
    return step == 0 ? k : n - step + 1;
}

// Link where the active part of column c begins (c at or after the current step).
SparseElement** ActiveColumnLink(SparseMatrix* m, int c) {
    SparseElement* above = m->lastAbove[c];
    return above != nullptr ? &above->nextInColumn : &m->firstInColumn[c];
}

// The active element of column c with the lowest row >= fromRow other than `except`, or null.
SparseElement* LowestInColumn(SparseMatrix* m, int c, int fromRow, const SparseElement* except) {
    SparseElement* lowest = nullptr;
    for (SparseElement* e = *ActiveColumnLink(m, c); e != nullptr; e = e->nextInColumn) {
        if (e != except && e->row >= fromRow && (lowest == nullptr || e->row < lowest->row)) {
            lowest = e;
        }
    }
    return lowest;
}

// The element of row r with the lowest column >= fromColumn other than `except`, or null.
SparseElement* LowestInRow(SparseMatrix* m, int r, int fromColumn, const SparseElement* except) {
    SparseElement* lowest = nullptr;
    for (SparseElement* e = m->firstInRow[r]; e != nullptr; e = e->nextInRow) {
        if (e != except && e->column >= fromColumn &&
            (lowest == nullptr || e->column < lowest->column)) {
            lowest = e;
        }
    }
    return lowest;
}

// Largest magnitude in the active part of the candidate's column, the candidate excluded.
double LargestOtherInColumn(SparseMatrix* m, const SparseElement* candidate) {
    double largest = 0.0;
    for (SparseElement* e = *ActiveColumnLink(m, candidate->column); e != nullptr;
         e = e->nextInColumn) {
        if (e != candidate && std::fabs(e->value) > largest) {
            largest = std::fabs(e->value);
        }
    }
    return largest;
}

bool IsAcceptable(SparseMatrix* m, const SparseElement* candidate) {
    double magnitude = std::fabs(candidate->value);
    return magnitude > m->absoluteThreshold &&
           magnitude > m->relativeThreshold * LargestOtherInColumn(m, candidate);
}

bool IsAboveAbsoluteThreshold(const SparseMatrix* m, const SparseElement* e) {
    return std::fabs(e->value) > m->absoluteThreshold;
}

// Pivot candidates with product 0: rows or columns with a single active entry, whose elimination
// creates no fill-in.
SparseElement* SearchSingletons(SparseMatrix* m, int k) {
    if (m->singletons <= 0) {
        return nullptr;
    }
    int looksLeft = m->singletons;
    --m->singletons;
    for (int step = 0; step <= m->size - k && looksLeft > 0; ++step) {
        int i = PositionAt(step, k, m->size);
        if (m->markowitzProduct[i] != 0) {
            continue;
        }
        --looksLeft;
        SparseElement* candidate = nullptr;
        if (m->diagonal[i] != nullptr) {
            candidate = m->diagonal[i];
        } else if (m->markowitzColumn[i] == 0) {
            candidate = LowestInColumn(m, i, k, nullptr);
        } else if (m->markowitzRow[i] == 0) {
            candidate = LowestInRow(m, i, k, nullptr);
        }
        if (candidate != nullptr && IsAcceptable(m, candidate)) {
            return candidate;
        }
    }
    ++m->singletons;
    return nullptr;
}

// A product-1 diagonal whose row and column each hold one other entry, placed symmetrically and
// not larger than the diagonal: the best possible choice, taken without further search. The
// partners are the entries following the diagonal in its row and its column; when neither
// exists, the other active entries of the row and the column.
bool IsSymmetricPairPivot(SparseMatrix* m, SparseElement* d, int k) {
    int i = d->row;
    SparseElement* rowPartner = LowestInRow(m, i, i + 1, nullptr);
    SparseElement* columnPartner = LowestInColumn(m, i, i + 1, nullptr);
    if (rowPartner == nullptr && columnPartner == nullptr) {
        rowPartner = LowestInRow(m, i, k, d);
        columnPartner = LowestInColumn(m, i, k, d);
    }
    if (rowPartner == nullptr || columnPartner == nullptr ||
        rowPartner->column != columnPartner->row) {
        return false;
    }
    double magnitude = std::fabs(d->value);
    return magnitude >= std::max(std::fabs(rowPartner->value), std::fabs(columnPartner->value));
}

// The diagonal of smallest product, checked for acceptability only at the end.
SparseElement* QuickDiagonalSearch(SparseMatrix* m, int k) {
    int best = INT_MAX;
    SparseElement* choice = nullptr;
    for (int step = 0; step <= m->size - k; ++step) {
        int i = PositionAt(step, k, m->size);
        int product = m->markowitzProduct[i];
        SparseElement* d = m->diagonal[i];
        if (product >= best || d == nullptr || !IsAboveAbsoluteThreshold(m, d)) {
            continue;
        }
        if (product == 1 && IsSymmetricPairPivot(m, d, k)) {
            return d;
        }
        choice = d;
        best = product;
    }
    if (choice != nullptr && IsAcceptable(m, choice)) {
        return choice;
    }
    return nullptr;
}

// Choice among candidates of equal product: the one whose column is best dominated by it.
struct TieBreak {
    int best = INT_MAX;
    SparseElement* choice = nullptr;
    double ratio = 0.0;
    int ties = 0;

    // Offers a candidate of the given product; true when enough ties were seen to stop.
    bool Offer(SparseElement* candidate, int product, double candidateRatio) {
        if (product < best) {
            best = product;
            choice = candidate;
            ratio = candidateRatio;
            ties = 0;
            return false;
        }
        ++ties;
        if (candidateRatio < ratio) {
            choice = candidate;
            ratio = candidateRatio;
        }
        return ties >= kTiesPerProduct * best;
    }
};

// Every acceptable diagonal, the smallest product winning.
SparseElement* DiagonalSearch(SparseMatrix* m, int k) {
    TieBreak search;
    for (int step = 0; step <= m->size - k; ++step) {
        int i = PositionAt(step, k, m->size);
        int product = m->markowitzProduct[i];
        SparseElement* d = m->diagonal[i];
        if (product > search.best || d == nullptr || !IsAboveAbsoluteThreshold(m, d)) {
            continue;
        }
        double magnitude = std::fabs(d->value);
        double largestOther = LargestOtherInColumn(m, d);
        if (!(magnitude > m->relativeThreshold * largestOther)) {
            continue;
        }
        if (search.Offer(d, product, largestOther / magnitude)) {
            return search.choice;
        }
    }
    return search.choice;
}

// The active elements of column c in row order, in m->elementList; returns their count.
int SortedActiveColumn(SparseMatrix* m, int c) {
    int count = 0;
    for (SparseElement* e = *ActiveColumnLink(m, c); e != nullptr; e = e->nextInColumn) {
        m->elementList[count++] = e;
    }
    std::sort(m->elementList, m->elementList + count,
              [](const SparseElement* a, const SparseElement* b) { return a->row < b->row; });
    return count;
}

// Every element of the active submatrix, column by column in row order. When nothing passes the
// thresholds the largest element is used with a warning; when everything is zero the matrix is
// singular.
SparseElement* WholeMatrixSearch(SparseMatrix* m, int k) {
    TieBreak search;
    SparseElement* largestElement = nullptr;
    double largestMagnitude = 0.0;
    for (int c = k; c <= m->size; ++c) {
        int count = SortedActiveColumn(m, c);
        double columnLargest = 0.0;
        for (int at = 0; at < count; ++at) {
            columnLargest = std::max(columnLargest, std::fabs(m->elementList[at]->value));
        }
        if (columnLargest == 0.0) {
            continue;
        }
        for (int at = 0; at < count; ++at) {
            SparseElement* e = m->elementList[at];
            double magnitude = std::fabs(e->value);
            if (magnitude > largestMagnitude) {
                largestMagnitude = magnitude;
                largestElement = e;
            }
            int product = MarkowitzProduct(m->markowitzRow[e->row], m->markowitzColumn[c]);
            if (product > search.best || !(magnitude > m->relativeThreshold * columnLargest) ||
                !IsAboveAbsoluteThreshold(m, e)) {
                continue;
            }
            if (search.Offer(e, product, columnLargest / magnitude)) {
                return search.choice;
            }
        }
    }
    if (search.choice != nullptr) {
        return search.choice;
    }
    if (largestMagnitude == 0.0) {
        return nullptr;
    }
    m->error = kSparseSmallPivot;
    return largestElement;
}

SparseElement* SearchForPivot(SparseMatrix* m, int k) {
    SparseElement* pivot = SearchSingletons(m, k);
    if (pivot == nullptr) {
        pivot = QuickDiagonalSearch(m, k);
    }
    if (pivot == nullptr) {
        pivot = DiagonalSearch(m, k);
    }
    if (pivot == nullptr) {
        pivot = WholeMatrixSearch(m, k);
    }
    return pivot;
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
    std::swap(m->markowitzColumn[k], m->markowitzColumn[r]);
    std::swap(m->internalToExternalColumn[k], m->internalToExternalColumn[r]);
    m->externalToInternalColumn[m->internalToExternalColumn[k]] = k;
    m->externalToInternalColumn[m->internalToExternalColumn[r]] = r;
}

SparseElement* FindDiagonal(SparseMatrix* m, int i) {
    for (SparseElement* e = *ActiveColumnLink(m, i); e != nullptr; e = e->nextInColumn) {
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

// Puts the active part of the pivot column in row order, the pivot first.
void SortPivotColumn(SparseMatrix* m, int k) {
    int count = SortedActiveColumn(m, k);
    SparseElement* chain = nullptr;
    for (int at = count - 1; at >= 0; --at) {
        m->elementList[at]->nextInColumn = chain;
        chain = m->elementList[at];
    }
    *ActiveColumnLink(m, k) = chain;
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
    SparseElement** columnLink = ActiveColumnLink(m, j);
    e->nextInColumn = *columnLink;
    *columnLink = e;
    e->nextInRow = m->firstInRow[i];
    m->firstInRow[i] = e;
    if (i == j) {
        m->diagonal[i] = e;
    }
    ++m->fillInCount;
    ++m->elementCount;

    m->markowitzProduct[i] = MarkowitzProduct(++m->markowitzRow[i], m->markowitzColumn[i]);
    if (m->markowitzRow[i] == 1 && m->markowitzColumn[i] != 0) {
        --m->singletons;
    }
    m->markowitzProduct[j] = MarkowitzProduct(m->markowitzRow[j], ++m->markowitzColumn[j]);
    if (m->markowitzColumn[j] == 1 && m->markowitzRow[j] != 0) {
        --m->singletons;
    }
    return e;
}

// Moves u, the element of the pivot row in column j, from the active part of column j to the end
// of its finished part, and records every active element of column j by row.
void FinishAndScatterColumn(SparseMatrix* m, SparseElement* u) {
    int j = u->column;
    SparseElement** start = ActiveColumnLink(m, j);
    SparseElement** linkToU = nullptr;
    for (SparseElement** link = start; *link != nullptr; link = &(*link)->nextInColumn) {
        m->columnScatter[(*link)->row] = *link;
        if (*link == u) {
            linkToU = link;
        }
    }
    *linkToU = u->nextInColumn;
    u->nextInColumn = *start;
    *start = u;
    m->lastAbove[j] = u;
}

// Right-looking elimination with the pivot at (k, k): the pivot becomes its reciprocal, row k
// right of it is divided by the pivot (U), and each element below it (L) updates the active
// submatrix by the outer product, columns ascending and within them rows ascending.
void Eliminate(SparseMatrix* m, int k) {
    SparseElement* pivot = m->diagonal[k];
    SortPivotRow(m, k);
    SortPivotColumn(m, k);
    if (pivot->value == 0.0) {
        m->error = kSparseSingular;
        return;
    }
    pivot->value = 1.0 / pivot->value;
    for (SparseElement* u = pivot->nextInRow; u != nullptr; u = u->nextInRow) {
        u->value *= pivot->value;
        int j = u->column;
        FinishAndScatterColumn(m, u);
        for (SparseElement* l = pivot->nextInColumn; l != nullptr; l = l->nextInColumn) {
            int i = l->row;
            // A recorded element is the target only if it still sits at (i, j).
            SparseElement* target = m->columnScatter[i];
            if (target == nullptr || target->row != i || target->column != j) {
                target = CreateFillIn(m, i, j);
                if (target == nullptr) {
                    m->error = kSparseNoMemory;
                    return;
                }
            }
            target->value -= u->value * l->value;
        }
    }
}

// Row k and column k leave the active part.
void UpdateMarkowitz(SparseMatrix* m, int k) {
    SparseElement* pivot = m->diagonal[k];
    for (SparseElement* l = pivot->nextInColumn; l != nullptr; l = l->nextInColumn) {
        int i = l->row;
        --m->markowitzRow[i];
        m->markowitzProduct[i] = MarkowitzProduct(m->markowitzRow[i], m->markowitzColumn[i]);
        if (m->markowitzRow[i] == 0) {
            ++m->singletons;
        }
    }
    for (SparseElement* u = pivot->nextInRow; u != nullptr; u = u->nextInRow) {
        int j = u->column;
        --m->markowitzColumn[j];
        m->markowitzProduct[j] = MarkowitzProduct(m->markowitzRow[j], m->markowitzColumn[j]);
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
        m->markowitzProduct[i] = MarkowitzProduct(m->markowitzRow[i], m->markowitzColumn[i]);
        if (m->markowitzProduct[i] == 0) {
            ++m->singletons;
        }
    }
}

// Rebuilds the column lists from the rows and then the row lists from the columns: each list
// comes out sorted whatever order its elements had.
void RestoreSortedLists(SparseMatrix* m) {
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

int EliminateInMarkowitzOrder(SparseMatrix* m) {
    CountMarkowitz(m);
    std::fill_n(m->lastAbove + 1, m->size, nullptr);
    std::fill_n(m->columnScatter + 1, m->size, nullptr);
    for (int k = 1; k <= m->size; ++k) {
        SparseElement* pivot = SearchForPivot(m, k);
        if (pivot == nullptr) {
            m->error = kSparseSingular;
            return m->error;
        }
        MovePivot(m, pivot, k);
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
    int code = EliminateInMarkowitzOrder(m);
    RestoreSortedLists(m);
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
    return m->needsOrdering ? OrderAndFactor(m) : Refactor(m);
}

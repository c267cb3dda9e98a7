// LU factorisation of a sparse matrix. The first factorisation (and any after a structural change)
// chooses the pivot order step by step: among the active submatrix it looks for the pivot of
// smallest Markowitz product (row count - 1) x (column count - 1), the bound on the fill-ins that
// eliminating it creates, accepting a candidate only when it is not small against the other
// entries of its column (threshold pivoting). Pivots are moved to the diagonal by row and column
// exchanges and eliminated right-looking, creating fill-ins as needed. Later factorisations keep
// that order and work column by column (left-looking) on the existing structure.

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

// Link where the active part of column c begins at the current step (c in the active part).
SparseElement** ActiveColumnLink(SparseMatrix* m, int c) {
    SparseElement* above = m->lastAbove[c];
    return above != nullptr ? &above->nextInColumn : &m->firstInColumn[c];
}

SparseElement** ActiveRowLink(SparseMatrix* m, int r) {
    SparseElement* left = m->lastLeft[r];
    return left != nullptr ? &left->nextInRow : &m->firstInRow[r];
}

// First element of an active column with row >= fromRow (fromRow at or beyond the current step).
SparseElement* FirstInColumnFrom(SparseMatrix* m, int column, int fromRow) {
    SparseElement* e = *ActiveColumnLink(m, column);
    while (e != nullptr && e->row < fromRow) {
        e = e->nextInColumn;
    }
    return e;
}

SparseElement* FirstInRowFrom(SparseMatrix* m, int row, int fromColumn) {
    SparseElement* e = *ActiveRowLink(m, row);
    while (e != nullptr && e->column < fromColumn) {
        e = e->nextInRow;
    }
    return e;
}

// Largest magnitude in the active part of pivot's column, pivot itself excluded.
double LargestOtherInColumn(SparseMatrix* m, const SparseElement* pivot, int k) {
    double largest = 0.0;
    for (SparseElement* e = FirstInColumnFrom(m, pivot->column, k); e != nullptr;
         e = e->nextInColumn) {
        if (e != pivot && std::fabs(e->value) > largest) {
            largest = std::fabs(e->value);
        }
    }
    return largest;
}

bool IsAcceptable(SparseMatrix* m, const SparseElement* pivot, int k) {
    double magnitude = std::fabs(pivot->value);
    return magnitude > m->absoluteThreshold &&
           magnitude > m->relativeThreshold * LargestOtherInColumn(m, pivot, k);
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
            candidate = FirstInColumnFrom(m, i, k);
        } else if (m->markowitzRow[i] == 0) {
            candidate = FirstInRowFrom(m, i, k);
        }
        if (candidate != nullptr && IsAcceptable(m, candidate, k)) {
            return candidate;
        }
    }
    ++m->singletons;
    return nullptr;
}

// A product-1 diagonal whose row and column each hold one other entry, placed symmetrically and
// not larger than the diagonal: the best possible choice, taken without further search.
bool IsSymmetricPairPivot(SparseMatrix* m, SparseElement* d, int k) {
    SparseElement* rowPartner = d->nextInRow;
    SparseElement* columnPartner = d->nextInColumn;
    if (rowPartner == nullptr && columnPartner == nullptr) {
        rowPartner = FirstInRowFrom(m, d->row, k);
        if (rowPartner == d) {
            rowPartner = rowPartner->nextInRow;
        }
        columnPartner = FirstInColumnFrom(m, d->column, k);
        if (columnPartner == d) {
            columnPartner = columnPartner->nextInColumn;
        }
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
    if (choice != nullptr && IsAcceptable(m, choice, k)) {
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
        double largestOther = LargestOtherInColumn(m, d, k);
        if (!(magnitude > m->relativeThreshold * largestOther)) {
            continue;
        }
        if (search.Offer(d, product, largestOther / magnitude)) {
            return search.choice;
        }
    }
    return search.choice;
}

// Every element of the active submatrix. When nothing passes the thresholds the largest element
// is used with a warning; when everything is zero the matrix is singular.
SparseElement* WholeMatrixSearch(SparseMatrix* m, int k) {
    TieBreak search;
    SparseElement* largestElement = nullptr;
    double largestMagnitude = 0.0;
    for (int c = k; c <= m->size; ++c) {
        SparseElement* first = FirstInColumnFrom(m, c, k);
        double columnLargest = 0.0;
        for (SparseElement* e = first; e != nullptr; e = e->nextInColumn) {
            columnLargest = std::max(columnLargest, std::fabs(e->value));
        }
        if (columnLargest == 0.0) {
            continue;
        }
        for (SparseElement* e = first; e != nullptr; e = e->nextInColumn) {
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

// Moves the elements of rows k and r (k < r) of one column to each other's row, keeping the
// column sorted by row. start is a link in the column before both of them.
void ExchangeWithinColumn(SparseElement** start, SparseElement* atK, SparseElement* atR, int k,
                          int r) {
    SparseElement** link = start;
    if (atK != nullptr && atR != nullptr) {
        while (*link != atK) {
            link = &(*link)->nextInColumn;
        }
        SparseElement** linkK = link;
        if (atK->nextInColumn == atR) {
            *linkK = atR;
            atK->nextInColumn = atR->nextInColumn;
            atR->nextInColumn = atK;
        } else {
            SparseElement** linkR = &atK->nextInColumn;
            while (*linkR != atR) {
                linkR = &(*linkR)->nextInColumn;
            }
            std::swap(atK->nextInColumn, atR->nextInColumn);
            *linkK = atR;
            *linkR = atK;
        }
        atK->row = r;
        atR->row = k;
    } else if (atK != nullptr) {
        // Down from row k to row r.
        while (*link != atK) {
            link = &(*link)->nextInColumn;
        }
        *link = atK->nextInColumn;
        while (*link != nullptr && (*link)->row < r) {
            link = &(*link)->nextInColumn;
        }
        atK->nextInColumn = *link;
        *link = atK;
        atK->row = r;
    } else {
        // Up from row r to row k.
        while (*link != nullptr && (*link)->row < k) {
            link = &(*link)->nextInColumn;
        }
        SparseElement** insertAt = link;
        while (*link != atR) {
            link = &(*link)->nextInColumn;
        }
        *link = atR->nextInColumn;
        atR->nextInColumn = *insertAt;
        *insertAt = atR;
        atR->row = k;
    }
}

// The same within one row, for the exchange of columns k and r.
void ExchangeWithinRow(SparseElement** start, SparseElement* atK, SparseElement* atR, int k,
                       int r) {
    SparseElement** link = start;
    if (atK != nullptr && atR != nullptr) {
        while (*link != atK) {
            link = &(*link)->nextInRow;
        }
        SparseElement** linkK = link;
        if (atK->nextInRow == atR) {
            *linkK = atR;
            atK->nextInRow = atR->nextInRow;
            atR->nextInRow = atK;
        } else {
            SparseElement** linkR = &atK->nextInRow;
            while (*linkR != atR) {
                linkR = &(*linkR)->nextInRow;
            }
            std::swap(atK->nextInRow, atR->nextInRow);
            *linkK = atR;
            *linkR = atK;
        }
        atK->column = r;
        atR->column = k;
    } else if (atK != nullptr) {
        while (*link != atK) {
            link = &(*link)->nextInRow;
        }
        *link = atK->nextInRow;
        while (*link != nullptr && (*link)->column < r) {
            link = &(*link)->nextInRow;
        }
        atK->nextInRow = *link;
        *link = atK;
        atK->column = r;
    } else {
        while (*link != nullptr && (*link)->column < k) {
            link = &(*link)->nextInRow;
        }
        SparseElement** insertAt = link;
        while (*link != atR) {
            link = &(*link)->nextInRow;
        }
        *link = atR->nextInRow;
        atR->nextInRow = *insertAt;
        *insertAt = atR;
        atR->column = k;
    }
}

// Exchanges internal rows k and r (k < r, both in the active part). Active columns are re-threaded
// so that they stay sorted by row; in the finished columns before k, which elimination no longer
// walks, the two elements only take their new row numbers, and RestoreSortedLists sorts those
// columns once ordering ends.
void ExchangeRows(SparseMatrix* m, int k, int r) {
    SparseElement* atK = m->firstInRow[k];
    SparseElement* atR = m->firstInRow[r];
    while (atK != nullptr || atR != nullptr) {
        // The next column holding an element of either row; both rows are sorted by column.
        int column = std::min(atK != nullptr ? atK->column : INT_MAX,
                              atR != nullptr ? atR->column : INT_MAX);
        SparseElement* movingK = (atK != nullptr && atK->column == column) ? atK : nullptr;
        SparseElement* movingR = (atR != nullptr && atR->column == column) ? atR : nullptr;
        if (movingK != nullptr) {
            atK = atK->nextInRow;
        }
        if (movingR != nullptr) {
            atR = atR->nextInRow;
        }
        if (column >= k) {
            ExchangeWithinColumn(ActiveColumnLink(m, column), movingK, movingR, k, r);
        } else {
            if (movingK != nullptr) {
                movingK->row = r;
            }
            if (movingR != nullptr) {
                movingR->row = k;
            }
        }
    }
    std::swap(m->firstInRow[k], m->firstInRow[r]);
    std::swap(m->lastLeft[k], m->lastLeft[r]);
    std::swap(m->markowitzRow[k], m->markowitzRow[r]);
    std::swap(m->internalToExternalRow[k], m->internalToExternalRow[r]);
    m->externalToInternalRow[m->internalToExternalRow[k]] = k;
    m->externalToInternalRow[m->internalToExternalRow[r]] = r;
}

// The same for columns k and r; finished rows before k are sorted when ordering ends.
void ExchangeColumns(SparseMatrix* m, int k, int r) {
    SparseElement* atK = m->firstInColumn[k];
    SparseElement* atR = m->firstInColumn[r];
    while (atK != nullptr || atR != nullptr) {
        int row =
            std::min(atK != nullptr ? atK->row : INT_MAX, atR != nullptr ? atR->row : INT_MAX);
        SparseElement* movingK = (atK != nullptr && atK->row == row) ? atK : nullptr;
        SparseElement* movingR = (atR != nullptr && atR->row == row) ? atR : nullptr;
        if (movingK != nullptr) {
            atK = atK->nextInColumn;
        }
        if (movingR != nullptr) {
            atR = atR->nextInColumn;
        }
        if (row >= k) {
            ExchangeWithinRow(ActiveRowLink(m, row), movingK, movingR, k, r);
        } else {
            if (movingK != nullptr) {
                movingK->column = r;
            }
            if (movingR != nullptr) {
                movingR->column = k;
            }
        }
    }
    std::swap(m->firstInColumn[k], m->firstInColumn[r]);
    std::swap(m->lastAbove[k], m->lastAbove[r]);
    std::swap(m->markowitzColumn[k], m->markowitzColumn[r]);
    std::swap(m->internalToExternalColumn[k], m->internalToExternalColumn[r]);
    m->externalToInternalColumn[m->internalToExternalColumn[k]] = k;
    m->externalToInternalColumn[m->internalToExternalColumn[r]] = r;
}

SparseElement* FindDiagonal(SparseMatrix* m, int i) {
    SparseElement* e = FirstInColumnFrom(m, i, i);
    return (e != nullptr && e->row == i) ? e : nullptr;
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

// A fill-in at (i, j): linked into column j at `columnLink` and into row i after `rowStart`,
// an element of row i left of column j. Its row and column gain one active entry each.
SparseElement* CreateFillIn(SparseMatrix* m, int i, int j, SparseElement** columnLink,
                            SparseElement* rowStart) {
    SparseElement* e = SparseGetFillIn(m);
    if (e == nullptr) {
        return nullptr;
    }
    e->value = 0.0;
    e->row = i;
    e->column = j;
    e->nextInColumn = *columnLink;
    *columnLink = e;
    SparseElement* before = rowStart;
    while (before->nextInRow != nullptr && before->nextInRow->column < j) {
        before = before->nextInRow;
    }
    e->nextInRow = before->nextInRow;
    before->nextInRow = e;
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

// Right-looking elimination with the pivot at (k, k): the pivot becomes its reciprocal, row k
// right of it is divided by the pivot (U), and each element below it (L) updates the active
// submatrix by the outer product.
void Eliminate(SparseMatrix* m, int k) {
    SparseElement* pivot = m->diagonal[k];
    if (pivot->value == 0.0) {
        m->error = kSparseSingular;
        return;
    }
    pivot->value = 1.0 / pivot->value;
    for (SparseElement* u = pivot->nextInRow; u != nullptr; u = u->nextInRow) {
        u->value *= pivot->value;
        // Walk column j below row k in step with column k below the pivot.
        int j = u->column;
        SparseElement** link = &u->nextInColumn;
        for (SparseElement* l = pivot->nextInColumn; l != nullptr; l = l->nextInColumn) {
            int i = l->row;
            while (*link != nullptr && (*link)->row < i) {
                link = &(*link)->nextInColumn;
            }
            SparseElement* target = *link;
            if (target == nullptr || target->row != i) {
                target = CreateFillIn(m, i, j, link, l);
                if (target == nullptr) {
                    m->error = kSparseNoMemory;
                    return;
                }
            }
            target->value -= u->value * l->value;
            link = &target->nextInColumn;
        }
    }
}

// Row k and column k leave the active part.
void UpdateMarkowitz(SparseMatrix* m, int k) {
    SparseElement* pivot = m->diagonal[k];
    for (SparseElement* l = pivot->nextInColumn; l != nullptr; l = l->nextInColumn) {
        int i = l->row;
        m->lastLeft[i] = l;
        --m->markowitzRow[i];
        m->markowitzProduct[i] = MarkowitzProduct(m->markowitzRow[i], m->markowitzColumn[i]);
        if (m->markowitzRow[i] == 0) {
            ++m->singletons;
        }
    }
    for (SparseElement* u = pivot->nextInRow; u != nullptr; u = u->nextInRow) {
        int j = u->column;
        m->lastAbove[j] = u;
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
    std::fill_n(m->lastLeft + 1, m->size, nullptr);
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

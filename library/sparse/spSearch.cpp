// Pivot search of the sparse LU factorisation, at step k of choosing the order. Four searches in
// turn, the first to yield a pivot winning: singletons (product 0), a quick look at the diagonal,
// every acceptable diagonal, and at last the whole active submatrix. Among candidates of equal
// Markowitz product the one best dominating its column wins; a search stops after 5 ties per
// unit of the best product. Rows and active column parts are unordered here (see spFactor.cpp),
// so whatever the order decides is taken in sorted order.

#include <algorithm>
#include <climits>
#include <cmath>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

// The searches stop after this many ties per unit of the best product.
constexpr long long kTiesPerProduct = 5;

// Diagonal positions in search order at step k: k first, then n down to k + 1.
int PositionAt(int step, int k, int n) {
    return step == 0 ? k : n - step + 1;
}

// The active element of column c with the lowest row >= fromRow other than `except`, or null.
SparseElement* LowestInColumn(SparseMatrix* m, int c, int fromRow, const SparseElement* except) {
    SparseElement* lowest = nullptr;
    for (SparseElement* e = *SparseActiveColumnLink(m, c); e != nullptr; e = e->nextInColumn) {
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

// The largest magnitude of active column c, the element holding it (the first met, when several
// do) and the largest magnitude of all the others.
void MeasureColumn(SparseMatrix* m, int c) {
    double largest = 0.0;
    double second = 0.0;
    SparseElement* largestAt = nullptr;
    for (SparseElement* e = *SparseActiveColumnLink(m, c); e != nullptr; e = e->nextInColumn) {
        double magnitude = std::fabs(e->value);
        if (magnitude > largest) {
            second = largest;
            largest = magnitude;
            largestAt = e;
        } else if (magnitude > second) {
            second = magnitude;
        }
    }
    m->columnLargest[c] = largest;
    m->columnLargestAt[c] = largestAt;
    m->columnSecond[c] = second;
    m->columnStale[c] = false;
}

// Largest magnitude in the active part of the candidate's column, the candidate excluded. The
// searches ask this of the same columns step after step, while each step changes only the
// columns of its pivot row: the measure of a column is kept until then.
double LargestOtherInColumn(SparseMatrix* m, const SparseElement* candidate) {
    int c = candidate->column;
    if (m->columnStale[c]) {
        MeasureColumn(m, c);
    }
    return candidate == m->columnLargestAt[c] ? m->columnSecond[c] : m->columnLargest[c];
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

// Every element of the active submatrix, column by column in row order. When nothing passes the
// thresholds the largest element is used with a warning; when everything is zero the matrix is
// singular.
SparseElement* WholeMatrixSearch(SparseMatrix* m, int k) {
    TieBreak search;
    SparseElement* largestElement = nullptr;
    double largestMagnitude = 0.0;
    for (int c = k; c <= m->size; ++c) {
        int count = SparseSortActiveColumn(m, c);
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
            int product = SparseMarkowitzProduct(m->markowitzRow[e->row], m->markowitzColumn[c]);
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

}  // namespace

int SparseSortActiveColumn(SparseMatrix* m, int c) {
    int count = 0;
    for (SparseElement* e = *SparseActiveColumnLink(m, c); e != nullptr; e = e->nextInColumn) {
        m->elementList[count++] = e;
    }
    std::sort(m->elementList, m->elementList + count,
              [](const SparseElement* a, const SparseElement* b) { return a->row < b->row; });
    return count;
}

SparseElement* SparseSearchForPivot(SparseMatrix* m, int k) {
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

// Building a sparse matrix: element access by (row, column), the row lists and clearing values.

#include <cassert>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

// Threads element e, already in its column, into its row after the last element of smaller column.
void LinkIntoRow(SparseMatrix* m, SparseElement* e) {
    SparseElement** link = &m->firstInRow[e->row];
    while (*link != nullptr && (*link)->column < e->column) {
        link = &(*link)->nextInRow;
    }
    e->nextInRow = *link;
    *link = e;
}

}  // namespace

double* SparseElementAt(SparseMatrix* m, int row, int col) {
    assert(m != nullptr && row >= 0 && row <= m->size && col >= 0 && col <= m->size);
    if (row == 0 || col == 0) {
        return &m->scratch.value;
    }
    // After a factorisation the caller's numbering differs from the internal one.
    int i = m->externalToInternalRow[row];
    int j = m->externalToInternalColumn[col];
    if (i == j && m->diagonal[i] != nullptr) {
        return &m->diagonal[i]->value;
    }
    SparseElement** link = &m->firstInColumn[j];
    while (*link != nullptr && (*link)->row < i) {
        link = &(*link)->nextInColumn;
    }
    if (*link != nullptr && (*link)->row == i) {
        return &(*link)->value;
    }

    SparseElement* e = SparseGetElement(m);
    if (e == nullptr) {
        m->error = kSparseNoMemory;
        return nullptr;
    }
    e->value = 0.0;
    e->row = i;
    e->column = j;
    e->nextInRow = nullptr;
    e->nextInColumn = *link;
    *link = e;
    if (i == j) {
        m->diagonal[i] = e;
    }
    if (m->rowsLinked) {
        LinkIntoRow(m, e);
        m->needsOrdering = true;
        m->factorsValid = false;
        m->solveArraysValid = false;
    }
    ++m->elementCount;
    return &e->value;
}

void SparseLinkRows(SparseMatrix* m) {
    if (m->rowsLinked) {
        return;
    }
    // Columns from last to first, each element pushed to the front of its row: the rows end up
    // in ascending column order.
    for (int c = m->size; c >= 1; --c) {
        for (SparseElement* e = m->firstInColumn[c]; e != nullptr; e = e->nextInColumn) {
            e->nextInRow = m->firstInRow[e->row];
            m->firstInRow[e->row] = e;
        }
    }
    m->rowsLinked = true;
}

void SparseClear(SparseMatrix* m) {
    for (int c = 1; c <= m->size; ++c) {
        for (SparseElement* e = m->firstInColumn[c]; e != nullptr; e = e->nextInColumn) {
            e->value = 0.0;
        }
    }
    m->factorsValid = false;
    m->solveArraysValid = false;
}

#pragma once

#include <cstddef>
#include <vector>

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// Square matrix of the unit-cell system stored by rows: each row holds its entries as (column,
// value) pairs, columns ascending, and each column knows the rows holding an entry in it, so that
// rows and columns can both be combined and cleared without touching the rest of the matrix.
// The operations are those of the dense matrix, element by element in the same order, so their
// results are the same to the last bit; absent entries read as zero. 1-based, like CMatrix.
class CFeSparseMatrix {
public:
    struct Entry {
        int column;
        double value;
    };

    explicit CFeSparseMatrix(int n);

    int Size() const { return static_cast<int>(rows_.size()) - 1; }
    double operator()(int row, int column) const;
    // Entries held, explicit zeros included.
    std::size_t EntryCount() const;
    const std::vector<Entry>& Row(int row) const { return rows_[row]; }

    void Add(int row, int column, double value);
    void Set(int row, int column, double value);
    // K(r, to) += beta K(r, from) for every row r.
    void AddColumnMultiple(int from, int to, double beta);
    // K(to, c) += beta K(from, c) for every column c.
    void AddRowMultiple(int from, int to, double beta);
    void ClearRow(int row);
    void ClearColumn(int column);

    CVector operator*(const CVector& x) const;
    CMatrix ToDense() const;

private:
    // The entry (row, column), created as zero when absent.
    double& At(int row, int column);

    std::vector<std::vector<Entry>> rows_;      // index 0 unused
    std::vector<std::vector<int>> columnRows_;  // per column, its rows ascending
};

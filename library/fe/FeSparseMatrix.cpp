#include "FeSparseMatrix.h"

#include <algorithm>
#include <cassert>

namespace {

using Entry = CFeSparseMatrix::Entry;

std::vector<Entry>::const_iterator FindColumn(const std::vector<Entry>& row, int column) {
    return std::lower_bound(row.begin(), row.end(), column,
                            [](const Entry& e, int c) { return e.column < c; });
}

}  // namespace

CFeSparseMatrix::CFeSparseMatrix(int n) : rows_(n + 1), columnRows_(n + 1) {}

double CFeSparseMatrix::operator()(int row, int column) const {
    const std::vector<Entry>& entries = rows_[row];
    auto at = FindColumn(entries, column);
    return at != entries.end() && at->column == column ? at->value : 0.0;
}

std::size_t CFeSparseMatrix::EntryCount() const {
    std::size_t count = 0;
    for (const std::vector<Entry>& row : rows_) {
        count += row.size();
    }
    return count;
}

double& CFeSparseMatrix::At(int row, int column) {
    assert(row >= 1 && row <= Size() && column >= 1 && column <= Size());
    std::vector<Entry>& entries = rows_[row];
    auto at = entries.begin() + (FindColumn(entries, column) - entries.cbegin());
    if (at != entries.end() && at->column == column) {
        return at->value;
    }
    std::vector<int>& rowsOfColumn = columnRows_[column];
    rowsOfColumn.insert(std::lower_bound(rowsOfColumn.begin(), rowsOfColumn.end(), row), row);
    return entries.insert(at, Entry{column, 0.0})->value;
}

void CFeSparseMatrix::Add(int row, int column, double value) {
    At(row, column) += value;
}

void CFeSparseMatrix::Set(int row, int column, double value) {
    At(row, column) = value;
}

void CFeSparseMatrix::AddColumnMultiple(int from, int to, double beta) {
    assert(from != to);
    // Entries created in column `to` do not change the rows of column `from`.
    for (int row : columnRows_[from]) {
        double source = (*this)(row, from);
        At(row, to) += beta * source;
    }
}

void CFeSparseMatrix::AddRowMultiple(int from, int to, double beta) {
    assert(from != to);
    const std::vector<Entry>& source = rows_[from];
    for (std::size_t at = 0; at < source.size(); ++at) {
        At(to, source[at].column) += beta * source[at].value;
    }
}

void CFeSparseMatrix::ClearRow(int row) {
    for (const Entry& e : rows_[row]) {
        std::vector<int>& rowsOfColumn = columnRows_[e.column];
        rowsOfColumn.erase(std::lower_bound(rowsOfColumn.begin(), rowsOfColumn.end(), row));
    }
    rows_[row].clear();
}

void CFeSparseMatrix::ClearColumn(int column) {
    for (int row : columnRows_[column]) {
        std::vector<Entry>& entries = rows_[row];
        entries.erase(entries.begin() + (FindColumn(entries, column) - entries.cbegin()));
    }
    columnRows_[column].clear();
}

// Each row's sum runs over its entries in column order, as the dense product does over all
// columns: the zeros it skips add nothing.
CVector CFeSparseMatrix::operator*(const CVector& x) const {
    assert(x.Size() == Size());
    CVector product(Size());
    for (int r = 1; r <= Size(); ++r) {
        double sum = 0.0;
        for (const Entry& e : rows_[r]) {
            sum += e.value * x(e.column);
        }
        product(r) = sum;
    }
    return product;
}

CMatrix CFeSparseMatrix::ToDense() const {
    CMatrix dense(Size(), Size());
    for (int r = 1; r <= Size(); ++r) {
        for (const Entry& e : rows_[r]) {
            dense(r, e.column) = e.value;
        }
    }
    return dense;
}

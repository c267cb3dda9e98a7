#pragma once

#include <algorithm>

// Dense row-major matrix of 32-bit integers with 1-based access (node and connectivity tables).
// Owns its buffer; copies are deep; assignment copies elements between equal shapes.
class CIntMatrix {
public:
    CIntMatrix(int rows, int cols, bool zero = true)
        : data_(new int[rows > 0 && cols > 0 ? rows * cols : 0]), cols_(cols), rows_(rows) {
        if (zero) {
            std::fill(data_, data_ + Count(), 0);
        }
    }
    CIntMatrix(const CIntMatrix& other)
        : data_(new int[other.Count()]), cols_(other.cols_), rows_(other.rows_) {
        std::copy(other.data_, other.data_ + Count(), data_);
    }
    CIntMatrix& operator=(const CIntMatrix& other) {
        if (this != &other) {
            std::copy(other.data_, other.data_ + Count(), data_);
        }
        return *this;
    }
    ~CIntMatrix() { delete[] data_; }

    int& operator()(int i, int j) { return data_[(i - 1) * cols_ + (j - 1)]; }
    int operator()(int i, int j) const { return data_[(i - 1) * cols_ + (j - 1)]; }
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

private:
    int Count() const { return rows_ > 0 && cols_ > 0 ? rows_ * cols_ : 0; }

    int* data_;
    int cols_;
    int rows_;
};

#include "Matrix.h"

#include <algorithm>
#include <limits>

#include "IntVector.h"
#include "LUDecompose.h"

CMatrix::CMatrix(int rows, int cols, bool zero)
    : data_(new double[rows > 0 && cols > 0 ? rows * cols : 0]), cols_(cols), rows_(rows) {
    if (zero) {
        Fill(0.0);
    }
}

CMatrix::CMatrix(const CMatrix& other)
    : data_(new double[other.Count()]), cols_(other.cols_), rows_(other.rows_) {
    std::copy(other.data_, other.data_ + Count(), data_);
}

CMatrix::~CMatrix() {
    delete[] data_;
}

void CMatrix::Fill(double v) {
    std::fill(data_, data_ + Count(), v);
}

CMatrix& CMatrix::operator=(const CMatrix& other) {
    if (this != &other) {
        std::copy(other.data_, other.data_ + Count(), data_);
    }
    return *this;
}

CMatrix CMatrix::operator+(const CMatrix& other) const {
    CMatrix sum(rows_, cols_, false);
    for (int k = 0; k < Count(); ++k) {
        sum.data_[k] = data_[k] + other.data_[k];
    }
    return sum;
}

CMatrix CMatrix::operator-(const CMatrix& other) const {
    CMatrix difference(rows_, cols_, false);
    for (int k = 0; k < Count(); ++k) {
        difference.data_[k] = data_[k] - other.data_[k];
    }
    return difference;
}

CMatrix& CMatrix::operator+=(const CMatrix& other) {
    for (int k = 0; k < Count(); ++k) {
        data_[k] += other.data_[k];
    }
    return *this;
}

CMatrix CMatrix::operator*(double s) const {
    CMatrix scaled(rows_, cols_, false);
    for (int k = 0; k < Count(); ++k) {
        scaled.data_[k] = data_[k] * s;
    }
    return scaled;
}

CMatrix& CMatrix::operator*=(double s) {
    for (int k = 0; k < Count(); ++k) {
        data_[k] *= s;
    }
    return *this;
}

CVector CMatrix::operator*(const CVector& x) const {
    CVector product(rows_);
    for (int i = 1; i <= rows_; ++i) {
        double sum = 0.0;
        for (int j = 1; j <= cols_; ++j) {
            sum += (*this)(i, j) * x(j);
        }
        product(i) = sum;
    }
    return product;
}

CMatrix CMatrix::operator*(const CMatrix& other) const {
    CMatrix product(rows_, other.cols_);
    for (int i = 1; i <= rows_; ++i) {
        for (int k = 1; k <= other.cols_; ++k) {
            double sum = 0.0;
            for (int j = 1; j <= cols_; ++j) {
                sum += (*this)(i, j) * other(j, k);
            }
            product(i, k) = sum;
        }
    }
    return product;
}

CMatrix CMatrix::Transpose() const {
    CMatrix transposed(cols_, rows_, false);
    for (int i = 1; i <= rows_; ++i) {
        for (int j = 1; j <= cols_; ++j) {
            transposed(j, i) = (*this)(i, j);
        }
    }
    return transposed;
}

CMatrix CMatrix::SubMatrix(int r1, int r2, int c1, int c2) const {
    CMatrix block(r2 - r1 + 1, c2 - c1 + 1, false);
    for (int i = r1; i <= r2; ++i) {
        for (int j = c1; j <= c2; ++j) {
            block(i - r1 + 1, j - c1 + 1) = (*this)(i, j);
        }
    }
    return block;
}

CMatrix CMatrix::Inverse() const {
    CMatrix factors(*this);
    CIntVector index(cols_);
    CMatrix inverse(rows_, cols_, false);
    if (!LUDecompose(factors, index)) {
        inverse.Fill(std::numeric_limits<double>::quiet_NaN());
        return inverse;
    }
    CVector column(cols_);
    for (int j = 1; j <= cols_; ++j) {
        column.Fill(0.0);
        column(j) = 1.0;
        LUSubstitute(factors, index, column);
        for (int i = 1; i <= rows_; ++i) {
            inverse(i, j) = column(i);
        }
    }
    return inverse;
}

CVector CMatrix::Solve(CVector b) const {
    bool allZero = std::all_of(b.Data(), b.Data() + b.Size(), [](double v) { return v == 0.0; });
    if (allZero) {
        return b;
    }
    CMatrix factors(*this);
    CIntVector index(cols_);
    if (!LUDecompose(factors, index)) {
        b.Fill(std::numeric_limits<double>::quiet_NaN());
        return b;
    }
    LUSubstitute(factors, index, b);
    return b;
}

#pragma once

#include "Vector.h"

// Dense row-major matrix of doubles with 1-based access and value semantics: element (i, j) lies
// at (i - 1) * cols + (j - 1). Owns its buffer. Assignment copies the elements of the target's own
// shape without reallocating: shapes must agree. Products accumulate in ascending index order.
class CMatrix {
public:
    CMatrix(int rows, int cols, bool zero = true);
    CMatrix(const CMatrix& other);
    ~CMatrix();

    double& operator()(int i, int j) { return data_[(i - 1) * cols_ + (j - 1)]; }
    double operator()(int i, int j) const { return data_[(i - 1) * cols_ + (j - 1)]; }
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    double* Data() { return data_; }
    const double* Data() const { return data_; }

    void Fill(double v);
    CMatrix& operator=(const CMatrix& other);
    CMatrix operator+(const CMatrix& other) const;
    CMatrix operator-(const CMatrix& other) const;
    CMatrix& operator+=(const CMatrix& other);
    CMatrix operator*(double s) const;
    CMatrix& operator*=(double s);
    CVector operator*(const CVector& x) const;
    CMatrix operator*(const CMatrix& other) const;
    CMatrix Transpose() const;
    // Rows r1..r2 and columns c1..c2 (1-based, inclusive) as a new matrix.
    CMatrix SubMatrix(int r1, int r2, int c1, int c2) const;

    // Inverse of a square matrix by LU factorisation. A matrix with an all-zero row (or a row
    // whose only non-zero entries are NaN) cannot be factorised: the result is then all NaN.
    CMatrix Inverse() const;
    // x with A x = b by LU factorisation. An all-zero b returns the zero vector without
    // factorising. A matrix that cannot be factorised (see Inverse) gives an all-NaN x.
    CVector Solve(CVector b) const;

private:
    int Count() const { return rows_ > 0 && cols_ > 0 ? rows_ * cols_ : 0; }

    double* data_;
    int cols_;
    int rows_;
};

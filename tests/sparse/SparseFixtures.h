#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>
#include <vector>

#include "numerics/Matrix.h"
#include "sparse/SparseMatrix.h"

// Owns a sparse matrix for the length of a test.
class CSparseHolder {
public:
    explicit CSparseHolder(int n) { matrix_ = SparseCreate(n, 0, &createError_); }
    ~CSparseHolder() { SparseDestroy(matrix_); }
    CSparseHolder(const CSparseHolder&) = delete;
    CSparseHolder& operator=(const CSparseHolder&) = delete;

    SparseMatrix* get() const { return matrix_; }
    int CreateError() const { return createError_; }

private:
    int createError_ = -1;
    SparseMatrix* matrix_ = nullptr;
};

inline CMatrix Square(int n, std::initializer_list<double> values) {
    CMatrix a(n, n);
    auto value = values.begin();
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            a(i, j) = *value++;
        }
    }
    return a;
}

// Stores the non-zero entries of a, row by row.
inline void Load(SparseMatrix* m, const CMatrix& a) {
    for (int i = 1; i <= a.Rows(); ++i) {
        for (int j = 1; j <= a.Cols(); ++j) {
            if (a(i, j) != 0.0) {
                *SparseElementAt(m, i, j) = a(i, j);
            }
        }
    }
}

// Random n x n matrix with about `density` of its off-diagonal entries non-zero and a diagonal
// that keeps it comfortably regular.
inline CMatrix RandomSparse(int n, double density, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    CMatrix a(n, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (i != j && chance(generator) < density) {
                a(i, j) = value(generator);
            }
        }
        a(i, i) = 2.0 + n * density + value(generator);
    }
    return a;
}

// The rows of a in a fixed scrambled order: a regular matrix whose diagonal is mostly zero, so
// most pivots must come from off the diagonal.
inline CMatrix ScrambledRows(const CMatrix& a, unsigned seed) {
    int n = a.Rows();
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i) {
        order[i] = i + 1;
    }
    std::mt19937 generator(seed);
    std::shuffle(order.begin(), order.end(), generator);
    CMatrix scrambled(n, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            scrambled(i, j) = a(order[i - 1], j);
        }
    }
    return scrambled;
}

inline CVector RandomVector(int n, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    CVector b(n);
    for (int i = 1; i <= n; ++i) {
        b(i) = value(generator);
    }
    return b;
}

// Largest |A x - b| relative to the scale |A| |x| + |b| of the terms.
inline double RelativeResidual(const CMatrix& a, const CVector& x, const CVector& b) {
    double worst = 0.0;
    for (int i = 1; i <= a.Rows(); ++i) {
        double sum = -b(i);
        double scale = std::fabs(b(i));
        for (int j = 1; j <= a.Cols(); ++j) {
            sum += a(i, j) * x(j);
            scale += std::fabs(a(i, j) * x(j));
        }
        double ratio = std::fabs(sum) / std::max(scale, 1e-300);
        if (!(ratio <= worst)) {  // a NaN residual must not hide
            worst = ratio;
        }
    }
    return worst;
}

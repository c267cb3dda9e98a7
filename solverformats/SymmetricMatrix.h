#pragma once

#include <array>
#include <cmath>
#include <cstddef>

// Small dense matrices of the exporters: row-major std::array, 0-based. Only what a material card
// needs: products, the inverse of a symmetric positive-definite matrix, and the test for positive
// definiteness that tells a usable stiffness from one a solver would reject.
template <std::size_t N>
using SquareMatrix = std::array<std::array<double, N>, N>;

template <std::size_t N>
using ColumnVector = std::array<double, N>;

using Matrix3 = SquareMatrix<3>;
using Matrix6 = SquareMatrix<6>;
using Vector3 = ColumnVector<3>;

// The inverse of a symmetric matrix by its Cholesky factor L (m = L L^T). False, with `inverse`
// untouched, when m is not positive definite (a pivot not positive, or not finite): a stiffness
// or compliance that stores no energy for some strain is no material.
template <std::size_t N>
bool InvertPositiveDefinite(const SquareMatrix<N>& m, SquareMatrix<N>& inverse) {
    SquareMatrix<N> lower{};
    for (std::size_t j = 0; j < N; ++j) {
        double pivot = m[j][j];
        for (std::size_t k = 0; k < j; ++k) {
            pivot -= lower[j][k] * lower[j][k];
        }
        if (!(pivot > 0.0) || !std::isfinite(pivot)) {
            return false;
        }
        lower[j][j] = std::sqrt(pivot);
        for (std::size_t i = j + 1; i < N; ++i) {
            double sum = m[i][j];
            for (std::size_t k = 0; k < j; ++k) {
                sum -= lower[i][k] * lower[j][k];
            }
            lower[i][j] = sum / lower[j][j];
        }
    }
    // Columns of the inverse: solve L y = e_c, then L^T x = y.
    SquareMatrix<N> result{};
    for (std::size_t c = 0; c < N; ++c) {
        ColumnVector<N> y{};
        for (std::size_t i = 0; i < N; ++i) {
            double sum = i == c ? 1.0 : 0.0;
            for (std::size_t k = 0; k < i; ++k) {
                sum -= lower[i][k] * y[k];
            }
            y[i] = sum / lower[i][i];
        }
        for (std::size_t i = N; i-- > 0;) {
            double sum = y[i];
            for (std::size_t k = i + 1; k < N; ++k) {
                sum -= lower[k][i] * result[k][c];
            }
            result[i][c] = sum / lower[i][i];
        }
    }
    inverse = result;
    return true;
}

template <std::size_t N>
ColumnVector<N> Multiply(const SquareMatrix<N>& m, const ColumnVector<N>& v) {
    ColumnVector<N> product{};
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = 0; j < N; ++j) {
            product[i] += m[i][j] * v[j];
        }
    }
    return product;
}

// A symmetric 3x3 matrix from its upper triangle given row by row: m11 m12 m16 / m22 m26 / m66.
inline Matrix3 SymmetricFromUpper(const double* upper) {
    return {{{upper[0], upper[1], upper[2]},
             {upper[1], upper[3], upper[4]},
             {upper[2], upper[4], upper[5]}}};
}

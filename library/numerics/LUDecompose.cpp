#include "LUDecompose.h"

#include <cmath>

namespace {

constexpr double kZeroPivotReplacement = 1e-15;

// 1 / (largest magnitude) per row; false when some row has nothing to scale by.
bool RowScales(const CMatrix& a, CVector& scale) {
    int n = a.Rows();
    for (int i = 1; i <= n; ++i) {
        double big = std::fabs(a(i, 1));
        for (int j = 2; j <= n; ++j) {
            double magnitude = std::fabs(a(i, j));
            if (magnitude > big) {
                big = magnitude;
            }
        }
        // Written as a negated comparison so that a NaN maximum counts as no pivot too.
        if (!(big > 0.0)) {
            return false;
        }
        scale(i) = 1.0 / big;
    }
    return true;
}

void ExchangeRows(CMatrix& a, int r1, int r2) {
    for (int k = 1; k <= a.Cols(); ++k) {
        double held = a(r1, k);
        a(r1, k) = a(r2, k);
        a(r2, k) = held;
    }
}

}  // namespace

bool LUDecompose(CMatrix& a, CIntVector& index) {
    int n = a.Rows();
    CVector scale(n);
    if (!RowScales(a, scale)) {
        return false;
    }
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i < j; ++i) {
            double sum = a(i, j);
            for (int k = i - 1; k >= 1; --k) {
                sum -= a(i, k) * a(k, j);
            }
            a(i, j) = sum;
        }
        double big = 0.0;
        int imax = 1;
        for (int i = j; i <= n; ++i) {
            double sum = a(i, j);
            for (int k = 1; k < j; ++k) {
                sum -= a(i, k) * a(k, j);
            }
            a(i, j) = sum;
            double merit = scale(i) * std::fabs(sum);
            if (merit >= big) {  // ties go to the later row
                big = merit;
                imax = i;
            }
        }
        if (imax != j) {
            ExchangeRows(a, imax, j);
            scale(imax) = scale(j);
        }
        index(j) = imax;
        if (j < n) {
            if (a(j, j) == 0.0) {
                a(j, j) = kZeroPivotReplacement;
            }
            double reciprocal = 1.0 / a(j, j);
            for (int i = j + 1; i <= n; ++i) {
                a(i, j) *= reciprocal;
            }
        }
    }
    if (n > 0 && a(n, n) == 0.0) {
        a(n, n) = kZeroPivotReplacement;
    }
    return true;
}

void LUSubstitute(const CMatrix& a, const CIntVector& index, CVector& b) {
    int n = a.Rows();
    // Forward substitution starts at the first non-zero entry of the permuted right-hand side.
    int first = n + 1;
    for (int i = 1; i <= n; ++i) {
        int p = index(i);
        double s = b(p);
        b(p) = b(i);
        b(i) = s;
        if (s != 0.0) {
            first = i;
            break;
        }
    }
    for (int i = first + 1; i <= n; ++i) {
        int p = index(i);
        double s = b(p);
        b(p) = b(i);
        for (int k = first; k < i; ++k) {
            s -= a(i, k) * b(k);
        }
        b(i) = s;
    }
    if (first > n) {
        return;  // all-zero right-hand side: the solution is zero
    }
    for (int i = n; i >= 1; --i) {
        double s = b(i);
        for (int k = i + 1; k <= n; ++k) {
            s -= a(i, k) * b(k);
        }
        b(i) = s / a(i, i);
    }
}

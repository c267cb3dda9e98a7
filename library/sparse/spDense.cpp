// Dense LU with partial pivoting for the trailing submatrix of a sparse factorisation, once it has
// filled in: on a full block, linked lists only add pointer chasing to the same arithmetic.
//
// Blocked right-looking elimination (panels of kPanel columns): each panel is factored column by
// column, its rows of U follow by a triangular solve, and the rest of the block receives the
// panel's whole update at once, a matrix product that runs from cache in small register tiles.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "sparse/SparseInternal.h"

namespace {

constexpr int kPanel = 48;         // columns eliminated together
constexpr int kColumnChunk = 256;  // columns of U kept in cache by the product
constexpr int kTileRows = 4;
constexpr int kTileLanes = 4;

// Four doubles operated on together: two SSE2 registers, or one AVX register where the
// processor has it (the product is compiled for both and chosen when the library loads).
typedef double Lanes __attribute__((vector_size(4 * sizeof(double))));

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define CORVEL_TARGET_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define CORVEL_TARGET_CLONES
#endif

// A(rows, columns) -= L(rows, depth) U(depth, columns), all three inside the row-major block a of
// leading dimension ld: L starts at (row0, k0), U at (k0, column0), A at (row0, column0).
CORVEL_TARGET_CLONES
void SubtractProduct(double* a, int ld, int row0, int rowEnd, int column0, int columnEnd, int k0,
                     int depth) {
    for (int chunk = column0; chunk < columnEnd; chunk += kColumnChunk) {
        const int chunkEnd = std::min(chunk + kColumnChunk, columnEnd);
        int i = row0;
        for (; i + kTileRows <= rowEnd; i += kTileRows) {
            int c = chunk;
            for (; c + 2 * kTileLanes <= chunkEnd; c += 2 * kTileLanes) {
                // A 4 x 8 tile of sums, held in named variables so that they stay in registers.
                Lanes s00 = {}, s01 = {}, s10 = {}, s11 = {}, s20 = {}, s21 = {}, s30 = {},
                      s31 = {};
                const double* l0 = a + static_cast<long>(i) * ld + k0;
                const double* l1 = l0 + ld;
                const double* l2 = l1 + ld;
                const double* l3 = l2 + ld;
                for (int k = 0; k < depth; ++k) {
                    const double* u = a + static_cast<long>(k0 + k) * ld + c;
                    Lanes u0;
                    Lanes u1;
                    std::memcpy(&u0, u, sizeof u0);
                    std::memcpy(&u1, u + kTileLanes, sizeof u1);
                    s00 += l0[k] * u0;
                    s01 += l0[k] * u1;
                    s10 += l1[k] * u0;
                    s11 += l1[k] * u1;
                    s20 += l2[k] * u0;
                    s21 += l2[k] * u1;
                    s30 += l3[k] * u0;
                    s31 += l3[k] * u1;
                }
                const Lanes sums[kTileRows][2] = {{s00, s01}, {s10, s11}, {s20, s21}, {s30, s31}};
                for (int r = 0; r < kTileRows; ++r) {
                    double* target = a + static_cast<long>(i + r) * ld + c;
                    Lanes t0;
                    Lanes t1;
                    std::memcpy(&t0, target, sizeof t0);
                    std::memcpy(&t1, target + kTileLanes, sizeof t1);
                    t0 -= sums[r][0];
                    t1 -= sums[r][1];
                    std::memcpy(target, &t0, sizeof t0);
                    std::memcpy(target + kTileLanes, &t1, sizeof t1);
                }
            }
            for (; c < chunkEnd; ++c) {
                for (int r = 0; r < kTileRows; ++r) {
                    double sum = 0.0;
                    for (int k = 0; k < depth; ++k) {
                        sum += a[static_cast<long>(i + r) * ld + k0 + k] *
                               a[static_cast<long>(k0 + k) * ld + c];
                    }
                    a[static_cast<long>(i + r) * ld + c] -= sum;
                }
            }
        }
        for (; i < rowEnd; ++i) {
            for (int k = 0; k < depth; ++k) {
                const double l = a[static_cast<long>(i) * ld + k0 + k];
                const double* u = a + static_cast<long>(k0 + k) * ld;
                double* target = a + static_cast<long>(i) * ld;
                for (int c = chunk; c < chunkEnd; ++c) {
                    target[c] -= l * u[c];
                }
            }
        }
    }
}

void SwapRows(double* a, int n, int r1, int r2) {
    std::swap_ranges(a + static_cast<long>(r1) * n, a + static_cast<long>(r1 + 1) * n,
                     a + static_cast<long>(r2) * n);
}

// Columns j0..j0+width-1 from row j0 down: the pivot of each column is its largest entry at or
// below the diagonal (the diagonal when nothing is larger), and its row exchange spans the whole
// block. False when a column has nothing but zeros left.
bool FactorPanel(double* a, int n, int j0, int width, int* swaps) {
    for (int j = j0; j < j0 + width; ++j) {
        int pivotRow = j;
        double largest = std::fabs(a[static_cast<long>(j) * n + j]);
        for (int i = j + 1; i < n; ++i) {
            double magnitude = std::fabs(a[static_cast<long>(i) * n + j]);
            if (magnitude > largest) {
                largest = magnitude;
                pivotRow = i;
            }
        }
        if (largest == 0.0) {
            return false;
        }
        swaps[j] = pivotRow;
        if (pivotRow != j) {
            SwapRows(a, n, j, pivotRow);
        }
        const double pivot = a[static_cast<long>(j) * n + j];
        for (int i = j + 1; i < n; ++i) {
            double& l = a[static_cast<long>(i) * n + j];
            l /= pivot;
            if (l != 0.0) {
                const double* u = a + static_cast<long>(j) * n;
                double* row = a + static_cast<long>(i) * n;
                for (int c = j + 1; c < j0 + width; ++c) {
                    row[c] -= l * u[c];
                }
            }
        }
    }
    return true;
}

// Rows j0..j0+width-1 right of the panel: U = L11^-1 A12, L11 unit lower triangular.
void SolvePanelRows(double* a, int n, int j0, int width) {
    for (int r = j0 + 1; r < j0 + width; ++r) {
        double* row = a + static_cast<long>(r) * n;
        for (int k = j0; k < r; ++k) {
            const double l = row[k];
            if (l == 0.0) {
                continue;
            }
            const double* u = a + static_cast<long>(k) * n;
            for (int c = j0 + width; c < n; ++c) {
                row[c] -= l * u[c];
            }
        }
    }
}

}  // namespace

bool SparseDenseLU(double* a, int n, int* swaps) {
    for (int j0 = 0; j0 < n; j0 += kPanel) {
        const int width = std::min(kPanel, n - j0);
        if (!FactorPanel(a, n, j0, width, swaps)) {
            return false;
        }
        SolvePanelRows(a, n, j0, width);
        SubtractProduct(a, n, j0 + width, n, j0 + width, n, j0, width);
    }
    return true;
}

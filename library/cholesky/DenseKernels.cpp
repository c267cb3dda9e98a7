// Blocked dense Cholesky on the fronts of the supernodal factorisation: each front is factored in
// panels of kPanel columns, and everything right of a panel receives the panel's whole update at
// once through a matrix product that runs in small register tiles from blocks kept in cache.

#include "cholesky/DenseKernels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kPanel = 32;        // columns of a front eliminated together
constexpr int kDepthBlock = 192;  // depth of the product kept in cache
constexpr int kRowBlock = 96;     // rows of A kept in cache
constexpr int kTileRows = 8;
constexpr int kTileColumns = 4;

// Four doubles operated on together: two SSE2 registers, or one AVX register where the processor
// has it (the product is compiled for both and chosen when the library loads).
typedef double Lanes __attribute__((vector_size(4 * sizeof(double))));

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define CHOLESKY_TARGET_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define CHOLESKY_TARGET_CLONES
#endif

// Unaligned loads and stores through memcpy, which compiles to single vector moves; the lanes
// travel by reference, as a vector passed by value would change the calling convention.
__attribute__((always_inline)) inline void Load(Lanes& v, const double* p) {
    std::memcpy(&v, p, sizeof v);
}

__attribute__((always_inline)) inline void SubtractFrom(double* p, const Lanes& v) {
    Lanes t;
    Load(t, p);
    t -= v;
    std::memcpy(p, &t, sizeof t);
}

// An 8 x 4 tile of C at (i, j), its 32 sums held in eight registers.
__attribute__((always_inline)) inline void Tile(double* c, int ldc, const double* a, int lda,
                                                const double* b, int ldb, int depth) {
    Lanes s00 = {}, s01 = {}, s02 = {}, s03 = {}, s10 = {}, s11 = {}, s12 = {}, s13 = {};
    for (int k = 0; k < depth; ++k) {
        Lanes a0;
        Lanes a1;
        Load(a0, a + static_cast<long>(k) * lda);
        Load(a1, a + static_cast<long>(k) * lda + 4);
        const double* bk = b + static_cast<long>(k) * ldb;
        s00 += a0 * bk[0];
        s10 += a1 * bk[0];
        s01 += a0 * bk[1];
        s11 += a1 * bk[1];
        s02 += a0 * bk[2];
        s12 += a1 * bk[2];
        s03 += a0 * bk[3];
        s13 += a1 * bk[3];
    }
    const Lanes top[kTileColumns] = {s00, s01, s02, s03};
    const Lanes bottom[kTileColumns] = {s10, s11, s12, s13};
    for (int q = 0; q < kTileColumns; ++q) {
        SubtractFrom(c + static_cast<long>(q) * ldc, top[q]);
        SubtractFrom(c + static_cast<long>(q) * ldc + 4, bottom[q]);
    }
}

// Rows i0..i1-1 of columns j..j+width-1 of C, element by element.
__attribute__((always_inline)) inline void Edge(double* c, int ldc, int i0, int i1, int j,
                                                int width, const double* a, int lda,
                                                const double* b, int ldb, int depth) {
    for (int q = j; q < j + width; ++q) {
        for (int i = i0; i < i1; ++i) {
            double sum = 0.0;
            for (int k = 0; k < depth; ++k) {
                sum += a[i + static_cast<long>(k) * lda] * b[q + static_cast<long>(k) * ldb];
            }
            c[i + static_cast<long>(q) * ldc] -= sum;
        }
    }
}

}  // namespace

CHOLESKY_TARGET_CLONES
void CholeskySubtractProduct(double* c, int ldc, int rows, int columns, const double* a, int lda,
                             const double* b, int ldb, int depth, bool lower) {
    for (int k0 = 0; k0 < depth; k0 += kDepthBlock) {
        const int kd = std::min(kDepthBlock, depth - k0);
        const double* ak = a + static_cast<long>(k0) * lda;
        const double* bk = b + static_cast<long>(k0) * ldb;
        for (int i0 = 0; i0 < rows; i0 += kRowBlock) {
            const int i1 = std::min(rows, i0 + kRowBlock);
            const int columnEnd = lower ? std::min(columns, i1) : columns;
            for (int j = 0; j < columnEnd; j += kTileColumns) {
                const int width = std::min(kTileColumns, columnEnd - j);
                int i = lower ? std::max(i0, j) : i0;
                if (width == kTileColumns) {
                    for (; i + kTileRows <= i1; i += kTileRows) {
                        Tile(c + i + static_cast<long>(j) * ldc, ldc, ak + i, lda, bk + j, ldb, kd);
                    }
                }
                Edge(c, ldc, i, i1, j, width, ak, lda, bk, ldb, kd);
            }
        }
    }
}

int CholeskyFactorFront(double* columns, int m, int w, double* update, const double* pivotFloor) {
    for (int j0 = 0; j0 < w; j0 += kPanel) {
        const int width = std::min(kPanel, w - j0);
        // The panel column by column: each takes the updates of the panel's earlier columns,
        // then is scaled by its pivot.
        for (int j = j0; j < j0 + width; ++j) {
            double* column = columns + static_cast<long>(j) * m;
            for (int k = j0; k < j; ++k) {
                const double* earlier = columns + static_cast<long>(k) * m;
                const double factor = earlier[j];
                for (int i = j; i < m; ++i) {
                    column[i] -= factor * earlier[i];
                }
            }
            const double pivot = column[j];
            if (!(pivot > pivotFloor[j]) || !std::isfinite(pivot)) {
                return j;
            }
            const double diagonal = std::sqrt(pivot);
            column[j] = diagonal;
            const double scale = 1.0 / diagonal;
            for (int i = j + 1; i < m; ++i) {
                column[i] *= scale;
            }
        }
        // The columns right of the panel within the supernode.
        const int next = j0 + width;
        if (next < w) {
            const double* panel = columns + next + static_cast<long>(j0) * m;
            CholeskySubtractProduct(columns + next + static_cast<long>(next) * m, m, m - next,
                                    w - next, panel, m, panel, m, width, true);
        }
    }
    // The Schur complement left for the ancestors, in one product of depth w.
    const int rest = m - w;
    if (rest > 0) {
        const double* below = columns + w;
        CholeskySubtractProduct(update, rest, rest, rest, below, m, below, m, w, true);
    }
    return -1;
}

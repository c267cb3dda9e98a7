#include "cholesky/SparseCholesky.h"

#include <algorithm>
#include <cstring>

#include "cholesky/DenseKernels.h"

namespace {

thread_local int failingAllocation = 0;

}  // namespace

void CholeskyFailNthAllocation(int nth) {
    failingAllocation = nth;
}

bool CholeskyAllocationAllowed() {
    if (failingAllocation > 0 && --failingAllocation == 0) {
        return false;
    }
    return true;
}

CholeskyStatus CSparseCholesky::Analyse(int n, const int* columnStart, const int* rowIndex) {
    analysed_ = false;
    factored_ = false;
    if (n <= 0 || columnStart == nullptr || rowIndex == nullptr) {
        return CholeskyStatus::BadArgument;
    }
    if (!symbolic_.Analyse(n, columnStart, rowIndex) || !relative_.Allocate(n)) {
        return CholeskyStatus::NoMemory;
    }
    analysed_ = true;
    return CholeskyStatus::Ok;
}

// Supernode s's front: its own columns (in its block of L) and the lower triangle of the rest
// (in `update`), from the matrix's entries and the children's Schur complements on the stack;
// and the smallest pivot each column accepts.
void CSparseCholesky::Assemble(int s, const double* values, double* columns, double* update,
                               double* pivotFloor) {
    const int first = symbolic_.FirstColumn(s);
    const int w = symbolic_.Width(s);
    const int m = symbolic_.RowCount(s);
    const int rest = m - w;
    const int* rows = symbolic_.Rows(s);
    std::fill_n(columns, static_cast<std::size_t>(m) * w, 0.0);
    std::fill_n(update, static_cast<std::size_t>(rest) * rest, 0.0);
    for (int t = 0; t < m; ++t) {
        relative_[rows[t]] = t;
    }
    for (int j = 0; j < w; ++j) {
        double* column = columns + static_cast<std::size_t>(j) * m;
        for (int e = symbolic_.EntryStart(first + j); e < symbolic_.EntryStart(first + j + 1);
             ++e) {
            column[relative_[symbolic_.EntryRow(e)]] += values[symbolic_.EntrySource(e)];
        }
        pivotFloor[j] = std::max(0.0, kCholeskyRelativePivot * column[j]);
    }
    // Extend-add: both fronts list their rows ascending, so a child's lower triangle lands in
    // the parent's lower triangle.
    const double* stack = factor_.Data() + symbolic_.BlockTotal();
    for (int c = 0; c < symbolic_.ChildCount(s); ++c) {
        const int child = symbolic_.Children(s)[c];
        const int childRest = symbolic_.RowCount(child) - symbolic_.Width(child);
        const int* childRows = symbolic_.Rows(child) + symbolic_.Width(child);
        const double* complement = stack + symbolic_.UpdateOffset(child);
        for (int b = 0; b < childRest; ++b) {
            const int target = relative_[childRows[b]];
            const double* source = complement + static_cast<std::size_t>(b) * childRest;
            if (target < w) {
                double* column = columns + static_cast<std::size_t>(target) * m;
                for (int a = b; a < childRest; ++a) {
                    column[relative_[childRows[a]]] += source[a];
                }
            } else {
                double* column = update + static_cast<std::size_t>(target - w) * rest;
                for (int a = b; a < childRest; ++a) {
                    column[relative_[childRows[a]] - w] += source[a];
                }
            }
        }
    }
}

CholeskyStatus CSparseCholesky::Factor(const double* values) {
    factored_ = false;
    notPositiveColumn_ = -1;
    if (!analysed_ || values == nullptr) {
        return CholeskyStatus::BadArgument;
    }
    // One block for L and, after it, the update stack; the front's complement is formed apart
    // and moved onto the stack once the children's have been read.
    CCholeskyBuffer<double> update;
    CCholeskyBuffer<double> pivotFloor;
    if (!factor_.Allocate(symbolic_.BlockTotal() + symbolic_.StackSize()) ||
        !update.Allocate(symbolic_.LargestUpdate()) || !pivotFloor.Allocate(symbolic_.Size())) {
        factor_.Release();
        return CholeskyStatus::NoMemory;
    }
    double* stack = factor_.Data() + symbolic_.BlockTotal();
    for (int s = 0; s < symbolic_.SupernodeCount(); ++s) {
        const int w = symbolic_.Width(s);
        const int m = symbolic_.RowCount(s);
        double* columns = factor_.Data() + symbolic_.BlockStart(s);
        Assemble(s, values, columns, update.Data(), pivotFloor.Data());
        const int failed = CholeskyFactorFront(columns, m, w, update.Data(), pivotFloor.Data());
        if (failed >= 0) {
            notPositiveColumn_ = symbolic_.Original(symbolic_.FirstColumn(s) + failed);
            return CholeskyStatus::NotPositive;
        }
        const std::size_t rest = static_cast<std::size_t>(m - w);
        std::memcpy(stack + symbolic_.UpdateOffset(s), update.Data(), rest * rest * sizeof(double));
    }
    factored_ = true;
    return CholeskyStatus::Ok;
}

// L Y = B, supernode by supernode: the diagonal block's triangle, then each row below takes the
// supernode's contribution at once. x holds `count` values per position, row by row.
void CSparseCholesky::SolveForward(int count, double* x) const {
    for (int s = 0; s < symbolic_.SupernodeCount(); ++s) {
        const int w = symbolic_.Width(s);
        const int m = symbolic_.RowCount(s);
        const int* rows = symbolic_.Rows(s);
        const double* L = factor_.Data() + symbolic_.BlockStart(s);
        double* y = x + static_cast<std::size_t>(symbolic_.FirstColumn(s)) * count;
        for (int j = 0; j < w; ++j) {
            const double* column = L + static_cast<std::size_t>(j) * m;
            double* yj = y + static_cast<std::size_t>(j) * count;
            const double inverse = 1.0 / column[j];
            for (int c = 0; c < count; ++c) {
                yj[c] *= inverse;
            }
            for (int i = j + 1; i < w; ++i) {
                double* yi = y + static_cast<std::size_t>(i) * count;
                for (int c = 0; c < count; ++c) {
                    yi[c] -= column[i] * yj[c];
                }
            }
        }
        for (int i = w; i < m; ++i) {
            double* target = x + static_cast<std::size_t>(rows[i]) * count;
            for (int j = 0; j < w; ++j) {
                const double l = L[i + static_cast<std::size_t>(j) * m];
                const double* yj = y + static_cast<std::size_t>(j) * count;
                for (int c = 0; c < count; ++c) {
                    target[c] -= l * yj[c];
                }
            }
        }
    }
}

// L^T X = Y, supernodes in reverse: each column gathers the rows below it, then its pivot.
void CSparseCholesky::SolveBackward(int count, double* x) const {
    for (int s = symbolic_.SupernodeCount() - 1; s >= 0; --s) {
        const int w = symbolic_.Width(s);
        const int m = symbolic_.RowCount(s);
        const int* rows = symbolic_.Rows(s);
        const double* L = factor_.Data() + symbolic_.BlockStart(s);
        double* y = x + static_cast<std::size_t>(symbolic_.FirstColumn(s)) * count;
        for (int j = w - 1; j >= 0; --j) {
            const double* column = L + static_cast<std::size_t>(j) * m;
            double* yj = y + static_cast<std::size_t>(j) * count;
            for (int i = j + 1; i < m; ++i) {
                const double l = column[i];
                const double* source = x + static_cast<std::size_t>(rows[i]) * count;
                for (int c = 0; c < count; ++c) {
                    yj[c] -= l * source[c];
                }
            }
            const double inverse = 1.0 / column[j];
            for (int c = 0; c < count; ++c) {
                yj[c] *= inverse;
            }
        }
    }
}

bool CSparseCholesky::Solve(int count, double* b) const {
    if (!factored_ || count <= 0) {
        return factored_;
    }
    const int n = symbolic_.Size();
    CCholeskyBuffer<double> x;
    if (!x.Allocate(static_cast<std::size_t>(n) * count)) {
        return false;
    }
    for (int k = 0; k < n; ++k) {
        std::memcpy(x.Data() + static_cast<std::size_t>(k) * count,
                    b + static_cast<std::size_t>(symbolic_.Original(k)) * count,
                    count * sizeof(double));
    }
    SolveForward(count, x.Data());
    SolveBackward(count, x.Data());
    for (int k = 0; k < n; ++k) {
        std::memcpy(b + static_cast<std::size_t>(symbolic_.Original(k)) * count,
                    x.Data() + static_cast<std::size_t>(k) * count, count * sizeof(double));
    }
    return true;
}

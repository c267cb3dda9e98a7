#include "FeCholeskySystem.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// Mirrored entries of the core differ by the rounding of the sums that formed them: below 3e-16
// of their natural scale sqrt(|K(i,i) K(j,j)|) on the catalogue's weaves. Far more than that is
// not rounding, and the core is not treated as symmetric.
constexpr double kSymmetryTolerance = 1e-10;

}  // namespace

CFeCholeskySystem::CFeCholeskySystem(const CFeSparseMatrix& matrix)
    : matrix_(matrix), coreIndex_(matrix.Size() + 1, -1) {}

bool CFeCholeskySystem::SplitDofs() {
    const int n = matrix_.Size();
    std::vector<bool> coupled(n + 1, false);
    for (int r = 1; r <= n; ++r) {
        for (const CFeSparseMatrix::Entry& e : matrix_.Row(r)) {
            if (e.column != r && e.value != 0.0) {
                coupled[e.column] = true;
            }
        }
    }
    for (int dof = 1; dof <= n; ++dof) {
        if (coupled[dof]) {
            coreIndex_[dof] = static_cast<int>(coreDofs_.size());
            coreDofs_.push_back(dof);
        } else if (matrix_(dof, dof) != 0.0) {
            afterDofs_.push_back(dof);
        } else {
            return false;
        }
    }
    return true;
}

namespace {

// The mean of two mirrored entries, or false when they differ by more than rounding.
bool Mean(double upper, double lower, double scale, double& mean) {
    mean = 0.5 * (upper + lower);
    return std::fabs(upper - lower) <= kSymmetryTolerance * scale;
}

}  // namespace

// Column j of the core's lower triangle merges two streams, both ascending by core index i > j:
// row j of the matrix right of the diagonal (K(j, i)) and column j below it (K(i, j), gathered
// from the rows below into a transpose).
bool CFeCholeskySystem::BuildCore(std::vector<int>& start, std::vector<int>& rows,
                                  std::vector<double>& values) const {
    const int n = CoreSize();
    std::vector<int> belowStart(n + 1, 0);
    std::vector<double> diagonal(n, 0.0);
    for (int i = 0; i < n; ++i) {
        for (const CFeSparseMatrix::Entry& e : matrix_.Row(coreDofs_[i])) {
            const int j = coreIndex_[e.column];
            if (j >= 0 && j < i) {
                ++belowStart[j + 1];
            } else if (j == i) {
                diagonal[i] = e.value;
            }
        }
    }
    for (int j = 0; j < n; ++j) {
        belowStart[j + 1] += belowStart[j];
    }
    std::vector<int> belowRow(belowStart[n]);
    std::vector<double> belowValue(belowStart[n]);
    std::vector<int> cursor(belowStart.begin(), belowStart.end() - 1);
    for (int i = 0; i < n; ++i) {
        for (const CFeSparseMatrix::Entry& e : matrix_.Row(coreDofs_[i])) {
            const int j = coreIndex_[e.column];
            if (j >= 0 && j < i) {
                belowRow[cursor[j]] = i;
                belowValue[cursor[j]++] = e.value;
            }
        }
    }
    start.assign(n + 1, 0);
    rows.clear();
    values.clear();
    rows.reserve(belowStart[n] + n);
    values.reserve(belowStart[n] + n);
    for (int j = 0; j < n; ++j) {
        rows.push_back(j);
        values.push_back(diagonal[j]);
        const std::vector<CFeSparseMatrix::Entry>& right = matrix_.Row(coreDofs_[j]);
        std::size_t a = 0;
        int b = belowStart[j];
        while (true) {
            while (a < right.size() && coreIndex_[right[a].column] <= j) {
                ++a;
            }
            const int upperRow = a < right.size() ? coreIndex_[right[a].column] : n;
            const int lowerRow = b < belowStart[j + 1] ? belowRow[b] : n;
            const int i = std::min(upperRow, lowerRow);
            if (i == n) {
                break;
            }
            const double upper = upperRow == i ? right[a++].value : 0.0;
            const double lower = lowerRow == i ? belowValue[b++] : 0.0;
            double mean = 0.0;
            if (!Mean(upper, lower, std::sqrt(std::fabs(diagonal[i] * diagonal[j])), mean)) {
                return false;
            }
            rows.push_back(i);
            values.push_back(mean);
        }
        start[j + 1] = static_cast<int>(rows.size());
    }
    return true;
}

bool CFeCholeskySystem::Factor() {
    if (!SplitDofs()) {
        return false;
    }
    if (coreDofs_.empty()) {
        return true;
    }
    std::vector<int> start, rows;
    std::vector<double> values;
    if (!BuildCore(start, rows, values)) {
        return false;
    }
    return cholesky_.Analyse(CoreSize(), start.data(), rows.data()) == CholeskyStatus::Ok &&
           cholesky_.Factor(values.data()) == CholeskyStatus::Ok;
}

bool CFeCholeskySystem::SolveAll(const std::vector<double*>& loads) const {
    const int count = static_cast<int>(loads.size());
    const int n = CoreSize();
    if (count == 0) {
        return true;
    }
    if (n > 0) {
        std::vector<double> block(static_cast<std::size_t>(n) * count);
        for (int i = 0; i < n; ++i) {
            for (int c = 0; c < count; ++c) {
                block[static_cast<std::size_t>(i) * count + c] = loads[c][coreDofs_[i] - 1];
            }
        }
        if (!cholesky_.Solve(count, block.data())) {
            return false;
        }
        for (int i = 0; i < n; ++i) {
            for (int c = 0; c < count; ++c) {
                loads[c][coreDofs_[i] - 1] = block[static_cast<std::size_t>(i) * count + c];
            }
        }
    }
    // The rest from their own rows, which reach only into the core.
    for (int dof : afterDofs_) {
        const double diagonal = matrix_(dof, dof);
        for (int c = 0; c < count; ++c) {
            double* x = loads[c];
            double sum = x[dof - 1];
            for (const CFeSparseMatrix::Entry& e : matrix_.Row(dof)) {
                if (e.column != dof) {
                    sum -= e.value * x[e.column - 1];
                }
            }
            x[dof - 1] = sum / diagonal;
        }
    }
    return true;
}

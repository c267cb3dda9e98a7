#pragma once

#include <vector>

#include "FeSparseMatrix.h"
#include "cholesky/SparseCholesky.h"

// A constrained unit-cell system solved through its symmetric positive definite core.
//
// The periodic matrix carries the constraint transformation T^T K T on its independent DOFs; the
// row of each dependent DOF holds its constraint equation x(z) - sum beta x(m) = f(z), and its
// column is empty but for the diagonal, as is the row and column of a DOF held by a support. So
// every DOF whose column holds nothing off the diagonal (a dependent, or a held DOF) is solved
// after the others from its own row, and the others (the core) form a system of their own: the
// elastic stiffness on the independent DOFs, symmetric up to rounding and positive definite once
// the supports have removed the rigid-body motions. The core is factored by the sparse Cholesky
// package, its two triangles averaged.
//
// Factor reports false, leaving nothing to solve with, when the core is not symmetric, a pivot is
// not positive (a singular or indefinite core, from degenerate input), a dependent DOF's diagonal
// is zero, or memory runs out: the caller then turns to a general solver.
class CFeCholeskySystem {
public:
    explicit CFeCholeskySystem(const CFeSparseMatrix& matrix);

    bool Factor();
    // Solves each load in place (N values each); false when memory runs out, the loads untouched.
    bool SolveAll(const std::vector<double*>& loads) const;
    long long FactorNonZeros() const { return cholesky_.FactorNonZeros(); }
    int CoreSize() const { return static_cast<int>(coreDofs_.size()); }

private:
    // Splits the DOFs into the core and those solved after it; false for a zero diagonal of one
    // of the latter.
    bool SplitDofs();
    // The core's lower triangle in compressed columns, each entry the mean of the matrix's two
    // mirrored entries; false when they differ by more than rounding.
    bool BuildCore(std::vector<int>& start, std::vector<int>& rows,
                   std::vector<double>& values) const;

    const CFeSparseMatrix& matrix_;
    std::vector<int> coreIndex_;  // per DOF (1-based) its place in the core, -1 outside it
    std::vector<int> coreDofs_;   // the core's DOFs, ascending
    std::vector<int> afterDofs_;  // the DOFs solved after the core
    CSparseCholesky cholesky_;
};

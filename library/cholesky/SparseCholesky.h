#pragma once

#include "cholesky/CholeskyBuffer.h"
#include "cholesky/CholeskySymbolic.h"

// Sparse Cholesky factorisation A = P^T L L^T P of a symmetric positive definite matrix, for
// solving A X = B with many right-hand sides.
//
// Analyse chooses a fill-reducing order (minimum degree) from the pattern alone and lays out the
// factor (CCholeskySymbolic); Factor computes L by the multifrontal method: the supernodes are
// factored in a postorder of their tree, each as one dense front assembled from the matrix's
// entries and its children's Schur complements and factored with blocked dense kernels. The same
// analysis serves any number of factorisations of matrices with that pattern.
//
// The matrix is handed over as its lower triangle (diagonal included) in compressed columns,
// 0-based: rows of column j at rowIndex[columnStart[j]] .. rowIndex[columnStart[j + 1] - 1], each
// at least j, no duplicates; its values in an array parallel to rowIndex. Nothing is kept of the
// caller's arrays.
//
// Positive definiteness is checked as the factorisation goes: a pivot that is not positive, or not
// finite, or below kCholeskyRelativePivot of its column's diagonal entry in A (what is left of a
// singular matrix after rounding) stops it with NotPositive, naming the column, so that a caller
// can turn to a general solver. Nothing throws and nothing is printed; exhausted memory is reported
// as NoMemory. The object owns all it allocates.
enum class CholeskyStatus { Ok, NotPositive, NoMemory, BadArgument };

// The smallest pivot accepted, relative to the diagonal entry of its column in A. In exact
// arithmetic a pivot of a positive definite matrix is at least the diagonal entry over the
// condition number; one this small leaves no digit of the solution to trust, while elimination
// noise on a singular matrix is about 1e-16 of the diagonal. (The unit-cell systems of the
// finite-element model stay above 1e-5.)
constexpr double kCholeskyRelativePivot = 1e-12;

class CSparseCholesky {
public:
    CholeskyStatus Analyse(int n, const int* columnStart, const int* rowIndex);
    // Needs a successful Analyse; the values follow the pattern given to it.
    CholeskyStatus Factor(const double* values);
    // Solves A X = B in place for `count` right-hand sides stored row by row: element c of row i
    // at b[i * count + c]. False without valid factors or when memory runs out (b untouched).
    bool Solve(int count, double* b) const;

    bool Factored() const { return factored_; }
    int Size() const { return symbolic_.Size(); }
    // Entries of L on and below the diagonal, known after Analyse.
    long long FactorNonZeros() const { return symbolic_.FactorNonZeros(); }
    int SupernodeCount() const { return symbolic_.SupernodeCount(); }
    // The column (caller's index) whose pivot was not positive, -1 when none was met.
    int NotPositiveColumn() const { return notPositiveColumn_; }

private:
    void Assemble(int s, const double* values, double* columns, double* update, double* floor);
    void SolveForward(int count, double* x) const;
    void SolveBackward(int count, double* x) const;

    CCholeskySymbolic symbolic_;
    bool analysed_ = false;
    bool factored_ = false;
    int notPositiveColumn_ = -1;
    CCholeskyBuffer<double> factor_;  // the supernodes' blocks of L
    CCholeskyBuffer<int> relative_;   // per position, its row within the front being assembled
};

// Test hook for the out-of-memory paths: the nth block request of the package from now on, on
// this thread, fails (1 = the next one) and the count is then cleared; 0 turns failures off.
void CholeskyFailNthAllocation(int nth);

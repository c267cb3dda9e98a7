#pragma once

#include <memory>
#include <vector>

#include "FeCholeskySystem.h"
#include "FeSparseMatrix.h"
#include "numerics/IntVector.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"

struct SparseMatrix;

// One constrained unit-cell system, factored once and solved for every load case that shares
// it, by one of three methods: the dense LU kernels (the dense matrix is built only for them),
// the sparse LU package (handed the non-zero entries row by row; it takes any matrix), or the
// sparse Cholesky factorisation of the system's symmetric core (CFeCholeskySystem). When the core
// is not symmetric positive definite (a singular or indefinite system from degenerate input), or
// the Cholesky package runs out of memory, the Cholesky method hands the system to the sparse LU
// package; both give the same solution to rounding. The factorisation waits for the first load
// that is not all zero: an all-zero load gives the zero vector without it, as CMatrix::Solve
// does. A system that cannot be factored (singular, or memory exhausted) gives an all-NaN
// solution for every non-zero load; its factors are never read.
class CFeFactoredSystem {
public:
    enum class Method { Dense, Sparse, Cholesky };

    CFeFactoredSystem(const CFeSparseMatrix& matrix, Method method);
    ~CFeFactoredSystem();
    CFeFactoredSystem(const CFeFactoredSystem&) = delete;
    CFeFactoredSystem& operator=(const CFeFactoredSystem&) = delete;

    CVector Solve(CVector load);
    // Solve for several loads at once, each in place: the sparse factors are read once for all.
    void SolveAll(std::vector<CVector>& loads);
    // Whether a factorisation was attempted and failed: every solve since gave NaN.
    bool Failed() const { return attempted_ && !factored_; }
    // Whether it failed for want of memory rather than for a singular matrix.
    bool OutOfMemory() const { return Failed() && outOfMemory_; }
    // The method whose factors the solves use: Sparse after a fallback from Cholesky.
    Method UsedMethod() const { return method_; }
    // Entries of the factors: L for Cholesky, L and U for the sparse LU, n^2 for the dense LU;
    // 0 before a factorisation.
    long long FactorNonZeros() const;

private:
    void Factor();
    void FactorDense();
    void FactorSparse();
    void FactorCholesky();
    void SolveSparseAll(const std::vector<double*>& loads);

    const CFeSparseMatrix& matrix_;
    Method method_;
    bool attempted_ = false;
    bool factored_ = false;
    bool outOfMemory_ = false;
    std::unique_ptr<CMatrix> dense_;
    std::unique_ptr<CIntVector> pivots_;
    SparseMatrix* sparse_ = nullptr;
    std::unique_ptr<CFeCholeskySystem> cholesky_;
};

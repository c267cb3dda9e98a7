#include "FeFactoredSystem.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "numerics/LUDecompose.h"
#include "sparse/SparseMatrix.h"

CFeFactoredSystem::CFeFactoredSystem(const CFeSparseMatrix& matrix, Method method)
    : matrix_(matrix), method_(method) {}

CFeFactoredSystem::~CFeFactoredSystem() {
    SparseDestroy(sparse_);
}

namespace {

bool IsZero(const CVector& load) {
    const double* values = load.Data();
    return std::all_of(values, values + load.Size(), [](double v) { return v == 0.0; });
}

}  // namespace

CVector CFeFactoredSystem::Solve(CVector load) {
    if (IsZero(load)) {
        return load;
    }
    if (!attempted_) {
        Factor();
    }
    if (!factored_) {
        load.Fill(std::numeric_limits<double>::quiet_NaN());
        return load;
    }
    if (method_ == Method::Dense) {
        LUSubstitute(*dense_, *pivots_, load);
        return load;
    }
    SolveSparseAll({load.Data()});
    return load;
}

// The sparse methods, for loads that are not all zero; a Cholesky solve that runs out of memory
// hands the system to the sparse LU package, whose failure gives NaN.
void CFeFactoredSystem::SolveSparseAll(const std::vector<double*>& loads) {
    if (method_ == Method::Cholesky) {
        if (cholesky_->SolveAll(loads)) {
            return;
        }
        cholesky_.reset();
        method_ = Method::Sparse;
        factored_ = false;
        FactorSparse();
        if (!factored_) {
            for (double* load : loads) {
                std::fill_n(load, matrix_.Size(), std::numeric_limits<double>::quiet_NaN());
            }
            return;
        }
    }
    SparseSolveSeveral(sparse_, static_cast<int>(loads.size()), loads.data());
}

void CFeFactoredSystem::SolveAll(std::vector<CVector>& loads) {
    std::vector<double*> nonZero;
    for (CVector& load : loads) {
        if (!IsZero(load)) {
            nonZero.push_back(load.Data());
        }
    }
    if (nonZero.empty()) {
        return;
    }
    if (!attempted_) {
        Factor();
    }
    if (!factored_ || method_ == Method::Dense) {
        for (CVector& load : loads) {
            load = Solve(std::move(load));
        }
        return;
    }
    SolveSparseAll(nonZero);
}

void CFeFactoredSystem::Factor() {
    attempted_ = true;
    if (method_ == Method::Dense) {
        FactorDense();
    } else if (method_ == Method::Cholesky) {
        FactorCholesky();
    } else {
        FactorSparse();
    }
}

void CFeFactoredSystem::FactorCholesky() {
    cholesky_ = std::make_unique<CFeCholeskySystem>(matrix_);
    factored_ = cholesky_->Factor();
    if (!factored_) {
        cholesky_.reset();
        method_ = Method::Sparse;
        FactorSparse();
    }
}

long long CFeFactoredSystem::FactorNonZeros() const {
    if (!factored_) {
        return 0;
    }
    switch (method_) {
        case Method::Dense:
            return static_cast<long long>(matrix_.Size()) * matrix_.Size();
        case Method::Cholesky:
            return cholesky_->FactorNonZeros();
        case Method::Sparse:
            return sparse_->elementCount;
    }
    return 0;
}

void CFeFactoredSystem::FactorDense() {
    dense_ = std::make_unique<CMatrix>(matrix_.ToDense());
    pivots_ = std::make_unique<CIntVector>(matrix_.Size());
    factored_ = LUDecompose(*dense_, *pivots_);
}

// Only the entries that are not zero, row by row with columns ascending; a fatal code of the
// factorisation (singular, memory exhausted) leaves no usable factors, a small-pivot warning does.
void CFeFactoredSystem::FactorSparse() {
    int error = kSparseOk;
    sparse_ = SparseCreate(matrix_.Size(), 0, &error);
    if (sparse_ == nullptr) {
        outOfMemory_ = error == kSparseNoMemory;
        return;
    }
    for (int r = 1; r <= matrix_.Size(); ++r) {
        for (const CFeSparseMatrix::Entry& e : matrix_.Row(r)) {
            if (e.value == 0.0) {
                continue;
            }
            double* element = SparseElementAt(sparse_, r, e.column);
            if (element == nullptr) {
                outOfMemory_ = true;
                return;
            }
            *element = e.value;
        }
    }
    const int status = SparseFactor(sparse_);
    factored_ = status < kSparseZeroPivot;
    outOfMemory_ = status == kSparseNoMemory;
}

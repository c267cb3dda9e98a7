#include "FeBorderedSystem.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numerics/Matrix.h"

CFeBorderedSystem::CFeBorderedSystem(const CFeSparseMatrix& Kp, const std::vector<int>& border,
                                     CFeFactoredSystem::Method method)
    : Kp_(Kp),
      border_(border),
      borderIndex_(Kp.Size() + 1, -1),
      interiorMatrix_(HoldBorder(Kp, border)),
      interior_(interiorMatrix_, method),
      borderColumns_(border.size()) {
    for (std::size_t b = 0; b < border_.size(); ++b) {
        borderIndex_[border_[b]] = static_cast<int>(b);
    }
}

// Kp with the rows and columns of the border replaced by those of the identity: A in the
// interior, and a solve with it leaves the border at the load's (zero) values.
CFeSparseMatrix CFeBorderedSystem::HoldBorder(const CFeSparseMatrix& Kp,
                                              const std::vector<int>& border) {
    CFeSparseMatrix held(Kp);
    for (int dof : border) {
        held.ClearRow(dof);
        held.ClearColumn(dof);
        held.Set(dof, dof, 1.0);
    }
    return held;
}

double CFeBorderedSystem::InteriorProduct(int row, const CVector& v) const {
    double sum = 0.0;
    for (const CFeSparseMatrix::Entry& e : Kp_.Row(row)) {
        if (!IsBorder(e.column)) {
            sum += e.value * v(e.column);
        }
    }
    return sum;
}

std::vector<int> CFeBorderedSystem::Released(const std::vector<int>& supported) const {
    std::vector<int> released;
    for (int dof : border_) {
        if (std::find(supported.begin(), supported.end(), dof) == supported.end()) {
            released.push_back(dof);
        }
    }
    return released;
}

// Y_b = A^-1 Kp(I, b), solved the first time a case releases b: DOFs that every case holds never
// need theirs.
void CFeBorderedSystem::SolveBorderColumns(const std::vector<int>& dofs) {
    std::vector<int> missing;
    std::vector<CVector> couplings;
    const int n = Kp_.Size();
    for (int dof : dofs) {
        if (borderColumns_[borderIndex_[dof]] != nullptr ||
            std::find(missing.begin(), missing.end(), dof) != missing.end()) {
            continue;
        }
        CVector coupling(n);
        for (int r = 1; r <= n; ++r) {
            if (!IsBorder(r)) {
                coupling(r) = Kp_(r, dof);
            }
        }
        missing.push_back(dof);
        couplings.push_back(coupling);
    }
    interior_.SolveAll(couplings);
    for (std::size_t k = 0; k < missing.size(); ++k) {
        borderColumns_[borderIndex_[missing[k]]] = std::make_unique<CVector>(couplings[k]);
    }
}

CVector CFeBorderedSystem::Solve(const std::vector<int>& supported, CVector load) {
    return SolveAll({supported}, {load}).front();
}

std::vector<CVector> CFeBorderedSystem::SolveAll(const std::vector<std::vector<int>>& supported,
                                                 std::vector<CVector> loads) {
    std::vector<std::size_t> live;  // the cases with a load; an all-zero load stays zero
    std::vector<CVector> interiorLoads;
    for (std::size_t c = 0; c < loads.size(); ++c) {
        const double* values = loads[c].Data();
        if (std::all_of(values, values + loads[c].Size(), [](double v) { return v == 0.0; })) {
            continue;
        }
        live.push_back(c);
        interiorLoads.push_back(loads[c]);
        for (int dof : border_) {
            interiorLoads.back()(dof) = 0.0;
        }
    }
    interior_.SolveAll(interiorLoads);  // z = A^-1 f_I per case
    if (interior_.Failed()) {
        for (std::size_t c : live) {
            loads[c].Fill(std::numeric_limits<double>::quiet_NaN());
        }
        return loads;
    }
    std::vector<std::vector<int>> released(loads.size());
    std::vector<int> needed;
    for (std::size_t c : live) {
        released[c] = Released(supported[c]);
        needed.insert(needed.end(), released[c].begin(), released[c].end());
    }
    SolveBorderColumns(needed);
    for (std::size_t k = 0; k < live.size(); ++k) {
        const std::size_t c = live[k];
        loads[c] = Combine(released[c], loads[c], interiorLoads[k]);
    }
    return loads;
}

CVector CFeBorderedSystem::Combine(const std::vector<int>& released, CVector load,
                                   const CVector& z) const {
    const int count = static_cast<int>(released.size());
    std::vector<const CVector*> columns;  // Y_R
    for (int dof : released) {
        columns.push_back(borderColumns_[borderIndex_[dof]].get());
    }
    CVector x(load);  // x_P = f_P; x_R and x_I follow
    if (count > 0) {
        CMatrix schur(count, count);
        CVector rhs(count);
        for (int q = 0; q < count; ++q) {
            const int row = released[q];
            for (int r = 0; r < count; ++r) {
                schur(q + 1, r + 1) = Kp_(row, released[r]) - InteriorProduct(row, *columns[r]);
            }
            rhs(q + 1) = load(row) - InteriorProduct(row, z);
        }
        const CVector xR = schur.Solve(rhs);
        if (std::isnan(xR(1))) {  // a singular complement gives all NaN
            load.Fill(std::numeric_limits<double>::quiet_NaN());
            return load;
        }
        for (int r = 0; r < count; ++r) {
            x(released[r]) = xR(r + 1);
        }
    }
    const int n = Kp_.Size();
    for (int i = 1; i <= n; ++i) {
        if (IsBorder(i)) {
            continue;
        }
        double value = z(i);
        for (int r = 0; r < count; ++r) {
            value -= (*columns[r])(i)*x(released[r]);
        }
        x(i) = value;
    }
    return x;
}

#include "FeSolver.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kU = 1;
constexpr int kV = 2;
constexpr int kW = 3;
constexpr int kTheta4 = 4;
constexpr int kTheta5 = 5;

// Load level of every unit case.
constexpr double kLoadLevel = 0.01;

}  // namespace

CFeSolver::CFeSolver(const CellParams& params, double firstAngle, double secondAngle,
                     const CMeshSize& meshSize, const FeSizes& sizes, const CFeSparseMatrix& K,
                     const CVector& F1, const CVector& F2, FeSolveOptions options,
                     FeProgress progress)
    : params_(params),
      firstAngle_(firstAngle),
      secondAngle_(secondAngle),
      meshSize_(meshSize),
      sizes_(sizes),
      dofsPerNode_(sizes.nodeDofs),
      dofCount_(sizes.nodeDofs * meshSize.nodeCount),
      nodeTable_(meshSize.rows1, meshSize.columns1),
      Kp_(0) {
    for (int j = 0; j < meshSize_.rows1; ++j) {
        for (int i = 0; i < meshSize_.columns1; ++i) {
            nodeTable_(j + 1, i + 1) = j * meshSize_.columns1 + i + 1;
        }
    }
    BuildConstraints();
    Kp_ = ApplyPeriodicity(K);

    displacements_.assign(kCaseCount, CVector(dofCount_));
    forces_.assign(kCaseCount, CVector(dofCount_));
    if (dofCount_ <= options.sparseAbove) {
        SolveBySupportGroups(F1, F2, progress);
    } else if (options.large == FeSolveOptions::Large::Cholesky) {
        SolveThroughTheBorder(F1, F2, CFeFactoredSystem::Method::Cholesky, progress);
    } else if (options.large == FeSolveOptions::Large::Markowitz) {
        SolveThroughTheBorder(F1, F2, CFeFactoredSystem::Method::Sparse, progress);
    } else {
        SolveThroughTheBorder(F1, F2, CFeFactoredSystem::Method::Dense, progress);
    }
}

CVector CFeSolver::CaseLoad(int loadCase, const CVector& F1, const CVector& F2) const {
    return loadCase <= 6 ? UnitLoad(loadCase) : (loadCase == 7 ? F1 : F2);
}

// Each group of cases with the same supports: its constrained matrix, one dense factorisation,
// and the group's cases solved from it. Factorisations and cases alternate here: the cases stage
// begins once the first group is factored.
void CFeSolver::SolveBySupportGroups(const CVector& F1, const CVector& F2, FeProgress progress) {
    if (progress.Stop(kWFStageFactorisation)) {
        report_.cancelled = true;
        return;
    }
    bool firstGroup = true;
    for (const std::vector<int>& cases : CasesBySupports()) {
        const int type = SupportType(cases.front());
        const CFeSparseMatrix Ks = ApplySupportsToMatrix(type, Kp_);
        CFeFactoredSystem system(Ks, CFeFactoredSystem::Method::Dense);
        if (firstGroup && progress.Stop(kWFStageCases)) {
            report_.cancelled = true;
            return;
        }
        firstGroup = false;
        for (int loadCase : cases) {
            CVector supported =
                ApplySupportsToLoad(type, Kp_, CondenseLoad(CaseLoad(loadCase, F1, F2)));
            displacements_[loadCase - 1] = system.Solve(supported);
            forces_[loadCase - 1] = Kp_ * displacements_[loadCase - 1];
        }
        report_.factorNonZeros = std::max(report_.factorNonZeros, system.FactorNonZeros());
        report_.outOfMemory = report_.outOfMemory || system.OutOfMemory();
    }
}

// The constrained systems of all cases differ only in which corner DOFs their supports hold:
// every case is solved with one sparse factorisation of the DOFs that no support holds.
void CFeSolver::SolveThroughTheBorder(const CVector& F1, const CVector& F2,
                                      CFeFactoredSystem::Method method, FeProgress progress) {
    std::vector<int> border;
    for (int loadCase = 1; loadCase <= kCaseCount; ++loadCase) {
        for (int dof : SupportedDofs(SupportType(loadCase))) {
            if (std::find(border.begin(), border.end(), dof) == border.end()) {
                border.push_back(dof);
            }
        }
    }
    if (progress.Stop(kWFStageFactorisation)) {
        report_.cancelled = true;
        return;
    }
    CFeBorderedSystem system(Kp_, border, method);
    if (progress.Stop(kWFStageCases)) {
        report_.cancelled = true;
        return;
    }
    std::vector<std::vector<int>> supportedDofs;
    std::vector<CVector> loads;
    for (int loadCase = 1; loadCase <= kCaseCount; ++loadCase) {
        const int type = SupportType(loadCase);
        supportedDofs.push_back(SupportedDofs(type));
        loads.push_back(ApplySupportsToLoad(type, Kp_, CondenseLoad(CaseLoad(loadCase, F1, F2))));
    }
    displacements_ = system.SolveAll(supportedDofs, std::move(loads));
    report_ = {system.Interior().UsedMethod(), system.Interior().FactorNonZeros(),
               system.Interior().OutOfMemory()};
    for (int loadCase = 1; loadCase <= kCaseCount; ++loadCase) {
        forces_[loadCase - 1] = Kp_ * displacements_[loadCase - 1];
    }
}

std::vector<int> CFeSolver::SupportedDofs(int type) const {
    std::vector<int> dofs;
    for (const Support& row : Supports(type)) {
        dofs.push_back(Dof(row.node, row.dof));
    }
    return dofs;
}

// Support types 2, 3 and 4 hold the same DOFs, as do 5 and 7: their matrices are the same.
std::vector<std::vector<int>> CFeSolver::CasesBySupports() const {
    std::vector<std::vector<int>> groups;
    std::vector<std::vector<Support>> groupSupports;
    for (int loadCase = 1; loadCase <= kCaseCount; ++loadCase) {
        std::vector<Support> supports = Supports(SupportType(loadCase));
        auto same = std::find(groupSupports.begin(), groupSupports.end(), supports);
        if (same == groupSupports.end()) {
            groups.push_back({loadCase});
            groupSupports.push_back(supports);
        } else {
            groups[same - groupSupports.begin()].push_back(loadCase);
        }
    }
    return groups;
}

// Three passes, each node's DOFs in order: the corner c4 from c2, c3 and c1; the right edge from
// the left edge row by row; the top edge from the bottom edge column by column. w jumps across an
// edge by the corner jumps interpolated along it.
void CFeSolver::BuildConstraints() {
    const int nx = meshSize_.Nx();
    const int ny = meshSize_.Ny();
    const int c1 = meshSize_.c1, c2 = meshSize_.c2, c3 = meshSize_.c3, c4 = meshSize_.c4;
    for (int d : {kU, kV, kTheta4, kTheta5}) {
        constraints_.push_back(
            {Dof(c4, d), {Dof(c2, d), Dof(c3, d), Dof(c1, d)}, {1.0, 1.0, -1.0}, true});
    }
    for (int j = 1; j <= ny - 1; ++j) {
        int left = nodeTable_(j + 1, 1);
        int right = nodeTable_(j + 1, nx + 1);
        double lambda = static_cast<double>(j) / ny;
        for (int d = 1; d <= dofsPerNode_; ++d) {
            if (d == kW) {
                constraints_.push_back(
                    {Dof(right, d),
                     {Dof(left, d), Dof(c4, d), Dof(c3, d), Dof(c2, d), Dof(c1, d)},
                     {1.0, lambda, -lambda, 1.0 - lambda, -(1.0 - lambda)},
                     false});
            } else {
                constraints_.push_back({Dof(right, d),
                                        {Dof(left, d), Dof(c2, d), Dof(c1, d)},
                                        {1.0, 1.0, -1.0},
                                        false});
            }
        }
    }
    for (int i = 1; i <= nx - 1; ++i) {
        int bottom = nodeTable_(1, i + 1);
        int top = nodeTable_(ny + 1, i + 1);
        double mu = static_cast<double>(i) / nx;
        for (int d = 1; d <= dofsPerNode_; ++d) {
            if (d == kW) {
                constraints_.push_back(
                    {Dof(top, d),
                     {Dof(bottom, d), Dof(c3, d), Dof(c1, d), Dof(c4, d), Dof(c2, d)},
                     {1.0, 1.0 - mu, -(1.0 - mu), mu, -mu},
                     false});
            } else {
                constraints_.push_back({Dof(top, d),
                                        {Dof(bottom, d), Dof(c3, d), Dof(c1, d)},
                                        {1.0, 1.0, -1.0},
                                        false});
            }
        }
    }
}

// Each constraint is the congruent transformation T^T K T that moves the slave's stiffness onto
// its masters; the slave's row then holds the constraint equation itself. Only the rows and
// columns of the slave and its masters change.
CFeSparseMatrix CFeSolver::ApplyPeriodicity(CFeSparseMatrix K) const {
    for (const Constraint& con : constraints_) {
        const int z = con.slave;
        const size_t masterCount = con.masters.size();
        auto updateColumns = [&]() {
            for (size_t k = 0; k < masterCount; ++k) {
                K.AddColumnMultiple(z, con.masters[k], con.betas[k]);
            }
        };
        auto updateRows = [&]() {
            for (size_t k = 0; k < masterCount; ++k) {
                K.AddRowMultiple(z, con.masters[k], con.betas[k]);
            }
        };
        if (con.columnsFirst) {
            updateColumns();
            updateRows();
        } else {
            updateRows();
            updateColumns();
        }
        K.ClearRow(z);
        K.ClearColumn(z);
        K.Set(z, z, 1.0);
        for (size_t k = 0; k < masterCount; ++k) {
            K.Set(z, con.masters[k], -con.betas[k]);
        }
    }
    return K;
}

CVector CFeSolver::CondenseLoad(CVector f) const {
    for (const Constraint& con : constraints_) {
        for (size_t k = 0; k < con.masters.size(); ++k) {
            f(con.masters[k]) += con.betas[k] * f(con.slave);
        }
        f(con.slave) = 0.0;
    }
    return f;
}

// Corner forces and moments whose cell averages are the unit resultant of the case (times the
// load level). For the oblique cell the moments My and Mxy act on the sides along the second
// direction, of length P2, hence P2 in their corner moments at c2 and c1.
CVector CFeSolver::UnitLoad(int loadCase) const {
    const double h = params_.h;
    const double P1 = meshSize_.Nx() * params_.a1;
    const double P2 = meshSize_.Ny() * params_.a2;
    const double s0 = kLoadLevel * h;
    const double m0 = h * (h * (h * kLoadLevel)) * (1.0 / 12.0);
    const double c = std::cos(secondAngle_);
    const double s = std::sin(secondAngle_);
    const int c1 = meshSize_.c1, c2 = meshSize_.c2, c3 = meshSize_.c3, c4 = meshSize_.c4;
    struct Entry {
        int node;
        int dof;
        double value;
    };
    std::vector<Entry> entries;
    switch (loadCase) {
        case 1:
            entries = {{c2, kU, s * s0 * P2},
                       {c4, kU, s * s0 * P2},
                       {c3, kU, -s * s0 * P2},
                       {c1, kU, -s * s0 * P2}};
            break;
        case 2:
            entries = {{c2, kV, -c * s0 * P2 - s0 * P1},
                       {c4, kV, s0 * P1 - c * s0 * P2},
                       {c3, kV, (c * P2 + P1) * s0},
                       {c1, kV, (c * P2 - P1) * s0}};
            break;
        case 3:
            entries = {{c2, kU, -c * s0 * P2 - s0 * P1}, {c2, kV, s * s0 * P2},
                       {c4, kU, s0 * P1 - c * s0 * P2},  {c4, kV, s * s0 * P2},
                       {c3, kU, (c * P2 + P1) * s0},     {c3, kV, -s * s0 * P2},
                       {c1, kU, (c * P2 - P1) * s0},     {c1, kV, -s * s0 * P2}};
            break;
        case 4:
            entries = {{c2, kTheta5, s * s * s * m0 * P2},
                       {c2, kTheta4, s * s * c * m0 * P2},
                       {c4, kW, -c * s * m0},
                       {c3, kW, c * s * m0},
                       {c1, kTheta5, -s * s * s * m0 * P2}};
            break;
        case 5:
            entries = {{c2, kW, -c * s * m0},
                       {c2, kTheta4, c * c * c * m0 * P2},
                       {c2, kTheta5, s * (c * c) * m0 * P2},
                       {c4, kW, c * s * m0},
                       {c3, kTheta4, -m0 * P1},
                       {c1, kTheta4, (1.0 - c * c * c * (P2 / P1)) * m0 * P1}};
            break;
        case 6:
            entries = {{c2, kTheta5, -2.0 * (s * s) * c * m0 * P2},
                       {c2, kTheta4, -2.0 * s * (c * c) * m0 * P2},
                       {c4, kW, 2.0 * (c * c) * m0 - 2.0 * m0},
                       {c3, kW, (2.0 - 2.0 * (c * c)) * m0},
                       {c1, kTheta5, 2.0 * (s * s) * c * m0 * P2}};
            break;
        default:
            break;
    }
    CVector load(dofCount_);
    for (const Entry& entry : entries) {
        load(Dof(entry.node, entry.dof)) = entry.value;
    }
    return load;
}

// c1 is always held in u, v and w; the other three supports stop the rigid rotations that the
// case's loads would otherwise drive.
std::vector<CFeSolver::Support> CFeSolver::Supports(int type) const {
    const int c1 = meshSize_.c1, c2 = meshSize_.c2, c3 = meshSize_.c3;
    std::vector<Support> rows = {{c1, kU, 0.0}, {c1, kV, 0.0}, {c1, kW, 0.0}};
    switch (type) {
        case 1:
            rows.insert(rows.end(), {{c2, kW, 0.0}, {c3, kU, 0.0}, {c3, kW, 0.0}});
            break;
        case 2:
        case 3:
        case 4:
            rows.insert(rows.end(), {{c2, kV, 0.0}, {c2, kW, 0.0}, {c3, kW, 0.0}});
            break;
        case 5:
        case 7:
            rows.insert(rows.end(), {{c1, kTheta4, 0.0}, {c2, kV, 0.0}, {c2, kW, 0.0}});
            break;
        case 6:
            rows.insert(rows.end(), {{c1, kTheta5, 0.0}, {c3, kU, 0.0}, {c3, kW, 0.0}});
            break;
        default:
            break;
    }
    return rows;
}

// The prescribed values move to the right-hand side through the columns of their DOFs.
CVector CFeSolver::ApplySupportsToLoad(int type, const CFeSparseMatrix& Kc, CVector f) const {
    for (const Support& row : Supports(type)) {
        int p = Dof(row.node, row.dof);
        double g = row.value;
        for (int r = 1; r <= dofCount_; ++r) {
            f(r) -= g * Kc(r, p);
        }
        f(p) = g;
    }
    return f;
}

CFeSparseMatrix CFeSolver::ApplySupportsToMatrix(int type, CFeSparseMatrix Ks) const {
    for (const Support& row : Supports(type)) {
        int p = Dof(row.node, row.dof);
        Ks.ClearRow(p);
        Ks.ClearColumn(p);
        Ks.Set(p, p, 1.0);
    }
    return Ks;
}

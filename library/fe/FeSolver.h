#pragma once

#include <vector>

#include "FeBorderedSystem.h"
#include "FeFactoredSystem.h"
#include "FeMesh.h"
#include "FeProgress.h"
#include "FeSparseMatrix.h"
#include "numerics/IntMatrix.h"
#include "numerics/Vector.h"
#include "weave/CellParams.h"

// Systems of more equations than this go through a sparse factorisation, smaller ones through
// the dense LU kernels. The dense LU is faster than the sparse LU package up to about 200
// equations, but slower than the Cholesky path at every size of the catalogue's cells (all eight
// cases of 45 equations in 0.34 ms against 0.15 ms, of 125 in 3.5 ms against 1.8 ms, of 245 in
// 23 ms against 6 ms): by default no system is solved densely.
constexpr int kSparseSolveAbove = 0;

// How the constrained systems are solved. Up to sparseAbove equations densely, one LU per group
// of cases with the same supports; above, all cases through one factorisation of the DOFs that no
// support holds (CFeBorderedSystem): by default the sparse Cholesky factorisation of its
// symmetric core, which falls back to the general sparse LU package when the core is not positive
// definite; or that package alone (Markowitz); or one dense LU (Dense, a reference for the sparse
// paths). FeSolveOptions{n} keeps the choice between the dense LU and the sparse LU package alone,
// at n equations.
struct FeSolveOptions {
    enum class Large { Cholesky, Markowitz, Dense };

    constexpr FeSolveOptions() = default;
    constexpr explicit FeSolveOptions(int markowitzAbove)
        : sparseAbove(markowitzAbove), large(Large::Markowitz) {}
    constexpr FeSolveOptions(int above, Large method) : sparseAbove(above), large(method) {}

    int sparseAbove = kSparseSolveAbove;
    Large large = Large::Cholesky;
};

// What solved the constrained systems: the method whose factors were used (Sparse when the
// Cholesky method fell back to the sparse LU package) and the entries of those factors.
struct FeSolveReport {
    CFeFactoredSystem::Method method = CFeFactoredSystem::Method::Dense;
    long long factorNonZeros = 0;
    // A system could not be factored for want of memory: its cases are NaN, not the cell's.
    bool outOfMemory = false;
    // The caller's progress callback stopped the solve at a stage boundary: no case is solved.
    bool cancelled = false;
};

// The assembled free plate of one weave repeat made periodic and solved for eight load cases:
// the unit resultants Nx, Ny, Nxy, Mx, My, Mxy (cases 1..6, applied as corner loads) and the
// assembled thermal (7) and yarn-load (8) vectors. u, v and both rotations repeat from edge to
// opposite edge; w repeats up to a linear change, so that the cell can bend and twist. Supports
// at the corners remove the rigid-body motion each case leaves free. All cases run in the
// constructor; U(k) and R(k) are the displacements and the nodal forces (K U, reactions
// included) of case k, 1-based. Small systems are solved densely, one factorisation per group
// of cases with the same supports; large ones through the sparse package, with one factorisation
// for all cases (CFeBorderedSystem). Lengths in metres; 5 DOFs per node as in CFeMesh.
// `progress` is asked before the factorisation and before the cases; when it stops the solve,
// Report().cancelled is set and U and R are zero.
class CFeSolver {
public:
    CFeSolver(const CellParams& params, double firstAngle, double secondAngle,
              const CMeshSize& meshSize, const FeSizes& sizes, const CFeSparseMatrix& K,
              const CVector& F1, const CVector& F2, FeSolveOptions options = {},
              FeProgress progress = {});

    static constexpr int kCaseCount = 8;

    const CVector& U(int loadCase) const { return displacements_[loadCase - 1]; }
    const CVector& R(int loadCase) const { return forces_[loadCase - 1]; }
    const CFeSparseMatrix& PeriodicStiffness() const { return Kp_; }
    const FeSolveReport& Report() const { return report_; }

    // x(slave) = sum of beta x(master): one periodicity constraint.
    struct Constraint {
        int slave;
        std::vector<int> masters;
        std::vector<double> betas;
        bool columnsFirst;
    };

    CFeSparseMatrix ApplyPeriodicity(CFeSparseMatrix K) const;
    CVector CondenseLoad(CVector f) const;
    // Corner loads of unit case 1..6, before condensation.
    CVector UnitLoad(int loadCase) const;
    CVector ApplySupportsToLoad(int type, const CFeSparseMatrix& Kc, CVector f) const;
    CFeSparseMatrix ApplySupportsToMatrix(int type, CFeSparseMatrix Ks) const;

private:
    int Dof(int node, int dof) const { return dofsPerNode_ * (node - 1) + dof; }
    void BuildConstraints();
    struct Support {
        int node;
        int dof;
        double value;
        bool operator==(const Support&) const = default;
    };
    // The support rows of type 1..7.
    std::vector<Support> Supports(int type) const;
    static int SupportType(int loadCase) { return loadCase <= 6 ? loadCase + 1 : 1; }
    std::vector<int> SupportedDofs(int type) const;
    // The load cases in groups whose supports are the same, each group in case order.
    std::vector<std::vector<int>> CasesBySupports() const;
    CVector CaseLoad(int loadCase, const CVector& F1, const CVector& F2) const;
    void SolveBySupportGroups(const CVector& F1, const CVector& F2, FeProgress progress);
    void SolveThroughTheBorder(const CVector& F1, const CVector& F2,
                               CFeFactoredSystem::Method method, FeProgress progress);

    CellParams params_;
    double firstAngle_;
    double secondAngle_;
    CMeshSize meshSize_;
    FeSizes sizes_;
    int dofsPerNode_;
    int dofCount_;
    CIntMatrix nodeTable_;
    std::vector<Constraint> constraints_;
    CFeSparseMatrix Kp_;
    std::vector<CVector> displacements_;
    std::vector<CVector> forces_;
    FeSolveReport report_;
};

#pragma once

#include <vector>

#include "FeMesh.h"
#include "numerics/IntMatrix.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"
#include "weave/CellParams.h"

// The assembled free plate of one weave repeat made periodic and solved for eight load cases:
// the unit resultants Nx, Ny, Nxy, Mx, My, Mxy (cases 1..6, applied as corner loads) and the
// assembled thermal (7) and yarn-load (8) vectors. u, v and both rotations repeat from edge to
// opposite edge; w repeats up to a linear change, so that the cell can bend and twist. Supports
// at the corners remove the rigid-body motion each case leaves free. All cases run in the
// constructor; U(k) and R(k) are the displacements and the nodal forces (K U, reactions
// included) of case k, 1-based. Lengths in metres; 5 DOFs per node as in CFeMesh.
class CFeSolver {
public:
    CFeSolver(const CellParams& params, double firstAngle, double secondAngle,
              const CMeshSize& meshSize, const FeSizes& sizes, const CMatrix& K, const CVector& F1,
              const CVector& F2);

    static constexpr int kCaseCount = 8;

    const CVector& U(int loadCase) const { return displacements_[loadCase - 1]; }
    const CVector& R(int loadCase) const { return forces_[loadCase - 1]; }
    const CMatrix& PeriodicStiffness() const { return Kp_; }

    // x(slave) = sum of beta x(master): one periodicity constraint.
    struct Constraint {
        int slave;
        std::vector<int> masters;
        std::vector<double> betas;
        bool columnsFirst;
    };

    CMatrix ApplyPeriodicity(CMatrix K) const;
    void ApplyPeriodicityInPlace(CMatrix& K) const;
    CVector CondenseLoad(CVector f) const;
    // Corner loads of unit case 1..6, before condensation.
    CVector UnitLoad(int loadCase) const;
    CVector ApplySupportsToLoad(int type, const CMatrix& Kc, CVector f) const;
    CMatrix ApplySupportsToMatrix(int type, CMatrix Ks) const;

private:
    int Dof(int node, int dof) const { return dofsPerNode_ * (node - 1) + dof; }
    void BuildConstraints();
    struct Support {
        int node;
        int dof;
        double value;
    };
    // The support rows of type 1..7.
    std::vector<Support> Supports(int type) const;
    // The one place where a load case's constrained system is solved.
    CVector SolveCase(const CMatrix& Ks, const CVector& load) const;

    CellParams params_;
    double firstAngle_;
    double secondAngle_;
    CMeshSize meshSize_;
    FeSizes sizes_;
    int dofsPerNode_;
    int dofCount_;
    CIntMatrix nodeTable_;
    std::vector<Constraint> constraints_;
    CMatrix Kp_;
    std::vector<CVector> displacements_;
    std::vector<CVector> forces_;
};

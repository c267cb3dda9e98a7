#pragma once

#include <memory>
#include <vector>

#include "FeFactoredSystem.h"
#include "FeSparseMatrix.h"
#include "numerics/Vector.h"

// The constrained systems of every support type through one factorisation. The supports of all
// types together hold a few border DOFs B; the rest, the interior I, is constrained the same way
// in every system, so its matrix A = Kp(I, I) is factored once (as Kp with every border DOF held).
// A case whose supports hold P (part of B) has the other border DOFs R = B \ P as its only extra
// unknowns:
//     A x_I + Kp(I, R) x_R = f_I,   Kp(R, I) x_I + Kp(R, R) x_R = f_R,   x_P = f_P,
// which is the case's constrained system row by row (its supports zero the columns of P). The
// Schur complement of A gives x_R from a system of |R| equations,
//     (Kp(R, R) - Kp(R, I) Y_R) x_R = f_R - Kp(R, I) z,   with z = A^-1 f_I, Y = A^-1 Kp(I, B),
// and then x_I = z - Y_R x_R. Each column of Y is solved once, for all the cases that need it.
// The solution is that of the case's own constrained system up to rounding.
class CFeBorderedSystem {
public:
    CFeBorderedSystem(const CFeSparseMatrix& Kp, const std::vector<int>& border,
                      CFeFactoredSystem::Method method);

    // The solution for a load whose supports (DOFs `supported`, all on the border) have been
    // applied. An all-zero load gives the zero vector; a singular system gives all NaN.
    CVector Solve(const std::vector<int>& supported, CVector load);
    // Solve for several loads, loads[c] under the supports supported[c]: their interior solves
    // share one pass over the factors, as do the border columns they need.
    std::vector<CVector> SolveAll(const std::vector<std::vector<int>>& supported,
                                  std::vector<CVector> loads);
    // The factored interior, for the method it took and the size of its factors.
    const CFeFactoredSystem& Interior() const { return interior_; }

private:
    static CFeSparseMatrix HoldBorder(const CFeSparseMatrix& Kp, const std::vector<int>& border);
    bool IsBorder(int dof) const { return borderIndex_[dof] >= 0; }
    // sum of Kp(row, i) v(i) over the interior DOFs i.
    double InteriorProduct(int row, const CVector& v) const;
    std::vector<int> Released(const std::vector<int>& supported) const;
    // Solves the columns Y_b of the given border DOFs that have not been solved yet.
    void SolveBorderColumns(const std::vector<int>& dofs);
    // The case's solution from its interior solve z: the Schur complement gives x_R, then x_I.
    CVector Combine(const std::vector<int>& released, CVector load, const CVector& z) const;

    const CFeSparseMatrix& Kp_;
    std::vector<int> border_;
    std::vector<int> borderIndex_;  // per DOF its place in border_, -1 in the interior
    CFeSparseMatrix interiorMatrix_;
    CFeFactoredSystem interior_;
    std::vector<std::unique_ptr<CVector>> borderColumns_;  // Y, by place in border_
};

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SymmetricMatrix.h"

// A layer given by its resultant stiffness, for shell elements: forces and moments per unit width
// against the mid-plane strains and curvatures,
//   {N; M} = [A B; B D] {eps; kappa} - {NT; MT} dT,
// in the plane order x, y, xy with engineering shear strain and twist. SI units: A [N/m],
// B [N], D [N m], NT [N/(m K)], MT [N/K], free strains [1/K], free curvatures [1/(m K)].
//
// Sign convention as Corvel computes it: z points to the upper face and a curvature is positive
// when the upper face shortens, eps(z) = eps - z kappa, with M the moment that does work on kappa.
// The solvers take curvature positive when the face on the positive normal side lengthens, so B,
// MT and the free curvatures change sign on the way to them (InSolverConvention); A, D, NT and the
// free strains do not.
struct LaminateSection {
    std::string name;
    std::vector<std::string> notes;  // what the section was computed from, one line each

    Matrix3 A{}, B{}, D{};
    Vector3 NT{}, MT{};
    Vector3 strainPerKelvin{}, curvaturePerKelvin{};
    double thickness = 0.0;              // [m]
    std::optional<double> arealDensity;  // [kg/m^2]
};

// The section with curvature positive when the upper face lengthens, as the solvers take it.
LaminateSection InSolverConvention(LaminateSection section);

// [A B; B D] in the order Nx, Ny, Nxy, Mx, My, Mxy.
Matrix6 SectionStiffness(const LaminateSection& section);

// True when B holds more than rounding: an entry above 1e-12 of sqrt(A D) of its position.
bool HasMembraneBendingCoupling(const LaminateSection& section);

// Why a solver would refuse the section, or "" when it is usable: a value that is not finite, a
// thickness that is not positive, a stiffness that is not positive definite.
std::string ExportProblem(const LaminateSection& section);

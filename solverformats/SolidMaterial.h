#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SymmetricMatrix.h"

// A homogeneous material for solid elements, in its own axes 1, 2, 3: for a UD ply 1 along the
// fibres, for a random mat or a fabric the layer's x and y with 3 through the thickness. SI units
// throughout: Pa, 1/K, kg/m^3.
//
// Conventions, those of CalculiX and Abaqus: the Poisson's ratio nu_ij is -eps_j / eps_i under a
// uniaxial stress along i (so nu21 = nu12 E2 / E1); shear moduli relate engineering shear strains.
// The only couplings a layer can carry are in-plane shear with the normal directions, S16 and S26
// of the compliance, and a shear strain of free expansion, gamma12 per kelvin (engineering): a
// fabric whose yarns do not lie along x and y symmetrically has them.
struct SolidMaterial {
    std::string name;
    std::vector<std::string> notes;  // what the material was computed from, one line each

    double E1 = 0.0, E2 = 0.0, E3 = 0.0;
    double nu12 = 0.0, nu13 = 0.0, nu23 = 0.0;
    double G12 = 0.0, G13 = 0.0, G23 = 0.0;
    double S16 = 0.0, S26 = 0.0;  // [1/Pa]

    double alpha1 = 0.0, alpha2 = 0.0, alpha3 = 0.0;  // [1/K]
    double gamma12PerKelvin = 0.0;                    // [1/K]

    std::optional<double> density;  // [kg/m^3]
    std::string noDensityReason;    // said in a comment where there is no density
};

// The compliance in Voigt order 1, 2, 3, 23, 13, 12 with engineering shear strains (the order of
// the library), eps = S sigma.
Matrix6 Compliance(const SolidMaterial& material);

// True when the couplings or the free shear strain are more than rounding: the material is then
// written as anisotropic. A coupling below 1e-12 of the terms it couples changes no digit a card
// holds; yarns at 0 and 90 degrees leave such noise from cos(90 deg).
bool HasShearCoupling(const SolidMaterial& material);

// Why a solver would refuse the material, or "" when it is usable: a value that is not finite, a
// modulus that is not positive, constants whose stiffness is not positive definite (a Poisson's
// ratio too large for its moduli), a density that is not positive.
std::string ExportProblem(const SolidMaterial& material);

#pragma once

// What the verification and validation take from the built-in catalogue (constituent pairs,
// weaves, the model lists) and how they run the UD entry point.

#include <array>
#include <string>
#include <vector>

#include "ModelEntry.h"
#include "numerics/Matrix.h"
#include "weftcore.h"

// A fibre and a resin as the library takes them: resin {Em [Pa], νm, αm [1/K]}, fibre {Ef1, Ef2,
// Gf12, Gf23 [Pa], νf12, αf1, αf2 [1/K], ρf [kg/m³]}.
struct Constituents {
    std::array<double, 3> resin;
    std::array<double, 8> fibre;

    double Em() const { return resin[0]; }
    double Num() const { return resin[1]; }
    double AlphaM() const { return resin[2]; }
    // The resin is isotropic: its shear modulus follows from E and ν.
    double Gm() const { return resin[0] / (2.0 * (1.0 + resin[1])); }
    double Ef1() const { return fibre[0]; }
    double Ef2() const { return fibre[1]; }
    double Gf12() const { return fibre[2]; }
    double Gf23() const { return fibre[3]; }
    double Nuf12() const { return fibre[4]; }
    double AlphaF1() const { return fibre[5]; }
    double AlphaF2() const { return fibre[6]; }
};

// A resin and a fibre of the built-in catalogue, by their exact names.
Constituents CatalogueConstituents(const std::string& resinName, const std::string& fibreName);

// A weave of the built-in catalogue, by its exact name; it lives as long as the program.
const CWeave& CatalogueWeave(const std::string& name);

// The pairs the verification cases use: a transversely isotropic carbon fibre in an epoxy, and an
// isotropic glass fibre in another.
Constituents CarbonEpoxy();
Constituents GlassEpoxy();

// A fibre made of the resin itself (isotropic, same E, G, ν and α), with a density for the
// fabric models' thickness.
Constituents ResinAsFibre(const Constituents& pair, double fibreDensity);

// The ply's results as UDMixel returns them, in SI (expansion per kelvin, not 10⁻⁶/K).
struct PlyValues {
    double E1, E2, G12, G23, nu12, nu23, alpha1, alpha2;
};

PlyValues RunUDMixel(const Constituents& pair, double vf, short elasticCode, short thermalCode);

// The ply's plane-stress stiffness in its own axes (1 fibre, 2 in-plane transverse, 12 shear),
// 3×3 with engineering shear.
CMatrix ReducedStiffness(const PlyValues& ply);

// The model lists of the calculator, in the order of their codes.
const std::vector<ModelEntry>& ElasticModels();
const std::vector<ModelEntry>& ThermalModels();

// The elastic model that runs before the thermal models in the verification and validation
// reports: "CCA", the first of the calculator's list and the yarn model of the fabrics. Only the
// Shapery thermal model reads its result (ν12).
inline constexpr short kElasticBeforeThermal = 2;
// The thermal model that runs after the elastic models where only elastic results are read: any
// would do, the elastic results do not depend on it.
inline constexpr short kThermalAfterElastic = 11;

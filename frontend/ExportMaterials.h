#pragma once

#include <string>
#include <vector>

#include "FabricCalculation.h"
#include "SolverExport.h"

// The solver materials of a calculation, built from the library's double-precision output in SI
// units, never from the result forms' single-precision, thresholded records, and annotated with
// the inputs, so both front ends export alike.

// What a UD ply or random mat was computed from: the texts of the lists, the property arrays
// (not owned) and the fibre volume fraction as typed [%].
struct PlyExportInputs {
    bool randomMat = false;
    std::string fibreName;
    std::string resinName;
    std::string elasticModelName;
    std::string thermalModelName;
    const double* resin = nullptr;  // E [Pa], nu, alpha [1/K]
    const double* fibre = nullptr;  // E1, E2, G12, G23 [Pa], nu12, alpha1, alpha2 [1/K], density
    double fibreVolumePercent = 0.0;
};

// UDMixel's or RNDProperties' out[9] as a 3D material, named by PlyMaterialName. A UD ply is
// transversely isotropic about its fibres (E3 = E2, nu13 = nu12, G13 = G12); a random mat is
// isotropic in its plane (E2 = E1, nu23 = nu13 = nu_xz, G23 = G13 = G_yz). No density: the resins
// carry none.
SolidMaterial PlyMaterial(const PlyExportInputs& inputs, const double* out);

// The fabric from WFProperties' output for the request: 3D constants as a SolidMaterial with the
// density areal density / thickness, or the laminate as a LaminateSection; named by
// FabricMaterialName.
ExportedMaterial FabricMaterial(const FabricRequest& request, const double* out);

// What tells one calculation from the other rows of a sweep: "VF60_CCA_Shapery" for a ply (the
// volume fraction and both models), "VF55" for a fabric.
std::string PlyRowLabel(const PlyExportInputs& inputs);
std::string FabricRowLabel(const FabricRequest& request);

// Names derived from the inputs: "UD_E_Glass_ACG_LTM_10_VF60_CCA_CCA",
// "FABRIC_Tenax_HTA_Hexcel_RTM6_Satin_5H_VF55".
std::string PlyMaterialName(const PlyExportInputs& inputs);
std::string FabricMaterialName(const FabricRequest& request);

// The file header of an export by `program`, dated now, naming the inputs the rows of a sweep
// share: the materials with their properties and, for a fabric, the weave data and settings.
// What varies between rows (volume fraction, models) is in each material's notes.
ExportHeader PlyExportHeader(const PlyExportInputs& inputs, const std::string& program);
ExportHeader FabricExportHeader(const FabricRequest& request, const std::string& program);

// A whole document of one calculation.
ExportDocument PlyExportDocument(const PlyExportInputs& inputs, const double* out,
                                 const std::string& program);
ExportDocument FabricExportDocument(const FabricRequest& request, const double* out,
                                    const std::string& program);

#pragma once

#include <array>
#include <functional>
#include <string>

#include "ConfigurationDialog.h"
#include "InputChecks.h"
#include "NamedWeave.h"
#include "Reports.h"
#include "weftcore.h"

// The woven-fabric library call as the main form and the command-line tool make it: one request
// object holds the inputs as typed, derives the library's arguments (model number, fabric array,
// yarn angles in radians, yarn-load factors, coarsening level) and names the inputs for the
// report, so that both front ends call and report alike.

// Constant yarn-load factors of the fabric cell models.
inline constexpr double kCellFactors[2] = {10.0, 5.0};

// Room for the largest result: 41 doubles of the fabric laminate models.
inline constexpr int kFabricResultSize = 41;
// The results of a UD ply or random mat.
inline constexpr int kPlyResultSize = 9;

// The library's fabric array: the configuration's four percentages as fractions, then the warp
// and fill counts and the areal density.
std::array<double, 7> FabricArray(const FabricConfiguration& settings, const FabricData& data);

// Degrees to radians as the form converts them: (pi * degrees) / 180, the division written as a
// product with its reciprocal.
double DegreesToRadians(double degrees);

// How often the finite-element grid is coarsened: the accuracy setting (0 fine .. 100 coarse)
// as a share of the weave's largest possible coarsening, rounded to the nearest level with an
// exact half rounding down.
int CoarseningLevel(const CWeave& weave, int accuracy);

// What a fabric calculation gives: 3D engineering constants, or the laminate matrices A, B, D
// with the thermal resultants.
enum class FabricResults { Constants3D, Laminate };

// How it is computed: by averaging over the yarn crossings, or by the finite-element model of one
// weave repeat (laminate results only).
enum class FabricMethod { Average, FiniteElements };

// The library's model number of a results/method pair: 0 3D constants by averaging, 1 laminate
// by averaging, 2 laminate by finite elements. The finite-element model has no 3D constants:
// asked for them, it is the averaging model.
short FabricModelNumber(FabricResults results, FabricMethod method);

// WFProperties, or what stands in for it (a test recording the call).
using WFPropertiesFunction =
    std::function<bool(short, bool, const CWeave*, short, double, const double*, const double*,
                       const double*, double, double, const double*, int, double*)>;

// WFPropertiesWithProgress, or what stands in for it: WFProperties' arguments, then the progress
// callback and its user pointer.
using WFProgressPropertiesFunction = std::function<bool(
    short, bool, const CWeave*, short, double, const double*, const double*, const double*, double,
    double, const double*, int, double*, WFProgressCallback, void*)>;

// The library's arguments of a fabric request other than the materials, the weave and the yarn
// loads (kCellFactors), held by value.
struct FabricArguments {
    short model = 0;
    bool isoStrain = false;
    short gaussPoints = 0;
    double vf = 0.0;                    // fraction
    std::array<double, 7> fabric = {};  // FabricArray
    double fillAngle = 0.0;             // radians
    double warpAngle = 0.0;             // radians
    int reductions = 0;
};

// One woven-fabric calculation: the materials (names and property arrays, which the request
// does not own), the weave, the inputs as typed (percent, 1/m, kg/m^2, degrees), the
// configuration and the choices of results, method and averaging. The inputs must already have
// passed FibreVolumeValid and FabricDataValid.
struct FabricRequest {
    std::string resinName;
    const double* resin = nullptr;  // E [Pa], nu, alpha [1/K]
    std::string fibreName;
    const double* fibre = nullptr;  // E1, E2, G12, G23 [Pa], nu12, alpha1, alpha2 [1/K], density
    const CNamedWeave* weave = nullptr;
    double fibreVolumePercent = 0.0;
    FabricData data;
    FabricConfiguration settings;
    FabricResults results = FabricResults::Constants3D;
    FabricMethod method = FabricMethod::Average;
    bool isoStrain = false;

    bool Laminate() const { return results == FabricResults::Laminate; }
    bool FiniteElements() const { return method == FabricMethod::FiniteElements; }
    short LibraryModel() const { return FabricModelNumber(results, method); }
    int Reductions() const { return CoarseningLevel(*weave, settings.accuracy); }
    // How many of the output's doubles the model writes: 19 for 3D constants, 41 for a laminate.
    int OutputSize() const { return Laminate() ? kFabricResultSize : 19; }

    // The library's arguments of these inputs, as Calculate passes them.
    FabricArguments LibraryArguments() const;

    // Calls the library (or its stand-in) with these inputs; out has room for kFabricResultSize
    // doubles. False where the library refuses the inputs (out then untouched).
    bool Calculate(double* out, const WFPropertiesFunction& wfProperties = WFProperties) const;

    // The fabric's thickness in millimetres from the output of Calculate.
    double ThicknessMillimetres(const double* out) const;
    // The inputs as the report names them, with the thickness from the output of Calculate.
    FabricReportInputs ReportInputs(const double* out) const;
};

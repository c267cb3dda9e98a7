#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "ConfigurationDialog.h"
#include "DisplayOptionsDialog.h"
#include "FabricCalculation.h"
#include "InputChecks.h"
#include "MaterialLists.h"
#include "Reports.h"

// One calculation of the tool as the calculator makes it: the library call of the case, the
// result record the result form shows and, on request, the report of the displayed values.

// One value of a result form: its label and unit as the form shows them (without the form's
// padding) and the single-precision value of its field.
struct ShownValue {
    std::string label;
    std::string unit;  // without brackets; "" for ratios
    float value;
};

struct Calculation {
    ReportKind kind;
    std::string title;              // the result form's title
    std::string description;        // one line naming the inputs
    nlohmann::ordered_json inputs;  // the inputs, in the units typed
    std::vector<double> output;     // the library's output array as returned
    std::vector<ShownValue> shown;  // the record in display order and units
    std::string report;             // the report text, when asked for
    // What distinguishes the rows of a sweep: vf and, for a ply, the two models.
    std::vector<std::pair<std::string, std::string>> keys;
};

enum class PlyKind { UDPly, RandomMat };

struct PlyInputs {
    PlyKind kind = PlyKind::UDPly;
    const ResinRecord* resin = nullptr;
    const FibreRecord* fibre = nullptr;
    double fibreVolumePercent = 0.0;
    const ModelEntry* elastic = nullptr;
    const ModelEntry* thermal = nullptr;
};

// UDMixel or RNDProperties; the volume fraction must already have passed FibreVolumeValid.
Calculation CalculatePly(const PlyInputs& inputs, bool withReport);

// WFProperties model 0, 1 or 2 as the request asks; its inputs must already have passed both
// input checks. A call the library refuses is refused with the calculator's "Invalid data
// values". The display minimums clear the small entries of a laminate, as the result form does.
Calculation CalculateFabric(const FabricRequest& request, const DisplayOptions& minimums,
                            bool withReport);

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "DisplayOptionsDialog.h"
#include "FabricCalculation.h"
#include "ModelEntry.h"
#include "ShownProperties.h"

// What a property chart is drawn for: the case, the materials and every input of the main form
// (or of a `corvel-cli plot` command) except the fibre volume fraction, which the chart runs
// over. The property arrays and the weave belong to the caller's lists, which must outlive the
// case; everything else is held by value, so a copy can be computed on another thread.
enum class ChartCaseKind { UDPly, RandomMat, Fabric };

struct ChartCase {
    ChartCaseKind kind = ChartCaseKind::UDPly;

    // UD ply and random mat: the materials, the two model lists in display order and the
    // selected model of each (an index into its list). An elastic property is drawn for every
    // elastic model, with the selected thermal model; an expansion coefficient for every thermal
    // model, with the selected elastic model (the thermal models read the elastic model's
    // results).
    std::string resinName;
    std::string fibreName;
    const double* resin = nullptr;  // E [Pa], nu, alpha [1/K]
    const double* fibre = nullptr;  // E1, E2, G12, G23 [Pa], nu12, alpha1, alpha2 [1/K], density
    std::vector<ModelEntry> elasticModels;
    std::vector<ModelEntry> thermalModels;
    std::size_t elastic = 0;
    std::size_t thermal = 0;

    // Woven fabric: the request as the main form makes it, its volume fraction replaced point by
    // point. It is drawn by iso-stress and by iso-strain averaging and, when its method is finite
    // elements, by the finite-element model at a few fractions. A laminate's small entries are
    // cleared by the display minimums, as on its result form.
    FabricRequest fabric;
    DisplayOptions minimums;

    // The main form's fibre volume fraction [%], drawn as a vertical line; none for a plot that
    // names none.
    std::optional<double> currentPercent;

    bool IsFabric() const { return kind == ChartCaseKind::Fabric; }
    // The properties a chart of the case can draw: those of its result form, in the form's order.
    const std::vector<ShownProperty>& Properties() const;
    // Whether a ply's property is an expansion coefficient, drawn for the thermal models.
    bool IsThermal(std::size_t property) const;
    // "a UD ply: Hercules AS4 in Hexcel 8552", "a woven fabric: Tenax HTA in Hexcel RTM6, Plain".
    std::string Description() const;
};

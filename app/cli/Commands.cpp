#include "Commands.h"

#include <algorithm>
#include <iomanip>
#include <memory>

#include "CliArguments.h"
#include "CliExport.h"
#include "CliFailure.h"
#include "CommandInputs.h"
#include "Delivery.h"
#include "NumberFormat.h"
#include "OutputFormats.h"
#include "PackingLimits.h"
#include "PlotLauncher.h"
#include "Sweep.h"
#include "ValidateCommand.h"

namespace {

int RunList(const ListCommand& command, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<CMaterialLists> opened = OpenLists(err);
    const CMaterialLists& lists = *opened;
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    auto addMaterial = [&](const std::string& name, const double* properties, std::size_t count,
                           bool user) {
        if (!command.json) {
            return;
        }
        entries.push_back({{"name", name},
                           {"userDefined", user},
                           {"properties", std::vector<double>(properties, properties + count)}});
    };
    std::vector<std::string> names;
    if (command.what == "resins") {
        names = DisplayNames(lists.Resins());
        for (const auto& [name, resin] : lists.Resins()) {
            addMaterial(resin->name, resin->Array(), resin->properties.size(),
                        lists.IsUserResin(resin));
        }
    } else if (command.what == "fibres") {
        names = DisplayNames(lists.Fibres());
        for (const auto& [name, fibre] : lists.Fibres()) {
            addMaterial(fibre->name, fibre->Array(), fibre->properties.size(),
                        lists.IsUserFibre(fibre));
        }
    } else if (command.what == "weaves") {
        names = DisplayNames(lists.Weaves());
        for (const std::string& name : names) {
            entries.push_back({{"name", name}});
        }
    } else {
        const auto& models =
            command.what == "elastic" ? lists.ElasticModels() : lists.ThermalModels();
        names = DisplayNames(models);
        for (const auto& [name, model] : models) {
            entries.push_back({{"name", model->name}, {"code", model->code}});
        }
    }
    if (command.json) {
        out << JsonText(entries, 2) << '\n';
    } else {
        for (const std::string& name : names) {
            out << name << '\n';
        }
    }
    return 0;
}

int RunWeave(const WeaveCommand& command, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<CMaterialLists> opened = OpenLists(err);
    const CMaterialLists& lists = *opened;
    const CNamedWeave* weave = FindEntry(lists.Weaves(), "weave", command.name);
    if (command.json) {
        nlohmann::ordered_json cells = nlohmann::ordered_json::array();
        for (int row = 0; row < weave->Rows(); ++row) {
            std::vector<short> codes;
            for (int col = 0; col < weave->Cols(); ++col) {
                codes.push_back(weave->Cell(row, col));
            }
            cells.push_back(codes);
        }
        const nlohmann::ordered_json json = {{"name", weave->Name()},
                                             {"cols", weave->Cols()},
                                             {"rows", weave->Rows()},
                                             {"cells", cells},
                                             {"maxReduction", weave->MaxReduction()}};
        out << JsonText(json, 2) << '\n';
        return 0;
    }
    out << weave->Name() << ": " << weave->Cols() << " x " << weave->Rows()
        << " cells, maximum coarsening " << weave->MaxReduction() << '\n';
    for (int row = 0; row < weave->Rows(); ++row) {
        for (int col = 0; col < weave->Cols(); ++col) {
            out << std::setw(3) << weave->Cell(row, col);
        }
        out << '\n';
    }
    return 0;
}

// The first entry of a model list, as the form selects it at start-up, unless one is named.
ModelChoice ChooseModelsOrFirst(const DisplayList<const ModelEntry*>& list, const std::string& what,
                                const std::string& typed) {
    if (typed.empty()) {
        return ModelChoice{{list.front().reference}, false};
    }
    return ChooseModels(list, what, typed);
}

// A sweep printed as a table or CSV shows neither the description nor the inputs of its rows.
CalculationParts PartsFor(const OutputOptions& output, bool isSweep) {
    const bool json =
        output.format == OutputFormat::Json || output.format == OutputFormat::JsonLines;
    return CalculationParts{output.report, !isSweep || json};
}

// The widest text of a key column: its values' widest.
std::size_t WidestText(const std::vector<std::string>& texts) {
    std::size_t widest = 0;
    for (const std::string& text : texts) {
        widest = std::max(widest, text.size());
    }
    return widest;
}

std::vector<std::string> VolumeFractionTexts(const VolumeFractions& fractions) {
    std::vector<std::string> texts;
    texts.reserve(fractions.percents.size());
    for (double percent : fractions.percents) {
        texts.push_back(FormatGeneral(percent, kFieldDigits));
    }
    return texts;
}

std::vector<std::string> ModelNames(const ModelChoice& choice) {
    std::vector<std::string> names;
    for (const ModelEntry* model : choice.models) {
        names.push_back(model->name);
    }
    return names;
}

int RunPly(const PlyCommand& command, const CliStreams& streams) {
    const std::unique_ptr<CMaterialLists> opened = OpenLists(streams.err);
    const CMaterialLists& lists = *opened;
    PlyInputs inputs;
    inputs.kind = command.randomMat ? PlyKind::RandomMat : PlyKind::UDPly;
    inputs.resin = FindEntry(lists.Resins(), "resin", command.resin);
    inputs.fibre = FindEntry(lists.Fibres(), "fibre", command.fibre);
    const ModelChoice elastic =
        ChooseModelsOrFirst(lists.ElasticModels(), "elastic model", command.elastic);
    const ModelChoice thermal =
        ChooseModelsOrFirst(lists.ThermalModels(), "thermal model", command.thermal);
    const VolumeFractions fractions = ParseVolumeFractions(command.vf);
    CheckVolumeFractions(fractions);

    // Rows run volume fraction outermost, then elastic, then thermal model.
    const std::size_t thermalCount = thermal.models.size();
    const std::size_t modelCount = elastic.models.size() * thermalCount;
    auto rowInputs = [=](std::size_t row) {
        PlyInputs rowInputs = inputs;
        rowInputs.fibreVolumePercent = fractions.percents[row / modelCount];
        rowInputs.elastic = elastic.models[row % modelCount / thermalCount];
        rowInputs.thermal = thermal.models[row % thermalCount];
        return rowInputs;
    };
    RowPlan plan;
    plan.kind = command.randomMat ? ReportKind::RandomMat : ReportKind::UDPly;
    plan.count = fractions.percents.size() * modelCount;
    plan.isSweep = fractions.isSweep || elastic.isSweep || thermal.isSweep;
    plan.keyWidths = {WidestText(VolumeFractionTexts(fractions)), WidestText(ModelNames(elastic)),
                      WidestText(ModelNames(thermal))};
    const CalculationParts parts = PartsFor(command.output, plan.isSweep);
    plan.compute = [=](std::size_t row) { return CalculatePly(rowInputs(row), parts); };
    plan.note =
        PackingNote(*std::max_element(fractions.percents.begin(), fractions.percents.end()));
    plan.describe = [=](std::size_t row) {
        const PlyInputs in = rowInputs(row);
        return "vf " + FormatGeneral(in.fibreVolumePercent, kFieldDigits) + " %, elastic " +
               in.elastic->name + ", thermal " + in.thermal->name;
    };
    return Deliver(plan, command.output, streams);
}

int RunFabric(const FabricCommand& command, const CliStreams& streams) {
    const bool abd = AsksForLaminate(command);
    CheckExportUsage(command.output, abd);
    FabricRequest request = ReadFabricChoices(command);
    const DisplayOptions minimums = ReadMinimums(command);
    const VolumeFractions fractions = ParseVolumeFractions(command.vf);

    const std::unique_ptr<CMaterialLists> opened = OpenLists(streams.err);
    LookUpFabricMaterials(request, command, *opened);
    CheckVolumeFractions(fractions);
    if (!FabricDataValid(request.data)) {
        Reject(kInvalidFabricDataMessage);
    }

    RowPlan plan;
    plan.kind = abd ? ReportKind::FabricABD : ReportKind::Fabric3D;
    plan.count = fractions.percents.size();
    plan.isSweep = fractions.isSweep;
    plan.keyWidths = {WidestText(VolumeFractionTexts(fractions))};
    const CalculationParts parts = PartsFor(command.output, plan.isSweep);
    plan.compute = [=](std::size_t row) {
        FabricRequest rowRequest = request;
        rowRequest.fibreVolumePercent = fractions.percents[row];
        return CalculateFabric(rowRequest, minimums, parts);
    };
    plan.describe = [=](std::size_t row) {
        return "vf " + FormatGeneral(fractions.percents[row], kFieldDigits) + " %";
    };
    return Deliver(plan, command.output, streams);
}

}  // namespace

int RunCorvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                 bool errIsTerminal) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv, out, err);
    if (parsed.exitStatus >= 0) {
        return parsed.exitStatus;
    }
    const CliStreams streams{out, err, errIsTerminal};
    return ReportingFailures(err, [&] {
        const int status = std::visit(
            [&](const auto& command) -> int {
                using Command = std::decay_t<decltype(command)>;
                if constexpr (std::is_same_v<Command, ListCommand>) {
                    return RunList(command, out, err);
                } else if constexpr (std::is_same_v<Command, WeaveCommand>) {
                    return RunWeave(command, out, err);
                } else if constexpr (std::is_same_v<Command, PlyCommand>) {
                    return RunPly(command, streams);
                } else if constexpr (std::is_same_v<Command, ValidateCommand>) {
                    return RunValidate(command, out, err);
                } else if constexpr (std::is_same_v<Command, PlotCommand>) {
                    return RunPlotProgram(argc, argv, streams);
                } else {
                    return RunFabric(command, streams);
                }
            },
            parsed.command);
        CheckOutput(out);
        return status;
    });
}

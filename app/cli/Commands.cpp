#include "Commands.h"

#include <cctype>
#include <cmath>
#include <iomanip>
#include <memory>

#include "CliArguments.h"
#include "CliFailure.h"
#include "NumberFormat.h"
#include "OutputFormats.h"
#include "Sweep.h"

namespace {

// The calculator's user file, read from the working directory.
constexpr const char* kUserFileName = "userData.dat";

// The calculator's lists with the user's materials. A user file that cannot be read loads
// nothing, as at the calculator's start-up, but the tool says so rather than leave the user's
// materials unknown without a word.
std::unique_ptr<CMaterialLists> OpenLists(std::ostream& err) {
    auto lists = std::make_unique<CMaterialLists>(kUserFileName);
    if (lists->UserFileUnreadable()) {
        err << "corvel-cli: warning: \"" << kUserFileName
            << "\" could not be read; no user-defined materials are listed\n";
    }
    return lists;
}

double ReadNumber(const std::string& option, const std::string& text) {
    double value = 0.0;
    if (!ParseNumber(text, value)) {
        BadUsage(option + ": \"" + text + "\" is not a number");
    }
    return value;
}

// A minimum displayed value: positive and finite, as the display options keep it.
double ReadMinimum(const std::string& option, const std::string& text, double byDefault) {
    if (text.empty()) {
        return byDefault;
    }
    const double value = ReadNumber(option, text);
    if (!(value > 0.0) || !std::isfinite(value)) {
        BadUsage(option + ": the minimum displayed value must be positive and finite");
    }
    return value;
}

std::string Lowered(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

void CheckVolumeFractions(const VolumeFractions& fractions) {
    for (double percent : fractions.percents) {
        if (!FibreVolumeValid(percent)) {
            Reject(kInvalidVolumeFractionMessage);
        }
    }
}

int RunList(const ListCommand& command, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<CMaterialLists> opened = OpenLists(err);
    const CMaterialLists& lists = *opened;
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    auto addMaterial = [&](const std::string& name, const double* properties, std::size_t count,
                           bool user) {
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
        out << entries.dump(2) << '\n';
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
        out << json.dump(2) << '\n';
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

// Appends the reports (when asked), then prints the results; a report that cannot be written
// stops the command before anything is printed.
int Deliver(const std::vector<Calculation>& calculations, bool isSweep,
            const OutputOptions& options, std::ostream& out, std::ostream& err) {
    std::string confirmation;
    if (options.report) {
        std::string reports;
        for (const Calculation& calculation : calculations) {
            reports += calculation.report;
        }
        const Message message = AppendReport(calculations.front().kind, reports);
        if (message.icon != MessageIcon::Information) {
            throw CliFailure{kExitRejected, message.text};
        }
        confirmation = message.text;
    }
    switch (options.format) {
        case OutputFormat::Json: {
            nlohmann::ordered_json json;
            if (isSweep) {
                json["results"] = nlohmann::ordered_json::array();
                for (const Calculation& calculation : calculations) {
                    json["results"].push_back(CalculationJson(calculation));
                }
            } else {
                json = CalculationJson(calculations.front());
            }
            if (!confirmation.empty()) {
                json["report"] = confirmation;
            }
            out << json.dump(2) << '\n';
            return 0;
        }
        case OutputFormat::Csv:
            WriteCsv(out, calculations);
            if (!confirmation.empty()) {
                err << confirmation << '\n';
            }
            return 0;
        case OutputFormat::Table:
            if (isSweep) {
                out << calculations.front().title << '\n';
                WriteSweepTable(out, calculations);
            } else {
                WriteTable(out, calculations.front());
            }
            if (!confirmation.empty()) {
                out << confirmation << '\n';
            }
            return 0;
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

int RunPly(const PlyCommand& command, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<CMaterialLists> opened = OpenLists(err);
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

    const bool withReport = command.output.report;
    std::vector<Calculation> calculations;
    calculations.reserve(fractions.percents.size() * elastic.models.size() * thermal.models.size());
    for (double percent : fractions.percents) {
        inputs.fibreVolumePercent = percent;
        for (const ModelEntry* elasticModel : elastic.models) {
            inputs.elastic = elasticModel;
            for (const ModelEntry* thermalModel : thermal.models) {
                inputs.thermal = thermalModel;
                calculations.push_back(CalculatePly(inputs, withReport));
            }
        }
    }
    const bool isSweep = fractions.isSweep || elastic.isSweep || thermal.isSweep;
    return Deliver(calculations, isSweep, command.output, out, err);
}

int RunFabric(const FabricCommand& command, std::ostream& out, std::ostream& err) {
    FabricRequest request;
    // The choices were checked ignoring case.
    const bool abd = Lowered(command.results) == "abd";
    const bool finiteElements = Lowered(command.method) == "fe";
    if (finiteElements && !abd) {
        BadUsage("--method fe gives laminate results only: add --results abd");
    }
    request.results = abd ? FabricResults::Laminate : FabricResults::Constants3D;
    request.method = finiteElements ? FabricMethod::FiniteElements : FabricMethod::Average;
    request.isoStrain = Lowered(command.model) == "iso-strain";
    request.data = FabricData{ReadNumber("--warp-count", command.warpCount),
                              ReadNumber("--fill-count", command.fillCount),
                              ReadNumber("--density", command.density),
                              ReadNumber("--warp-angle", command.warpAngle),
                              ReadNumber("--fill-angle", command.fillAngle)};
    request.settings = command.settings;
    const DisplayOptions defaults;
    DisplayOptions minimums;
    minimums.abdMinimum = ReadMinimum("--abd-min", command.abdMinimum, defaults.abdMinimum);
    minimums.thermalMinimum =
        ReadMinimum("--thermal-min", command.thermalMinimum, defaults.thermalMinimum);
    const VolumeFractions fractions = ParseVolumeFractions(command.vf);

    const std::unique_ptr<CMaterialLists> opened = OpenLists(err);
    const CMaterialLists& lists = *opened;
    const ResinRecord* resin = FindEntry(lists.Resins(), "resin", command.resin);
    const FibreRecord* fibre = FindEntry(lists.Fibres(), "fibre", command.fibre);
    request.resinName = resin->name;
    request.resin = resin->Array();
    request.fibreName = fibre->name;
    request.fibre = fibre->Array();
    request.weave = FindEntry(lists.Weaves(), "weave", command.weave);
    CheckVolumeFractions(fractions);
    if (!FabricDataValid(request.data)) {
        Reject(kInvalidFabricDataMessage);
    }

    std::vector<Calculation> calculations;
    for (double percent : fractions.percents) {
        request.fibreVolumePercent = percent;
        calculations.push_back(CalculateFabric(request, minimums, command.output.report));
    }
    return Deliver(calculations, fractions.isSweep, command.output, out, err);
}

}  // namespace

int RunCorvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv, out, err);
    if (parsed.exitStatus >= 0) {
        return parsed.exitStatus;
    }
    try {
        return std::visit(
            [&](const auto& command) -> int {
                using Command = std::decay_t<decltype(command)>;
                if constexpr (std::is_same_v<Command, ListCommand>) {
                    return RunList(command, out, err);
                } else if constexpr (std::is_same_v<Command, WeaveCommand>) {
                    return RunWeave(command, out, err);
                } else if constexpr (std::is_same_v<Command, PlyCommand>) {
                    return RunPly(command, out, err);
                } else {
                    return RunFabric(command, out, err);
                }
            },
            parsed.command);
    } catch (const CliFailure& failure) {
        err << "corvel-cli: " << failure.message << '\n';
        return failure.status;
    }
}

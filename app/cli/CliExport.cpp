#include "CliExport.h"

#include <CLI/CLI.hpp>

#include <map>

#include "CardText.h"
#include "CliFailure.h"
#include "WholeFile.h"

namespace {

// The program the exported files name as their writer.
constexpr const char* kProgram = "corvel-cli";

struct RowMaterial {
    ExportedMaterial material;
    std::string rowLabel;
};

RowMaterial MaterialOf(const Calculation& calculation) {
    const double* out = calculation.output.data();
    if (const auto* ply = std::get_if<PlyExportInputs>(&calculation.exportSource)) {
        return {PlyMaterial(*ply, out), PlyRowLabel(*ply)};
    }
    const auto& fabric = std::get<FabricRequest>(calculation.exportSource);
    return {FabricMaterial(fabric, out), FabricRowLabel(fabric)};
}

ExportHeader HeaderOf(const Calculation& calculation) {
    if (const auto* ply = std::get_if<PlyExportInputs>(&calculation.exportSource)) {
        return PlyExportHeader(*ply, kProgram);
    }
    return FabricExportHeader(std::get<FabricRequest>(calculation.exportSource), kProgram);
}

void Rename(ExportedMaterial& material, const std::string& name) {
    std::visit([&](auto& m) { m.name = name; }, material);
}

const std::string& NameOf(const ExportedMaterial& material) {
    return std::visit([](const auto& m) -> const std::string& { return m.name; }, material);
}

}  // namespace

void AddExportOptions(CLI::App& command, OutputOptions& output,
                      const std::vector<CLI::Option*>& printing) {
    CLI::Option* exportOption =
        command
            .add_option("--export", output.exportFormat,
                        "Print the material card for a solver instead of the results: calculix, "
                        "abaqus or nastran")
            ->check(CLI::IsMember({"calculix", "abaqus", "nastran"}, CLI::ignore_case));
    for (CLI::Option* option : printing) {
        exportOption->excludes(option);
    }
    command.add_option("--output", output.outputPath, "Write the material card to this file")
        ->needs(exportOption);
    command
        .add_option("--name", output.name,
                    "Material name (letters, digits, '_', starting with a letter); default: "
                    "derived from the inputs")
        ->needs(exportOption)
        ->check([](const std::string& name) {
            return IsSolverLabel(name)
                       ? std::string()
                       : "a solver name has letters, digits and underscores only, starts with a "
                         "letter and has at most " +
                             std::to_string(kMaxLabelLength) + " characters";
        });
}

void CheckExportUsage(const OutputOptions& options, bool laminate) {
    if (options.exportFormat.empty() || !laminate) {
        return;
    }
    const std::string refusal = LaminateRefusal(*ParseSolverFormat(options.exportFormat));
    if (!refusal.empty()) {
        BadUsage("--export " + options.exportFormat + ": " + refusal);
    }
}

std::optional<CliExport> PrepareExport(const std::vector<Calculation>& calculations, bool isSweep,
                                       const OutputOptions& options) {
    if (options.exportFormat.empty() || calculations.empty()) {
        return std::nullopt;
    }
    const SolverFormat format = *ParseSolverFormat(options.exportFormat);
    ExportDocument document{HeaderOf(calculations.front()), {}};
    std::map<std::string, int> uses;
    for (const Calculation& calculation : calculations) {
        RowMaterial row = MaterialOf(calculation);
        std::string name = NameOf(row.material);
        if (!options.name.empty()) {
            name = isSweep ? SolverLabel(options.name, row.rowLabel) : options.name;
        }
        // A volume fraction listed twice gives two rows of one name; a deck needs distinct ones.
        const int use = ++uses[name];
        if (use > 1) {
            name = SolverLabel(name, std::to_string(use));
        }
        Rename(row.material, name);
        document.materials.push_back(std::move(row.material));
    }
    ExportText text = WriteSolverInput(format, document);
    if (!text.Written()) {
        Reject(text.problem);
    }
    return CliExport{format, std::move(text.text), options.outputPath};
}

int FinishExport(const CliExport& exported, const std::string& reportConfirmation,
                 std::ostream& out, std::ostream& err) {
    if (exported.path.empty()) {
        out << exported.text;
    } else {
        const std::string problem = WriteWholeFile(exported.path, exported.text);
        if (!problem.empty()) {
            Reject("'" + exported.path + "' could not be written: " + problem);
        }
        out << SolverName(exported.format) << " material written to file: '" << exported.path
            << "'\n";
    }
    if (!reportConfirmation.empty()) {
        (exported.path.empty() ? err : out) << reportConfirmation << '\n';
    }
    return 0;
}

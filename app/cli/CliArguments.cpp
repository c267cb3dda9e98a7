#include "CliArguments.h"

#include <CLI/CLI.hpp>

#include "CliExport.h"
#include "CliFailure.h"
#include "NameLookup.h"
#include "NumberFormat.h"

namespace {

void AddOutputOptions(CLI::App& command, OutputOptions& output, bool& json, bool& csv) {
    CLI::Option* jsonFlag = command.add_flag(
        "--json", json, "Print the inputs, the library's output array and the displayed values");
    CLI::Option* csvFlag =
        command.add_flag("--csv", csv, "Print comma-separated values with a header row")
            ->excludes(jsonFlag);
    command.add_flag("--report", output.report,
                     "Append the calculator's report to its file in the working directory");
    AddExportOptions(command, output, {jsonFlag, csvFlag});
}

void AddMaterialOptions(CLI::App& command, std::string& resin, std::string& fibre,
                        std::string& vf) {
    command.add_option("--resin", resin, "Resin name, built-in or from userData.dat")->required();
    command.add_option("--fibre", fibre, "Fibre name, built-in or from userData.dat")->required();
    command
        .add_option("--vf", vf,
                    "Fibre volume fraction [%] in (0,100): a number, start:stop:step "
                    "(inclusive) or a comma list")
        ->required();
}

void AddPlyOptions(CLI::App& command, PlyCommand& ply, bool& json, bool& csv) {
    AddMaterialOptions(command, ply.resin, ply.fibre, ply.vf);
    command.add_option("--elastic", ply.elastic,
                       "Elastic model name or code (1..6), or all; default: the first listed");
    command.add_option("--thermal", ply.thermal,
                       "Thermal model name or code (11..17), or all; default: the first listed");
    AddOutputOptions(command, ply.output, json, csv);
}

void AddFabricOptions(CLI::App& command, FabricCommand& fabric, bool& json, bool& csv) {
    AddMaterialOptions(command, fabric.resin, fabric.fibre, fabric.vf);
    command.add_option("--weave", fabric.weave, "Weave name")->required();
    command.add_option("--warp-count", fabric.warpCount, "Warp count [1/m]")->required();
    command.add_option("--fill-count", fabric.fillCount, "Fill count [1/m]")->required();
    command.add_option("--density", fabric.density, "Areal density [kg/m2]")->required();
    command.add_option("--warp-angle", fabric.warpAngle, "Global warp yarn angle [degrees]")
        ->required();
    command.add_option("--fill-angle", fabric.fillAngle, "Global fill yarn angle [degrees]")
        ->required();
    command.add_option("--results", fabric.results, "3d constants or abd laminate matrices")
        ->check(CLI::IsMember({"3d", "abd"}, CLI::ignore_case))
        ->capture_default_str();
    command
        .add_option("--method", fabric.method, "average, or fe (finite elements, abd results only)")
        ->check(CLI::IsMember({"average", "fe"}, CLI::ignore_case))
        ->capture_default_str();
    command.add_option("--model", fabric.model, "iso-stress or iso-strain averaging")
        ->check(CLI::IsMember({"iso-stress", "iso-strain"}, CLI::ignore_case))
        ->capture_default_str();
    FabricConfiguration& settings = fabric.settings;
    command.add_option("--gauss", settings.gaussPoints, "Gauss points per direction")
        ->check(CLI::Range(1, 11))
        ->capture_default_str();
    command.add_option("--warp-undulation", settings.warpUndulation, "Warp undulation [%]")
        ->check(CLI::Range(0, 100))
        ->capture_default_str();
    command.add_option("--fill-undulation", settings.fillUndulation, "Fill undulation [%]")
        ->check(CLI::Range(0, 100))
        ->capture_default_str();
    command.add_option("--fibre-height", settings.fibreHeight, "Fibre height [% of layer height]")
        ->check(CLI::Range(0, 100))
        ->capture_default_str();
    command.add_option("--fibre-width", settings.fibreWidth, "Fibre width [% of unit cell width]")
        ->check(CLI::Range(0, 100))
        ->capture_default_str();
    command
        .add_option("--accuracy", settings.accuracy,
                    "Finite-element accuracy, 0 fine .. 100 coarse")
        ->check(CLI::Range(0, 100))
        ->capture_default_str();
    const DisplayOptions defaults;
    command
        .add_option("--abd-min", fabric.abdMinimum, "Minimum displayed A, B, D entry (N/m, N, N m)")
        ->default_str(FormatGeneral(defaults.abdMinimum, kFieldDigits));
    command
        .add_option("--thermal-min", fabric.thermalMinimum,
                    "Minimum displayed thermal entry (per kelvin)")
        ->default_str(FormatGeneral(defaults.thermalMinimum, kFieldDigits));
    AddOutputOptions(command, fabric.output, json, csv);
}

OutputFormat FormatOf(bool json, bool csv) {
    return json ? OutputFormat::Json : csv ? OutputFormat::Csv : OutputFormat::Table;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err) {
    CLI::App app{
        "corvel-cli: elastic constants and thermal expansion of fibre-reinforced plies, random "
        "mats and woven fabrics, as the Corvel calculator computes them",
        "corvel-cli"};
    app.footer(
        "Exit status: 0 done; 1 an input the calculator refuses or a report that could not be "
        "written; 2 a command line that cannot be understood. Nothing is written on failure.");
    app.require_subcommand(1);
    // A repeated option takes its last value, so a script can override what it typed before.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    ListCommand list;
    CLI::App* listCommand =
        app.add_subcommand("list", "List resins, fibres, weaves or models in display order");
    listCommand->add_option("what", list.what, "resins, fibres, weaves, elastic or thermal")
        ->required()
        ->check(CLI::IsMember({"resins", "fibres", "weaves", "elastic", "thermal"}));
    listCommand->add_flag("--json", list.json, "Print JSON");

    WeaveCommand weave;
    CLI::App* weaveCommand = app.add_subcommand(
        "weave", "Show a weave's pattern of signed crossing kinds and its maximum coarsening");
    weaveCommand->add_option("name", weave.name, "Weave name")->required();
    weaveCommand->add_flag("--json", weave.json, "Print JSON");

    PlyCommand ud;
    bool udJson = false;
    bool udCsv = false;
    CLI::App* udCommand = app.add_subcommand("ud", "Unidirectional ply properties");
    AddPlyOptions(*udCommand, ud, udJson, udCsv);

    PlyCommand mat;
    mat.randomMat = true;
    bool matJson = false;
    bool matCsv = false;
    CLI::App* matCommand = app.add_subcommand("mat", "Random mat properties");
    AddPlyOptions(*matCommand, mat, matJson, matCsv);

    FabricCommand fabric;
    bool fabricJson = false;
    bool fabricCsv = false;
    CLI::App* fabricCommand = app.add_subcommand("fabric", "Woven fabric properties");
    AddFabricOptions(*fabricCommand, fabric, fabricJson, fabricCsv);

    ParsedCommandLine parsed;
    // An unknown first word is most likely a mistyped command: name it and the close ones.
    if (argc > 1 && argv[1][0] != '-') {
        std::vector<std::string> commands;
        for (const CLI::App* subcommand : app.get_subcommands({})) {
            commands.push_back(subcommand->get_name());
        }
        NameMatch match = LookUpName(commands, argv[1]);
        if (match.index < 0 || commands[match.index] != argv[1]) {
            if (match.index >= 0) {  // commands are exact: "UD" is offered "ud"
                match.closeMatches = {commands[match.index]};
            }
            err << "corvel-cli: " << UnknownNameMessage("command", argv[1], match, commands)
                << "\nRun with --help for more information.\n";
            parsed.exitStatus = kExitBadUsage;
            return parsed;
        }
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, out, err);
        parsed.exitStatus = status == 0 ? 0 : kExitBadUsage;
        return parsed;
    }
    if (listCommand->parsed()) {
        parsed.command = list;
    } else if (weaveCommand->parsed()) {
        parsed.command = weave;
    } else if (udCommand->parsed()) {
        ud.output.format = FormatOf(udJson, udCsv);
        parsed.command = ud;
    } else if (matCommand->parsed()) {
        mat.output.format = FormatOf(matJson, matCsv);
        parsed.command = mat;
    } else {
        fabric.output.format = FormatOf(fabricJson, fabricCsv);
        parsed.command = fabric;
    }
    return parsed;
}

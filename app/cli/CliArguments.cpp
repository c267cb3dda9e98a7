#include "CliArguments.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <thread>

#include "CliExport.h"
#include "CliFailure.h"
#include "NameLookup.h"
#include "NumberFormat.h"

namespace {

// The formats chosen on a command line; at most one.
struct FormatFlags {
    bool json = false;
    bool jsonLines = false;
    bool csv = false;
};

void AddOutputOptions(CLI::App& command, OutputOptions& output, FormatFlags& flags) {
    CLI::Option* jsonFlag =
        command.add_flag("--json", flags.json,
                         "Print the inputs, the library's output array and the displayed values");
    CLI::Option* linesFlag = command.add_flag(
        "--json-lines", flags.jsonLines, "The same as --json, one object per line, for sweeps");
    CLI::Option* csvFlag =
        command.add_flag("--csv", flags.csv, "Print comma-separated values with a header row")
            ->excludes(jsonFlag)
            ->excludes(linesFlag);
    linesFlag->excludes(jsonFlag);
    command.add_flag("--report", output.report,
                     "Append the calculator's report to its file in the working directory");
    output.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    command
        .add_option("--jobs", output.jobs,
                    "Threads computing the rows of a sweep (default: the number of cores); the "
                    "output is the same for any number")
        ->check(CLI::Range(1, 1024))
        ->capture_default_str();
    AddExportOptions(command, output, {jsonFlag, linesFlag, csvFlag});
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

void AddPlyInputs(CLI::App& command, PlyCommand& ply) {
    AddMaterialOptions(command, ply.resin, ply.fibre, ply.vf);
    command.add_option("--elastic", ply.elastic,
                       "Elastic model name or code (1..6), or all; default: the first listed");
    command.add_option("--thermal", ply.thermal,
                       "Thermal model name or code (11..17), or all; default: the first listed");
}

void AddPlyOptions(CLI::App& command, PlyCommand& ply, FormatFlags& flags) {
    AddPlyInputs(command, ply);
    AddOutputOptions(command, ply.output, flags);
}

void AddFabricInputs(CLI::App& command, FabricCommand& fabric) {
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
}

void AddFabricOptions(CLI::App& command, FabricCommand& fabric, FormatFlags& flags) {
    AddFabricInputs(command, fabric);
    AddOutputOptions(command, fabric.output, flags);
}

// The options every case of `plot` adds to its calculating command's inputs; --vf becomes the
// range, with a default.
void AddPlotOptions(CLI::App& command, PlotCommand& plot, std::string& vf) {
    vf = kDefaultPlotRange;
    command.get_option("--vf")
        ->required(false)
        ->description("Fibre volume fractions [%] of the chart: start:stop:step (inclusive)")
        ->default_str(kDefaultPlotRange);
    command
        .add_option("--property", plot.property,
                    "The property as its result form names it (\"Ey = Ez\", or Ey; \"nu xy\" "
                    "for ν xy, alpha for α)")
        ->required();
    command.add_option("--output", plot.outputPath, "FILE.svg, FILE.png or FILE.csv")->required();
    command.add_option("--current", plot.current,
                       "A fibre volume fraction [%] drawn as a vertical line");
}

OutputFormat FormatOf(const FormatFlags& flags) {
    if (flags.json) {
        return OutputFormat::Json;
    }
    if (flags.jsonLines) {
        return OutputFormat::JsonLines;
    }
    return flags.csv ? OutputFormat::Csv : OutputFormat::Table;
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
    FormatFlags udFormat;
    CLI::App* udCommand = app.add_subcommand("ud", "Unidirectional ply properties");
    AddPlyOptions(*udCommand, ud, udFormat);

    PlyCommand mat;
    mat.randomMat = true;
    FormatFlags matFormat;
    CLI::App* matCommand = app.add_subcommand("mat", "Random mat properties");
    AddPlyOptions(*matCommand, mat, matFormat);

    FabricCommand fabric;
    FormatFlags fabricFormat;
    CLI::App* fabricCommand = app.add_subcommand("fabric", "Woven fabric properties");
    AddFabricOptions(*fabricCommand, fabric, fabricFormat);

    ValidateCommand validate;
    bool validateJson = false;
    bool validateMarkdown = false;
    CLI::App* validateCommand = app.add_subcommand(
        "validate",
        "Verify the models against limits and closed forms of mechanics, and compare them with "
        "published laminae; exit status 1 when a verification check fails");
    CLI::Option* validateJsonFlag =
        validateCommand->add_flag("--json", validateJson, "Print JSON (SI units, full precision)");
    validateCommand
        ->add_flag("--markdown", validateMarkdown, "Print Markdown, as docs/validation.md holds it")
        ->excludes(validateJsonFlag);

    PlotCommand plot;
    CLI::App* plotCommand = app.add_subcommand(
        "plot",
        "One property against the fibre volume fraction for every model of a UD ply, random mat "
        "or woven fabric, drawn to a PNG or SVG file (or its CSV table)");
    plotCommand->require_subcommand(1);
    CLI::App* plotUd =
        plotCommand->add_subcommand("ud", "Every elastic or thermal model of a UD ply");
    AddPlyInputs(*plotUd, plot.ply);
    AddPlotOptions(*plotUd, plot, plot.ply.vf);
    CLI::App* plotMat =
        plotCommand->add_subcommand("mat", "Every elastic or thermal model of a random mat");
    AddPlyInputs(*plotMat, plot.ply);
    AddPlotOptions(*plotMat, plot, plot.ply.vf);
    CLI::App* plotFabric = plotCommand->add_subcommand(
        "fabric", "A woven fabric's iso-stress and iso-strain bounds (and finite elements)");
    AddFabricInputs(*plotFabric, plot.fabric);
    AddPlotOptions(*plotFabric, plot, plot.fabric.vf);

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
        ud.output.format = FormatOf(udFormat);
        parsed.command = ud;
    } else if (matCommand->parsed()) {
        mat.output.format = FormatOf(matFormat);
        parsed.command = mat;
    } else if (plotCommand->parsed()) {
        plot.fabricCase = plotFabric->parsed();
        plot.ply.randomMat = plotMat->parsed();
        parsed.command = plot;
    } else if (validateCommand->parsed()) {
        validate.format = validateJson       ? ValidateCommand::Format::Json
                          : validateMarkdown ? ValidateCommand::Format::Markdown
                                             : ValidateCommand::Format::Text;
        parsed.command = validate;
    } else {
        fabric.output.format = FormatOf(fabricFormat);
        parsed.command = fabric;
    }
    return parsed;
}

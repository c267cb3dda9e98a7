#include "PlotRequest.h"

#include <algorithm>

#include "ChartBuilder.h"
#include "ChartForm.h"
#include "ChartText.h"
#include "CliFailure.h"
#include "CommandInputs.h"
#include "InputChecks.h"
#include "NumberFormat.h"
#include "Sweep.h"
#include "WholeFile.h"

namespace {

std::vector<ModelEntry> Models(const DisplayList<const ModelEntry*>& list) {
    std::vector<ModelEntry> models;
    for (const DisplayEntry<const ModelEntry*>& entry : list) {
        models.push_back(*entry.reference);
    }
    return models;
}

// The position of the named model in its list; the first when none is named, as the form starts.
std::size_t ModelIndex(const DisplayList<const ModelEntry*>& list, const std::string& option,
                       const std::string& what, const std::string& typed) {
    if (typed.empty()) {
        return 0;
    }
    if (ChooseModels(list, what, typed).isSweep) {
        BadUsage(option + ": a chart draws every model itself; name the one " + what +
                 " the others are drawn with");
    }
    const ModelEntry* model = FindModel(list, what, typed);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].reference == model) {
            return i;
        }
    }
    return 0;
}

// "a UD ply" in the refusal of an unknown property.
std::string CaseName(const ChartCase& chartCase) {
    switch (chartCase.kind) {
        case ChartCaseKind::UDPly:
            return "a UD ply";
        case ChartCaseKind::RandomMat:
            return "a random mat";
        case ChartCaseKind::Fabric:
            break;
    }
    return chartCase.fabric.Laminate() ? "a fabric's laminate" : "a fabric's 3D constants";
}

std::size_t PropertyIndex(const ChartCase& chartCase, const std::string& typed) {
    const std::vector<ShownProperty>& properties = chartCase.Properties();
    if (const std::optional<std::size_t> found = FindProperty(properties, typed)) {
        return *found;
    }
    std::string names;
    for (const ShownProperty& property : properties) {
        names += (names.empty() ? "" : ", ") + property.label;
    }
    Reject("unknown property \"" + typed + "\" of " + CaseName(chartCase) +
           "; the properties are " + names);
}

}  // namespace

PlotRequest ReadPlotRequest(const PlotCommand& command, std::ostream& err) {
    PlotRequest request;
    const std::optional<ChartFileFormat> format = ChartFormatOfPath(command.outputPath);
    if (!format) {
        BadUsage("--output: \"" + command.outputPath + "\" is not a .svg, .png or .csv file");
    }
    request.format = *format;
    request.outputPath = command.outputPath;
    std::optional<double> current;
    if (!command.current.empty()) {
        current = ReadNumber("--current", command.current);
    }
    const VolumeFractions fractions =
        ParseVolumeFractions(command.fabricCase ? command.fabric.vf : command.ply.vf);

    ChartCase& chartCase = request.chartCase;
    if (command.fabricCase) {
        chartCase.kind = ChartCaseKind::Fabric;
        chartCase.fabric = ReadFabricChoices(command.fabric);
        chartCase.minimums = ReadMinimums(command.fabric);
        request.lists = OpenLists(err);
        LookUpFabricMaterials(chartCase.fabric, command.fabric, *request.lists);
    } else {
        const PlyCommand& ply = command.ply;
        chartCase.kind = ply.randomMat ? ChartCaseKind::RandomMat : ChartCaseKind::UDPly;
        request.lists = OpenLists(err);
        const CMaterialLists& lists = *request.lists;
        LookUpMaterials(chartCase, lists, ply.resin, ply.fibre);
        chartCase.elasticModels = Models(lists.ElasticModels());
        chartCase.thermalModels = Models(lists.ThermalModels());
        chartCase.elastic =
            ModelIndex(lists.ElasticModels(), "--elastic", "elastic model", ply.elastic);
        chartCase.thermal =
            ModelIndex(lists.ThermalModels(), "--thermal", "thermal model", ply.thermal);
    }
    CheckVolumeFractions(fractions);
    if (current && !FibreVolumeValid(*current)) {
        Reject(kInvalidVolumeFractionMessage);
    }
    if (command.fabricCase && !FabricDataValid(chartCase.fabric.data)) {
        Reject(kInvalidFabricDataMessage);
    }
    chartCase.currentPercent = current;

    request.percents = fractions.percents;
    std::sort(request.percents.begin(), request.percents.end());
    request.percents.erase(std::unique(request.percents.begin(), request.percents.end()),
                           request.percents.end());
    if (request.percents.size() < 2) {
        BadUsage("--vf: a chart needs at least two volume fractions");
    }
    if (static_cast<double>(request.percents.size()) > kMaxChartPoints) {
        BadUsage("--vf: a chart takes at most " + FormatGeneral(kMaxChartPoints, kFieldDigits) +
                 " volume fractions");
    }
    request.property = PropertyIndex(chartCase, command.property);
    return request;
}

int RunPlot(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
            const ChartPainter& paint, bool svg) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv, out, err);
    if (parsed.exitStatus >= 0) {
        return parsed.exitStatus;
    }
    const auto* command = std::get_if<PlotCommand>(&parsed.command);
    return ReportingFailures(err, [&] {
        if (command == nullptr) {
            BadUsage("corvel-plot draws the plot command of corvel-cli only");
        }
        const PlotRequest request = ReadPlotRequest(*command, err);
        if (request.format == ChartFileFormat::Svg && !svg) {
            BadUsage(
                "--output: SVG drawings need Qt SVG (Debian qt6-svg-dev), which was missing "
                "when corvel-plot was built; .png and .csv work");
        }
        const ChartModel chart = ChartOf(
            request.chartCase, ComputeCompleteChartRuns(request.chartCase, request.percents),
            request.property);
        const std::string contents =
            request.format == ChartFileFormat::Csv ? ChartCsv(chart) : paint(chart, request.format);
        const std::string problem = contents.empty() ? "the picture could not be drawn"
                                                     : WriteWholeFile(request.outputPath, contents);
        if (!problem.empty()) {
            Reject("the chart could not be written to '" + request.outputPath + "': " + problem);
        }
        return 0;
    });
}

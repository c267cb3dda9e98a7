#include "Calculations.h"

#include "CliFailure.h"
#include "FabricCalculation.h"
#include "NumberFormat.h"
#include "PlyCalculation.h"
#include "ShownProperties.h"

namespace {

// The record's values named as the result form names them.
template <typename Record>
std::vector<ShownValue> ShownFrom(const std::vector<ShownProperty>& properties,
                                  const Record& record) {
    std::vector<ShownValue> shown;
    for (std::size_t i = 0; i < properties.size(); ++i) {
        shown.push_back({properties[i].label, properties[i].unit, record.values[i]});
    }
    return shown;
}

// A number as a field holds it: 15 significant digits.
std::string FieldText(double value) {
    return FormatGeneral(value, kFieldDigits);
}

nlohmann::ordered_json ModelJson(const ModelEntry& model) {
    return {{"name", model.name}, {"code", model.code}};
}

}  // namespace

Calculation CalculatePly(const PlyInputs& in, CalculationParts parts) {
    const bool udPly = in.kind == PlyKind::UDPly;
    double out[kPlyResultSize] = {};
    if (!CalculatePlyOutput(!udPly, in.fibreVolumePercent, in.resin->Array(), in.fibre->Array(),
                            in.elastic->code, in.thermal->code, out)) {
        Reject(kInvalidFabricDataMessage);
    }

    Calculation result;
    result.kind = udPly ? ReportKind::UDPly : ReportKind::RandomMat;
    result.title = udPly ? "MicroMechanical Model Results" : "Random Model Results";
    if (parts.details) {
        result.description = "resin " + in.resin->name + ", fibre " + in.fibre->name + ", Vf " +
                             FieldText(in.fibreVolumePercent) + " %, elastic " + in.elastic->name +
                             ", thermal " + in.thermal->name;
        result.inputs = {{"resin", in.resin->name},
                         {"fibre", in.fibre->name},
                         {"vf", in.fibreVolumePercent},
                         {"elastic", ModelJson(*in.elastic)},
                         {"thermal", ModelJson(*in.thermal)}};
    }
    result.output.assign(out, out + kPlyResultSize);
    result.keys = {{"vf [%]", FieldText(in.fibreVolumePercent)},
                   {"elastic", in.elastic->name},
                   {"thermal", in.thermal->name}};
    result.exportSource = PlyExportInputs{
        !udPly,           in.fibre->name,    in.resin->name,    in.elastic->name,
        in.thermal->name, in.resin->Array(), in.fibre->Array(), in.fibreVolumePercent};
    const PlyReportInputs reportInputs{in.fibre->name, in.resin->name, in.elastic->name,
                                       in.thermal->name, in.fibreVolumePercent};
    if (udPly) {
        const UDResults record = UDResults::FromLibrary(out);
        result.shown = ShownFrom(UDPlyProperties(), record);
        if (parts.report) {
            result.report = UDPlyReport(reportInputs, AsDisplayed(record));
        }
    } else {
        const RandomMatResults record = RandomMatResults::FromLibrary(out);
        result.shown = ShownFrom(RandomMatProperties(), record);
        if (parts.report) {
            result.report = RandomMatReport(reportInputs, AsDisplayed(record));
        }
    }
    return result;
}

Calculation CalculateFabric(const FabricRequest& in, const DisplayOptions& minimums,
                            CalculationParts parts) {
    double out[kFabricResultSize] = {};
    if (!in.Calculate(out) || !ResultsFinite(out, in.OutputSize())) {
        Reject(kInvalidFabricDataMessage);
    }

    const bool abd = in.Laminate();
    Calculation result;
    result.kind = abd ? ReportKind::FabricABD : ReportKind::Fabric3D;
    result.title = abd ? "ABD RESULTS" : "3D Results";
    const FabricReportInputs reportInputs = in.ReportInputs(out);
    if (parts.details) {
        result.description = "resin " + in.resinName + ", fibre " + in.fibreName + ", weave " +
                             in.weave->Name() + ", Vf " + FieldText(in.fibreVolumePercent) +
                             " %, " + (in.isoStrain ? "iso-strain" : "iso-stress") +
                             (in.FiniteElements() ? ", finite elements" : ", average") +
                             ", thickness " +
                             FormatGeneral(reportInputs.thicknessMm, kResultDigits) + " mm";
        const FabricConfiguration& settings = in.settings;
        result.inputs = {
            {"resin", in.resinName},
            {"fibre", in.fibreName},
            {"weave", in.weave->Name()},
            {"vf", in.fibreVolumePercent},
            {"warpCount", in.data.warpCount},
            {"fillCount", in.data.fillCount},
            {"arealDensity", in.data.arealDensity},
            {"warpAngle", in.data.warpAngleDeg},
            {"fillAngle", in.data.fillAngleDeg},
            {"results", abd ? "abd" : "3d"},
            {"method", in.FiniteElements() ? "fe" : "average"},
            {"model", in.isoStrain ? "iso-strain" : "iso-stress"},
            {"configuration",
             {{"gaussPoints", settings.gaussPoints},
              {"warpUndulation", settings.warpUndulation},
              {"fillUndulation", settings.fillUndulation},
              {"fibreHeight", settings.fibreHeight},
              {"fibreWidth", settings.fibreWidth},
              {"accuracy", settings.accuracy}}},
            {"libraryModel", in.LibraryModel()},
            {"reductions", in.Reductions()},
        };
        if (abd) {
            result.inputs["abdMin"] = minimums.abdMinimum;
            result.inputs["thermalMin"] = minimums.thermalMinimum;
        }
    }
    result.output.assign(out, out + in.OutputSize());
    result.keys = {{"vf [%]", FieldText(in.fibreVolumePercent)}};
    result.exportSource = in;

    if (abd) {
        const FabricABDResults record =
            FabricABDResults::FromLibrary(out, minimums.abdMinimum, minimums.thermalMinimum);
        result.shown = ShownFrom(FabricLaminateProperties(), record);
        if (parts.report) {
            result.report = FabricABDReport(reportInputs, AsDisplayed(record));
        }
    } else {
        const Fabric3DResults record = Fabric3DResults::FromLibrary(out);
        result.shown = ShownFrom(Fabric3DProperties(), record);
        if (parts.report) {
            result.report = Fabric3DReport(reportInputs, AsDisplayed(record));
        }
    }
    return result;
}

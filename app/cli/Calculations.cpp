#include "Calculations.h"

#include "CliFailure.h"
#include "FabricCalculation.h"
#include "NumberFormat.h"
#include "Results3DDialog.h"
#include "ResultsRandomDialog.h"
#include "ResultsUDDialog.h"
#include "weftcore.h"

namespace {

constexpr int kPlyResultSize = 9;

std::string Trimmed(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(' ');
    const std::size_t end = text.find_last_not_of(' ');
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

// "[GPa]  " -> "GPa", "[]  " -> "".
std::string BareUnit(const std::string& unit) {
    std::string text = Trimmed(unit);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

template <typename Rows, typename Record>
std::vector<ShownValue> ShownFromTable(const Rows& rows, const Record& record) {
    std::vector<ShownValue> shown;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        shown.push_back({Trimmed(rows[i].label), BareUnit(rows[i].unit), record.values[i]});
    }
    return shown;
}

// The laminate form is laid out as a matrix rather than a table; its rows here are named after
// the entries, with the units of the form's groups.
std::vector<ShownValue> ShownLaminate(const FabricABDResults& record) {
    // clang-format off
    static const std::array<std::pair<const char*, const char*>, FabricABDResults::kFieldCount>
        kRows = {{
            {"A11", "MN/m"}, {"A12", "MN/m"}, {"A16", "MN/m"},
            {"A22", "MN/m"}, {"A26", "MN/m"}, {"A66", "MN/m"},
            {"B11", "kN"}, {"B12", "kN"}, {"B16", "kN"},
            {"B22", "kN"}, {"B26", "kN"}, {"B66", "kN"},
            {"D11", "N m"}, {"D12", "N m"}, {"D16", "N m"},
            {"D22", "N m"}, {"D26", "N m"}, {"D66", "N m"},
            {"NT x", "N/(m K)"}, {"NT y", "N/(m K)"}, {"NT xy", "N/(m K)"},
            {"MT x", "N/K"}, {"MT y", "N/K"}, {"MT xy", "N/K"},
            {"ε x", "%/K"}, {"ε y", "%/K"}, {"ε xy", "%/K"},
            {"κ x", "1/(m K)"}, {"κ y", "1/(m K)"}, {"κ xy", "1/(m K)"},
            {"A16/A11", ""}, {"A26/A22", ""}, {"D16/D11", ""}, {"D26/D22", ""},
        }};
    // clang-format on
    std::vector<ShownValue> shown;
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        shown.push_back({kRows[i].first, kRows[i].second, record.values[i]});
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

Calculation CalculatePly(const PlyInputs& in, bool withReport) {
    const bool udPly = in.kind == PlyKind::UDPly;
    double out[kPlyResultSize] = {};
    const double vf = in.fibreVolumePercent * 0.01;
    if (udPly) {
        UDMixel(vf, in.resin->Array(), in.fibre->Array(), in.elastic->code, in.thermal->code, out);
    } else {
        RNDProperties(vf, in.resin->Array(), in.fibre->Array(), in.elastic->code, in.thermal->code,
                      out);
    }

    Calculation result;
    result.kind = udPly ? ReportKind::UDPly : ReportKind::RandomMat;
    result.title = udPly ? "MicroMechanical Model Results" : "Random Model Results";
    result.description = "resin " + in.resin->name + ", fibre " + in.fibre->name + ", Vf " +
                         FieldText(in.fibreVolumePercent) + " %, elastic " + in.elastic->name +
                         ", thermal " + in.thermal->name;
    result.inputs = {{"resin", in.resin->name},
                     {"fibre", in.fibre->name},
                     {"vf", in.fibreVolumePercent},
                     {"elastic", ModelJson(*in.elastic)},
                     {"thermal", ModelJson(*in.thermal)}};
    result.output.assign(out, out + kPlyResultSize);
    result.keys = {{"vf [%]", FieldText(in.fibreVolumePercent)},
                   {"elastic", in.elastic->name},
                   {"thermal", in.thermal->name}};
    const PlyReportInputs reportInputs{in.fibre->name, in.resin->name, in.elastic->name,
                                       in.thermal->name, in.fibreVolumePercent};
    if (udPly) {
        const UDResults record = UDResults::FromLibrary(out);
        result.shown = ShownFromTable(CResultsUDDialog::RowTexts(), record);
        if (withReport) {
            result.report = UDPlyReport(reportInputs, AsDisplayed(record));
        }
    } else {
        const RandomMatResults record = RandomMatResults::FromLibrary(out);
        result.shown = ShownFromTable(CResultsRandomDialog::RowTexts(), record);
        if (withReport) {
            result.report = RandomMatReport(reportInputs, AsDisplayed(record));
        }
    }
    return result;
}

Calculation CalculateFabric(const FabricRequest& in, const DisplayOptions& minimums,
                            bool withReport) {
    double out[kFabricResultSize] = {};
    if (!in.Calculate(out)) {
        Reject(kInvalidFabricDataMessage);
    }

    const bool abd = in.Laminate();
    Calculation result;
    result.kind = abd ? ReportKind::FabricABD : ReportKind::Fabric3D;
    result.title = abd ? "ABD RESULTS" : "3D Results";
    const FabricReportInputs reportInputs = in.ReportInputs(out);
    result.description = "resin " + in.resinName + ", fibre " + in.fibreName + ", weave " +
                         in.weave->Name() + ", Vf " + FieldText(in.fibreVolumePercent) + " %, " +
                         (in.isoStrain ? "iso-strain" : "iso-stress") +
                         (in.FiniteElements() ? ", finite elements" : ", average") +
                         ", thickness " + FormatGeneral(reportInputs.thicknessMm, kResultDigits) +
                         " mm";
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
    result.output.assign(out, out + in.OutputSize());
    result.keys = {{"vf [%]", FieldText(in.fibreVolumePercent)}};

    if (abd) {
        const FabricABDResults record =
            FabricABDResults::FromLibrary(out, minimums.abdMinimum, minimums.thermalMinimum);
        result.shown = ShownLaminate(record);
        if (withReport) {
            result.report = FabricABDReport(reportInputs, AsDisplayed(record));
        }
    } else {
        const Fabric3DResults record = Fabric3DResults::FromLibrary(out);
        result.shown = ShownFromTable(CResults3DDialog::RowTexts(), record);
        if (withReport) {
            result.report = Fabric3DReport(reportInputs, AsDisplayed(record));
        }
    }
    return result;
}

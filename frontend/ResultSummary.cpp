#include "ResultSummary.h"

#include "NumberFormat.h"

namespace {

// A typed input as its field shows it.
std::string Typed(double value) {
    return FormatGeneral(value, kFieldDigits);
}

const char* CaseName(ResultCase resultCase) {
    switch (resultCase) {
        case ResultCase::UDPly:
            return "UD ply";
        case ResultCase::RandomMat:
            return "Random mat";
        case ResultCase::Fabric:
            break;
    }
    return "Woven fabric";
}

// A cell's text: a tab or a line feed in a material's name would start another cell or row.
std::string Cell(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

void AppendRow(std::string& out, const std::string& label, const std::string& unit,
               const std::string& value) {
    out += Cell(label) + '\t' + Cell(unit) + '\t' + Cell(value) + '\n';
}

}  // namespace

std::string InputSummary(ResultCase resultCase, const CalculationInputs& in) {
    std::string text =
        std::string(CaseName(resultCase)) + ": resin " + in.resinName + ", fibre " + in.fibreName;
    if (resultCase != ResultCase::Fabric) {
        return text + ", Vf " + Typed(in.fibreVolumePercent) + " %, elastic " +
               in.elasticModelName + ", thermal " + in.thermalModelName;
    }
    return text + ", weave " + in.weaveName + ", Vf " + Typed(in.fibreVolumePercent) + " %, warp " +
           Typed(in.warpCount) + " 1/m at " + Typed(in.warpAngleDeg) + "°, fill " +
           Typed(in.fillCount) + " 1/m at " + Typed(in.fillAngleDeg) + "°, " +
           Typed(in.arealDensity) + " kg/m2, " + (in.isoStrain ? "iso-strain" : "iso-stress") +
           (in.finiteElements ? ", finite elements" : ", average");
}

std::string ResultsClipboardText(const std::string& title, ResultCase resultCase,
                                 const std::optional<CalculationInputs>& inputs,
                                 const std::vector<ShownValue>& values, const std::string& note) {
    std::string out = Cell(title) + '\n';
    if (inputs) {
        const CalculationInputs& in = *inputs;
        AppendRow(out, "Case", "", CaseName(resultCase));
        AppendRow(out, "Resin", "", in.resinName);
        AppendRow(out, "Fibre", "", in.fibreName);
        if (resultCase == ResultCase::Fabric) {
            AppendRow(out, "Weave", "", in.weaveName);
            AppendRow(out, "Model type", "",
                      in.isoStrain ? "Iso-strain model" : "Iso-stress model");
            AppendRow(out, "Calculation method", "",
                      in.finiteElements ? "Finite Elements" : "Average");
        } else {
            AppendRow(out, "Elastic model", "", in.elasticModelName);
            AppendRow(out, "Thermal model", "", in.thermalModelName);
        }
        AppendRow(out, "Fibre volume fraction", "%", Typed(in.fibreVolumePercent));
        if (resultCase == ResultCase::Fabric) {
            AppendRow(out, "Warp count", "1/m", Typed(in.warpCount));
            AppendRow(out, "Fill count", "1/m", Typed(in.fillCount));
            AppendRow(out, "Areal density", "kg/m2", Typed(in.arealDensity));
            AppendRow(out, "Warp yarn angle", "degrees", Typed(in.warpAngleDeg));
            AppendRow(out, "Fill yarn angle", "degrees", Typed(in.fillAngleDeg));
        }
    }
    out += '\n';
    AppendRow(out, "Property", "Unit", "Value");
    for (const ShownValue& value : values) {
        AppendRow(out, value.label, value.unit, value.text);
    }
    if (!note.empty()) {
        out += Cell(note) + '\n';
    }
    return out;
}

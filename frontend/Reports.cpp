#include "Reports.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "NumberFormat.h"
#include "ReportFile.h"

namespace {

// The two number forms of the reports: "%10.4f" and "%10.4e".
std::string Fixed(double value, int width = 10) {
    return FormatFixed(value, width, 4);
}
std::string Exponent(double value) {
    return FormatExponent(value, 10, 4);
}

std::string PlyDescription(const PlyReportInputs& inputs) {
    return "Fibre material                   = " + inputs.fibreName +
           "\nMatrix material                  = " + inputs.resinName +
           "\nMechanical micromechanical model = " + inputs.elasticModelName +
           "\nThermal micromechanical model    = " + inputs.thermalModelName +
           "\nFibre Volume Fraction            = " + FormatFixed(inputs.fibreVolumePercent, 0, 4) +
           "[%]\n"
           "\n\t--RESULTS--\n";
}

std::string ModelTypeLine(const FabricReportInputs& inputs) {
    return inputs.isoStrain ? "iso-strain model used for calculations\n"
                            : "iso-stress model used for calculations\n";
}

std::string FabricDescription(const FabricReportInputs& inputs) {
    return "Fibre material        = " + inputs.fibreName +
           "\nMatrix material       = " + inputs.resinName +
           "\nWeave type            = " + inputs.weaveName +
           "\nAngle of warp yarns   = " + Fixed(inputs.warpAngleDeg) + " [degrees]\n" +
           "Angle of fill yarns   = " + Fixed(inputs.fillAngleDeg) + " [degrees]\n" +
           "Areal density         = " + Fixed(inputs.arealDensity) + " [ kg/m2 ]\n" +
           "Thickness             = " + Fixed(inputs.thicknessMm) + " [   mm  ]\n" +
           "Warp count            = " + Fixed(inputs.warpCount) + " [  1/m  ]\n" +
           "Fill count            = " + Fixed(inputs.fillCount) + " [  1/m  ]\n" +
           "Fibre Volume Fraction = " + Fixed(inputs.fibreVolumePercent) + " [   %   ]\n";
}

// The upper triangle of a symmetric 3x3 matrix, each entry ending in the column of the entry
// above it: xx xy xs / yy ys / ss.
std::string UpperTriangle(const FabricABDResults& r, FabricABDResults::Field first) {
    auto at = [&](int offset) { return r.values[first + offset]; };
    return Fixed(at(0)) + Fixed(at(1)) + Fixed(at(2)) + "\n" + Fixed(at(3), 20) + Fixed(at(4)) +
           "\n" + Fixed(at(5), 30) + "\n";
}

std::string ExponentLines(const FabricABDResults& r, FabricABDResults::Field first) {
    return Exponent(r.values[first]) + "\n" + Exponent(r.values[first + 1]) + "\n" +
           Exponent(r.values[first + 2]) + "\n";
}

// One result line: the label, the value as "%10.4f" or "%10.4e", and the rest of the line.
struct ResultLine {
    const char* label;
    int field;
    bool exponent;
    const char* tail;
};

template <std::size_t Fields, std::size_t Lines>
std::string ResultLines(const std::array<float, Fields>& values,
                        const std::array<ResultLine, Lines>& lines) {
    std::string text;
    for (const ResultLine& line : lines) {
        double value = values[line.field];
        text += line.label;
        text += line.exponent ? Exponent(value) : Fixed(value);
        text += line.tail;
    }
    return text;
}

// clang-format off
const std::array<ResultLine, 9> kUDPlyLines = {{
    {"Ex        = ", UDResults::E1, false, " [ GPa ]\n"},
    {"Ey=Ez     = ", UDResults::E2, false, " [ GPa ]\n"},
    {"Gxy=Gxz   = ", UDResults::G12, false, " [ GPa ]\n"},
    {"Gyz       = ", UDResults::G23, false, " [ GPa ]\n"},
    {"nuxy=nuxz = ", UDResults::Nu12, false, " [     ]\n"},
    {"nuyz=nuzy = ", UDResults::Nu23, false, " [     ]\n"},
    {"nuyx=nuzx = ", UDResults::Nu21, false, " [     ]\n"},
    {"alpha1    = ", UDResults::Alpha1, true, " [ppm/K]\n"},
    {"alpha2=3  = ", UDResults::Alpha2, true, " [ppm/K]\n"},
}};

const std::array<ResultLine, 9> kRandomMatLines = {{
    {"Ex      = ", RandomMatResults::Ex, false, " [GPa]\n"},
    {"Ez      = ", RandomMatResults::Ez, false, " [GPa]\n"},
    {"Gxy     = ", RandomMatResults::Gxy, false, " [GPa]\n"},
    {"Gyz     = ", RandomMatResults::Gyz, false, " [GPa]\n"},
    {"NUxy    = ", RandomMatResults::NuXY, false, " [   ]\n"},
    {"NUzx    = ", RandomMatResults::NuZX, false, " [   ]\n"},
    {"NUxz    = ", RandomMatResults::NuXZ, false, " [   ]\n"},
    {"Alphax  = ", RandomMatResults::AlphaX, true, " [ppm/K]\n"},
    {"Alphaz  = ", RandomMatResults::AlphaZ, true, " [ppm/K]\n"},
}};

const std::array<ResultLine, 18> kFabric3DLines = {{
    {"Ex      = ", Fabric3DResults::Ex, false, " [ GPa ]\n"},
    {"Ey      = ", Fabric3DResults::Ey, false, " [ GPa ]\n"},
    {"Ez      = ", Fabric3DResults::Ez, false, " [ GPa ]\n"},
    {"Gxy     = ", Fabric3DResults::Gxy, false, " [ GPa ]\n"},
    {"Gxz     = ", Fabric3DResults::Gxz, false, " [ GPa ]\n"},
    {"Gyz     = ", Fabric3DResults::Gyz, false, " [ GPa ]\n"},
    {"NUxy    = ", Fabric3DResults::NuXY, false, " [     ]\n"},
    {"NUxz    = ", Fabric3DResults::NuXZ, false, " [     ]\n"},
    {"NUyz    = ", Fabric3DResults::NuYZ, false, " [     ]\n"},
    {"NUyx    = ", Fabric3DResults::NuYX, false, " [     ]\n"},
    {"NUzx    = ", Fabric3DResults::NuZX, false, " [     ]\n"},
    {"NUzy    = ", Fabric3DResults::NuZY, false, " [     ]\n"},
    {"ALPHAx  = ", Fabric3DResults::AlphaX, true, " [ppm/K]\n"},
    {"ALPHAy  = ", Fabric3DResults::AlphaY, true, " [ppm/K]\n"},
    {"ALPHAz  = ", Fabric3DResults::AlphaZ, true, " [ppm/K]\n"},
    {"ALPHAxy = ", Fabric3DResults::AlphaXY, true, " [ppm/K]\n\nCOUPLING TERMS:\n\n"},
    {"C16/C11 = ", Fabric3DResults::C16OverC11, false, "\n"},
    {"C26/C22 = ", Fabric3DResults::C26OverC22, false, "\n"},
}};

const std::array<ResultLine, 4> kFabricABDCouplingLines = {{
    {"A16/A11  = ", FabricABDResults::A16OverA11, false, "\n"},
    {"A26/A22  = ", FabricABDResults::A26OverA22, false, "\n"},
    {"D16/D11  = ", FabricABDResults::D16OverD11, false, "\n"},
    {"D26/D22  = ", FabricABDResults::D26OverD22, false, "\n"},
}};
// clang-format on

}  // namespace

std::string UDPlyReport(const PlyReportInputs& inputs, const UDResults& results) {
    return "UD COMPOSITE PROPERTIES\n\n" + PlyDescription(inputs) +
           ResultLines(results.values, kUDPlyLines);
}

std::string RandomMatReport(const PlyReportInputs& inputs, const RandomMatResults& results) {
    return "RANDOM FABRIC PROPERTIES\n\n" + PlyDescription(inputs) +
           ResultLines(results.values, kRandomMatLines);
}

std::string Fabric3DReport(const FabricReportInputs& inputs, const Fabric3DResults& results) {
    return "WOVEN FABRIC 3D PROPERTIES\n\n" + ModelTypeLine(inputs) + FabricDescription(inputs) +
           "\n\t--RESULTS--\n" + ResultLines(results.values, kFabric3DLines);
}

std::string FabricABDReport(const FabricReportInputs& inputs, const FabricABDResults& r) {
    using F = FabricABDResults;
    std::string text = "WOVEN FABRIC ABD PROPERTIES\n\n";
    if (inputs.finiteElements) {
        text += "Finite Element model used for calculations\n";
    }
    text += ModelTypeLine(inputs) + FabricDescription(inputs);
    text += "\n\t--RESULTS--\n\nMATRIX A [MN/m]:\n\n" + UpperTriangle(r, F::A11);
    text += "MATRIX B [kN]:\n\n" + UpperTriangle(r, F::B11);
    text += "MATRIX D [N m]:\n\n" + UpperTriangle(r, F::D11);
    text += "NT [N/(m K)]:\n\n" + ExponentLines(r, F::NTx);
    text += "\nMT [N/K]:\n\n" + ExponentLines(r, F::MTx) + "\n";
    text += "AT [%/K]:\n\n" + ExponentLines(r, F::EpsilonX);
    text += "\nKT [1/m K]:\n\n" + ExponentLines(r, F::KappaX) + "\n";
    text += "COUPLING TERMS:\n\n" + ResultLines(r.values, kFabricABDCouplingLines);
    return text;
}

const char* ReportFileName(ReportKind kind) {
    switch (kind) {
        case ReportKind::UDPly:
            return "results_MM.dat";
        case ReportKind::RandomMat:
            return "results_RND.dat";
        case ReportKind::Fabric3D:
            return "results_3D.dat";
        case ReportKind::FabricABD:
            return "results_ABD.dat";
    }
    return "";
}

Message ReportWrittenMessage(ReportKind kind) {
    return Message{std::string("Results are written to file: '") + ReportFileName(kind) + "'",
                   kProgramCaption, MessageIcon::Information, MessageButtons::Ok};
}

Message ReportFailedMessage(ReportKind kind, const std::string& reason) {
    return Message{std::string("Results could not be written to file: '") + ReportFileName(kind) +
                       "'\n" + reason,
                   kProgramCaption, MessageIcon::Exclamation, MessageButtons::Ok};
}

Message AppendReport(ReportKind kind, const std::string& report,
                     const std::filesystem::path& directory) {
    CReportFile file;
    std::optional<std::string> failure = file.Open((directory / ReportFileName(kind)).string());
    if (!failure) {
        failure = file.Append(report);
    }
    if (!failure) {
        failure = file.Close();
    } else {
        file.Abandon();
    }
    return failure ? ReportFailedMessage(kind, *failure) : ReportWrittenMessage(kind);
}

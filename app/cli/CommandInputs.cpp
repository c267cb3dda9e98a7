#include "CommandInputs.h"

#include <cctype>
#include <cmath>

#include "CliFailure.h"
#include "InputChecks.h"
#include "NumberFormat.h"

namespace {

// The calculator's user file, read from the working directory.
constexpr const char* kUserFileName = "userData.dat";

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

}  // namespace

std::unique_ptr<CMaterialLists> OpenLists(std::ostream& err) {
    auto lists = std::make_unique<CMaterialLists>(kUserFileName);
    if (lists->UserFileUnreadable()) {
        err << "corvel-cli: warning: " << lists->UserFileFailure()
            << "; no user-defined materials are listed\n";
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

void CheckVolumeFractions(const VolumeFractions& fractions) {
    for (double percent : fractions.percents) {
        if (!FibreVolumeValid(percent)) {
            Reject(kInvalidVolumeFractionMessage);
        }
    }
}

// The choices were checked ignoring case.
bool AsksForLaminate(const FabricCommand& command) {
    return Lowered(command.results) == "abd";
}

FabricRequest ReadFabricChoices(const FabricCommand& command) {
    FabricRequest request;
    const bool abd = AsksForLaminate(command);
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
    return request;
}

DisplayOptions ReadMinimums(const FabricCommand& command) {
    const DisplayOptions defaults;
    DisplayOptions minimums;
    minimums.abdMinimum = ReadMinimum("--abd-min", command.abdMinimum, defaults.abdMinimum);
    minimums.thermalMinimum =
        ReadMinimum("--thermal-min", command.thermalMinimum, defaults.thermalMinimum);
    return minimums;
}

void LookUpFabricMaterials(FabricRequest& request, const FabricCommand& command,
                           const CMaterialLists& lists) {
    LookUpMaterials(request, lists, command.resin, command.fibre);
    request.weave = FindEntry(lists.Weaves(), "weave", command.weave);
}

#include "FabricCalculation.h"

#include <cmath>

#include "ResultRecords.h"

namespace {

const double kPi = std::acos(-1.0);

}  // namespace

std::array<double, 7> FabricArray(const FabricConfiguration& settings, const FabricData& data) {
    return {
        settings.warpUndulation * 0.01,
        settings.fillUndulation * 0.01,
        settings.fibreHeight * 0.01,
        settings.fibreWidth * 0.01,
        data.warpCount,
        data.fillCount,
        data.arealDensity,
    };
}

double DegreesToRadians(double degrees) {
    return (kPi * degrees) * 0.005555555555555556;
}

int CoarseningLevel(const CWeave& weave, int accuracy) {
    const int n = weave.MaxReduction() * accuracy;
    const double w = n * 0.01;
    const double whole = std::floor(w);
    return static_cast<int>(std::fmod(w, 1.0) > 0.5 ? whole + 1 : whole);
}

short FabricModelNumber(FabricResults results, FabricMethod method) {
    if (results == FabricResults::Constants3D) {
        return 0;
    }
    return method == FabricMethod::FiniteElements ? 2 : 1;
}

FabricArguments FabricRequest::LibraryArguments() const {
    FabricArguments arguments;
    arguments.model = LibraryModel();
    arguments.isoStrain = isoStrain;
    arguments.gaussPoints = static_cast<short>(settings.gaussPoints);
    arguments.vf = fibreVolumePercent * 0.01;
    arguments.fabric = FabricArray(settings, data);
    arguments.fillAngle = DegreesToRadians(data.fillAngleDeg);
    arguments.warpAngle = DegreesToRadians(data.warpAngleDeg);
    arguments.reductions = Reductions();
    return arguments;
}

// Angles go to the library fill first, in radians.
bool FabricRequest::Calculate(double* out, const WFPropertiesFunction& wfProperties) const {
    const FabricArguments a = LibraryArguments();
    return wfProperties(a.model, a.isoStrain, weave, a.gaussPoints, a.vf, resin, fibre,
                        a.fabric.data(), a.fillAngle, a.warpAngle, kCellFactors, a.reductions, out);
}

double FabricRequest::ThicknessMillimetres(const double* out) const {
    return Laminate() ? FabricABDResults::ThicknessMillimetres(out)
                      : Fabric3DResults::ThicknessMillimetres(out);
}

FabricReportInputs FabricRequest::ReportInputs(const double* out) const {
    FabricReportInputs inputs;
    inputs.fibreName = fibreName;
    inputs.resinName = resinName;
    inputs.weaveName = weave->Name();
    inputs.isoStrain = isoStrain;
    inputs.finiteElements = FiniteElements();
    inputs.warpAngleDeg = data.warpAngleDeg;
    inputs.fillAngleDeg = data.fillAngleDeg;
    inputs.arealDensity = data.arealDensity;
    inputs.thicknessMm = ThicknessMillimetres(out);
    inputs.warpCount = data.warpCount;
    inputs.fillCount = data.fillCount;
    inputs.fibreVolumePercent = fibreVolumePercent;
    return inputs;
}

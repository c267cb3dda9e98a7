#include "ChartCase.h"

#include "ResultRecords.h"

// The expansion coefficients close both ply records.
static_assert(static_cast<int>(UDResults::Alpha1) == static_cast<int>(RandomMatResults::AlphaX) &&
              static_cast<int>(UDResults::kFieldCount) ==
                  static_cast<int>(RandomMatResults::kFieldCount));

const std::vector<ShownProperty>& ChartCase::Properties() const {
    switch (kind) {
        case ChartCaseKind::UDPly:
            return UDPlyProperties();
        case ChartCaseKind::RandomMat:
            return RandomMatProperties();
        case ChartCaseKind::Fabric:
            break;
    }
    return fabric.Laminate() ? FabricLaminateProperties() : Fabric3DProperties();
}

bool ChartCase::IsThermal(std::size_t property) const {
    return !IsFabric() && property >= UDResults::Alpha1;
}

std::string ChartCase::Description() const {
    switch (kind) {
        case ChartCaseKind::UDPly:
            return "a UD ply: " + fibreName + " in " + resinName;
        case ChartCaseKind::RandomMat:
            return "a random mat: " + fibreName + " in " + resinName;
        case ChartCaseKind::Fabric:
            break;
    }
    return "a woven fabric: " + fabric.fibreName + " in " + fabric.resinName + ", " +
           (fabric.weave != nullptr ? fabric.weave->Name() : std::string());
}

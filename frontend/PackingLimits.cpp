#include "PackingLimits.h"

#include "NumberFormat.h"

namespace {

// Three significant digits: 78.5 and 90.7, the figures a reader knows the limits by.
std::string Percent(double percent, int digits) {
    return FormatGeneral(percent, digits) + " %";
}

}  // namespace

std::string PackingNote(double fibreVolumePercent) {
    if (!(fibreVolumePercent > kSquarePackingPercent)) {
        return std::string();
    }
    const std::string prefix =
        "Note: round fibres cannot pack to " + Percent(fibreVolumePercent, kFieldDigits);
    if (fibreVolumePercent > kHexagonalPackingPercent) {
        return prefix + " in any array (at most " + Percent(kHexagonalPackingPercent, 3) +
               ", hexagonal).";
    }
    return prefix + " in a square array (at most " + Percent(kSquarePackingPercent, 3) + ").";
}

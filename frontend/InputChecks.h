#pragma once

// The checks a calculation's typed inputs pass before the library is called, and the messages
// that refuse them. Shared by the main form and the command-line tool.

inline constexpr const char* kInvalidVolumeFractionMessage =
    "Invalid fibre volume factor: (0,100) %";
inline constexpr const char* kInvalidFabricDataMessage = "Invalid data values";

// The fibre volume fraction [%] lies strictly between 0 and 100; NaN does not.
inline bool FibreVolumeValid(double percent) {
    return percent > 0.0 && percent < 100.0;
}

// Counts [1/m], areal density [kg/m^2] and the yarn angles [degrees] as entered.
struct FabricData {
    double warpCount = 0.0;
    double fillCount = 0.0;
    double arealDensity = 0.0;
    double warpAngleDeg = 0.0;
    double fillAngleDeg = 0.0;
};

// Counts and density must be positive and finite, and the two yarn directions must not be
// parallel: equal angles, or angles a whole number of half turns apart, leave no crossing to
// model. NaN fails every check.
bool FabricDataValid(const FabricData& data);

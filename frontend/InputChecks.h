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

// Yarn directions closer than this to parallel [degrees] leave no crossing to model. Typed angles
// carry rounding errors of about 1e-14 degrees (180.00000000000003 is 180 as typed); a real
// weave's yarns cross at tens of degrees. Within this tolerance the fabric's thickness, which
// grows as 1 / |sin(angle between the yarns)|, would come out thousands of kilometres.
inline constexpr double kParallelYarnTolerance = 1e-6;

// Counts and density must be positive and finite, and the two yarn directions must not be
// parallel: equal angles, or angles a whole number of half turns apart (within
// kParallelYarnTolerance), leave no crossing to model. NaN fails every check.
bool FabricDataValid(const FabricData& data);

// The input a refused fabric is refused for, the first in the main form's order (counts and
// density in the weave group, then the yarn angles), or None when FabricDataValid passes. Parallel
// yarns are the fill angle's fault: the warp sets the fabric's reference direction.
enum class FabricDataFault { None, WarpCount, FillCount, ArealDensity, WarpAngle, FillAngle };
FabricDataFault FirstFabricDataFault(const FabricData& data);

// A calculation is shown only when the library's results are all finite numbers: a degenerate
// input (a zero fibre height, a volume fraction too small to represent) gives NaN or infinity,
// which is refused with kInvalidFabricDataMessage rather than shown or reported. `count` is the
// number of values the entry point writes: 9 for a ply or mat, 19 or 41 for a fabric.
bool ResultsFinite(const double* out, int count);

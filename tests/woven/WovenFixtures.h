#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "micromechanics/PlyFixtures.h"
#include "weftcore.h"

constexpr double kDegree = 0.017453292519943295;
constexpr double kUnwritten = -12345.0;

// "Plain" as the built-in catalogue generates it: 2x2 blocks of -1 and 1.
inline const std::vector<short> kPlainCells = {-1, -1, 1,  1,  -1, -1, 1,  1,
                                               1,  1,  -1, -1, 1,  1,  -1, -1};

// A 2x4 pattern with every kind, mostly upright: its B and thermal moments do not vanish.
inline const std::vector<short> kUnbalancedCells = {1, 4, 2, 3, -1, 3, 4, 1};

inline std::vector<short> Negated(std::vector<short> cells) {
    for (short& c : cells) {
        c = static_cast<short>(-c);
    }
    return cells;
}

// Output entries that share a unit, compared against the largest of them (at least `floor`):
// results that agree to rounding differ by a few units of that scale, however small a single
// entry is. The coupling ratios are compared against 1.
struct OutputGroup {
    int first;
    int last;
    double floor = 0.0;
};
inline const std::vector<OutputGroup> kSolidGroups = {
    {0, 5}, {6, 11, 1.0}, {12, 15}, {16, 17}, {18, 18}};
inline const std::vector<OutputGroup> kLaminateGroups = {
    {0, 5},   {6, 11},  {12, 17}, {18, 21, 1.0}, {22, 24}, {25, 27},
    {28, 30}, {31, 33}, {34, 34}, {35, 37},      {38, 40}};

// Each group of `actual` equals sign times the same group of `expected`, to tolerance.
template <typename Result>
void ExpectGroupsMatch(const Result& actual, const Result& expected,
                       const std::vector<OutputGroup>& groups, const std::vector<int>& signs,
                       double tolerance) {
    for (size_t g = 0; g < groups.size(); ++g) {
        double scale = groups[g].floor;
        for (int i = groups[g].first; i <= groups[g].last; ++i) {
            scale = std::max(scale, std::fabs(expected[i]));
        }
        for (int i = groups[g].first; i <= groups[g].last; ++i) {
            EXPECT_NEAR(actual[i], signs[g] * expected[i], tolerance * scale) << "entry " << i;
        }
    }
}

// One fabric calculation as the front-end sets it up, with the front-end's default yarn shape
// (full undulation, 95 % height, 85 % width) and load factors {10, 5}.
struct FabricCase {
    std::array<double, 3> resin = kHexcel8552;
    std::array<double, 8> fibre = kHerculesAS4;
    std::array<double, 7> fabric = {1.0, 1.0, 0.95, 0.85, 500.0, 400.0, 0.3};
    std::array<double, 2> loads = {10.0, 5.0};
    double vf = 0.5;
    double fillAngle = 0.0;
    double warpAngle = 90.0 * kDegree;
    short gaussPoints = 4;
    bool isoStrain = true;

    struct Result {
        bool ok;
        std::array<double, 41> out;
        bool Untouched() const {
            return std::all_of(out.begin(), out.end(), [](double v) { return v == kUnwritten; });
        }
        bool AllFinite(int count) const {
            return std::all_of(out.begin(), out.begin() + count,
                               [](double v) { return std::isfinite(v); });
        }
        double operator[](int i) const { return out[i]; }
    };

    Result Run(short model, const CWeave* weave) const {
        Result result;
        result.out.fill(kUnwritten);
        result.ok =
            WFProperties(model, isoStrain, weave, gaussPoints, vf, resin.data(), fibre.data(),
                         fabric.data(), fillAngle, warpAngle, loads.data(), 0, result.out.data());
        return result;
    }
    Result Run(short model, const std::vector<short>& cells, int cols) const {
        CWeave weave(cols, static_cast<int>(cells.size()) / cols, cells.data());
        return Run(model, &weave);
    }
};

// The case evaluated independently (the points' layers stacked and condensed from scratch) for
// the reference values of the model tests: unequal counts and undulations, oblique yarns, 3 x 3
// points, every crossing kind.
inline FabricCase ReferenceCase(bool isoStrain) {
    FabricCase fabric;
    fabric.fabric = {0.8, 0.6, 0.95, 0.85, 500.0, 400.0, 0.3};
    fabric.fillAngle = 20.0 * kDegree;
    fabric.warpAngle = 95.0 * kDegree;
    fabric.gaussPoints = 3;
    fabric.isoStrain = isoStrain;
    return fabric;
}

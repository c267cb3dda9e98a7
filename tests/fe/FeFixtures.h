#pragma once

#include <cmath>
#include <vector>

#include "fe/FeKinds.h"
#include "micromechanics/PlyFixtures.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"
#include "weave/CellParams.h"
#include "woven/CellABD.h"
#include "woven/FabricCellParams.h"

constexpr double kPi = 3.141592653589793;

// A cell of thickness 0.3 mm with element edges a1 along x and a2 along the second direction.
inline CellParams PlateCell(double a1, double a2) {
    CellParams p{};
    p.h = 3e-4;
    p.a1 = a1;
    p.a2 = a2;
    return p;
}

// A coupled, anisotropic laminate (N/m, N, N m) that is positive definite, with its thermal and
// yarn-load resultants.
inline CMatrix GeneralABD() {
    const double A[3][3] = {{2.0e7, 5.0e6, 1.0e6}, {5.0e6, 1.5e7, -5.0e5}, {1.0e6, -5.0e5, 3.0e6}};
    const double B[3][3] = {{300.0, 50.0, 20.0}, {50.0, -200.0, 10.0}, {20.0, 10.0, 40.0}};
    const double h2 = 3e-4 * 3e-4 / 12.0;
    CMatrix abd(6, 6);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            abd(i + 1, j + 1) = A[i][j];
            abd(i + 1, j + 4) = abd(j + 4, i + 1) = B[i][j];
            abd(i + 4, j + 4) = A[i][j] * h2 * (i == j ? 1.2 : 0.9);
        }
    }
    return abd;
}

inline CVector Resultants(double n1, double n2, double n3, double m1, double m2, double m3) {
    CVector q(6);
    const double values[6] = {n1, n2, n3, m1, m2, m3};
    for (int i = 0; i < 6; ++i) {
        q(i + 1) = values[i];
    }
    return q;
}

// nx x ny cells, all of code `code` with one kind of the given laminate.
inline FePattern UniformPattern(int nx, int ny, const CMatrix& abd, const CVector& thermal,
                                const CVector& yarnLoads, short code = 1) {
    FePattern pattern{nx, ny, std::vector<short>(static_cast<size_t>(nx) * ny, code), {}};
    pattern.kinds.Add(abd, thermal, yarnLoads);
    return pattern;
}

// Largest |entry| of a matrix block, the scale rounding is measured against.
inline double BlockScale(const CMatrix& m, int r1, int r2, int c1, int c2) {
    double scale = 0.0;
    for (int i = r1; i <= r2; ++i) {
        for (int j = c1; j <= c2; ++j) {
            scale = std::max(scale, std::fabs(m(i, j)));
        }
    }
    return scale;
}

// Real crossing kinds of a sheared plain-like fabric, in the cell's frame.
inline CFeKinds FabricKinds(double u) {
    const double fabric[7] = {1.0, 1.0, 0.95, 0.85, 500.0, 400.0, 0.3};
    const double loads[2] = {10.0, 5.0};
    CellParams params = FabricCellParams(0.5, kHerculesAS4.data(), fabric, u, 0.0);
    CFeKinds kinds;
    for (int kind = 1; kind <= 4; ++kind) {
        CCellABD cell(true, 4, kHexcel8552.data(), kHerculesAS4.data(), params, YarnAngles{0.0, u},
                      0.5, loads, static_cast<CrossingKind>(kind));
        kinds.Add(cell.ABDcell(), cell.NMcell(), cell.Ycell());
    }
    return kinds;
}

inline CellParams FabricParams(double u) {
    const double fabric[7] = {1.0, 1.0, 0.95, 0.85, 500.0, 400.0, 0.3};
    return FabricCellParams(0.5, kHerculesAS4.data(), fabric, u, 0.0);
}

// "Twill 2x1" as the catalogue generates it: every kind, both signs.
inline const std::vector<short> kTwill = {-1, -4, -2, -3, 1,  1,  -3, -2, -4, -1, 1,  1,
                                          -4, -1, 1,  1,  -1, -4, -2, -3, 1,  1,  -3, -2,
                                          1,  1,  -1, -4, -2, -3, 1,  1,  -3, -2, -4, -1};

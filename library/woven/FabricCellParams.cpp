#include "FabricCellParams.h"

#include <cmath>

CellParams FabricCellParams(double vf, const double* fibre, const double* fabric, double fillAngle,
                            double warpAngle) {
    const double* r = fabric;
    double delta = std::fabs(fillAngle - warpAngle);
    double sinDelta = std::fabs(std::sin(delta));
    CellParams p;
    p.h = delta != 0.0 ? r[6] / (vf * fibre[7]) / sinDelta : 0.0;
    p.T = p.h * r[2];
    p.T1 = p.T / (r[5] / r[4] + 1.0);
    p.T2 = p.T - p.T1;
    p.L1 = 0.5 / r[4];
    p.L2 = 0.5 / r[5];
    p.W1 = p.L1 * r[3];
    p.W2 = p.L2 * r[3];
    p.a1 = 0.5 / r[4];
    p.a2 = 0.5 * sinDelta / r[5];
    p.e1 = r[0];
    p.e2 = r[1];
    return p;
}

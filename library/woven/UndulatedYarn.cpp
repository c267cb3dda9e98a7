#include "UndulatedYarn.h"

#include <cmath>

CMatrix UndulatedYarnQ(const CUDPly& ply, double theta) {
    double c = std::cos(theta);
    double s = std::sin(theta);
    double Ex = 1.0 / (c * c * (s * s) * (1.0 / ply.G12 - 2.0 * ply.nu12 / ply.E1) +
                       c * c * c * c / ply.E1 + s * s * (s * s) / ply.E2);
    double nu = s * s * ply.nu23 + ply.nu12 * (c * c);
    double t = 1.0 - ply.E2 * (nu * nu) / Ex;
    CMatrix Q(3, 3);
    Q(1, 1) = Ex / t;
    Q(2, 1) = Q(1, 2) = ply.E2 * nu / t;
    Q(2, 2) = ply.E2 / t;
    Q(3, 3) = 1.0 / (c * c / ply.G12 + s * s / ply.G23);
    return Q;
}

CVector UndulatedYarnAlpha(const CUDPly& ply, double theta) {
    double c = std::cos(theta);
    double s = std::sin(theta);
    CVector alpha(3);
    alpha(1) = c * c * ply.alpha1 + s * s * ply.alpha2;
    alpha(2) = ply.alpha2;
    return alpha;
}

CVector YarnAxisLoad(double v, double theta) {
    double c = std::cos(theta);
    CVector load(3);
    load(1) = c * c * v;
    return load;
}

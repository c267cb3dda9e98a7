#include "Rotations6.h"

#include <cmath>

namespace {

CMatrix Matrix6(const double (&rows)[6][6]) {
    CMatrix m(6, 6, false);
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j) {
            m(i, j) = rows[i - 1][j - 1];
        }
    }
    return m;
}

}  // namespace

CMatrix RotateStiffness6InPlane(const CMatrix& C, double phi) {
    double c = std::cos(phi);
    double s = std::sin(phi);
    CMatrix T = Matrix6({{c * c, s * s, 0, 0, 0, -2 * s * c},
                         {s * s, c * c, 0, 0, 0, 2 * s * c},
                         {0, 0, 1, 0, 0, 0},
                         {0, 0, 0, c, s, 0},
                         {0, 0, 0, -s, c, 0},
                         {s * c, -s * c, 0, 0, 0, c * c - s * s}});
    return T * C * T.Transpose();
}

CVector RotateExpansion6InPlane(const CVector& alpha, double phi) {
    double c = std::cos(phi);
    double s = std::sin(phi);
    CMatrix T = Matrix6({{c * c, s * s, 0, 0, 0, s * c},
                         {s * s, c * c, 0, 0, 0, -s * c},
                         {0, 0, 1, 0, 0, 0},
                         {0, 0, 0, c, -s, 0},
                         {0, 0, 0, s, c, 0},
                         {-2 * s * c, 2 * s * c, 0, 0, 0, c * c - s * s}});
    return T.Inverse() * alpha;
}

CMatrix RotateStiffness6Undulation(const CMatrix& C, double theta) {
    double c = std::cos(theta);
    double s = std::sin(theta);
    CMatrix T = Matrix6({{c * c, 0, s * s, 0, 2 * s * c, 0},
                         {0, 1, 0, 0, 0, 0},
                         {s * s, 0, c * c, 0, -2 * s * c, 0},
                         {0, 0, 0, c, 0, -s},
                         {-s * c, 0, s * c, 0, c * c - s * s, 0},
                         {0, 0, 0, s, 0, c}});
    return T * C * T.Transpose();
}

CVector RotateExpansion6Undulation(const CVector& alpha, double theta) {
    double c = std::cos(theta);
    double s = std::sin(theta);
    CMatrix T = Matrix6({{c * c, 0, s * s, 0, -s * c, 0},
                         {0, 1, 0, 0, 0, 0},
                         {s * s, 0, c * c, 0, s * c, 0},
                         {0, 0, 0, c, 0, s},
                         {2 * s * c, 0, -2 * s * c, 0, c * c - s * s, 0},
                         {0, 0, 0, -s, 0, c}});
    return T.Inverse() * alpha;
}

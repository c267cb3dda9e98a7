#include "RotateStiffness3.h"

#include <cmath>

CMatrix RotateStiffness3(const CMatrix& Q, double phi) {
    double c = std::cos(phi);
    double s = std::sin(phi);
    CMatrix T(3, 3, false);
    T(1, 1) = c * c;
    T(1, 2) = s * s;
    T(1, 3) = 2 * s * c;
    T(2, 1) = s * s;
    T(2, 2) = c * c;
    T(2, 3) = -2 * s * c;
    T(3, 1) = -s * c;
    T(3, 2) = s * c;
    T(3, 3) = c * c - s * s;
    CMatrix Ti = T.Inverse();
    return Ti * Q * Ti.Transpose();
}

CVector RotateVector3(const CVector& v, double phi) {
    double c = std::cos(phi);
    double s = std::sin(phi);
    CMatrix T(3, 3, false);
    T(1, 1) = c * c;
    T(1, 2) = s * s;
    T(1, 3) = -s * c;
    T(2, 1) = s * s;
    T(2, 2) = c * c;
    T(2, 3) = s * c;
    T(3, 1) = 2 * s * c;
    T(3, 2) = -2 * s * c;
    T(3, 3) = c * c - s * s;
    return T * v;
}

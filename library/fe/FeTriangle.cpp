#include "FeTriangle.h"

#include <cmath>

CFeTriangle::CFeTriangle(const CIntVector& nodes, const CMatrix& coords)
    : nodes_(nodes), coords_(coords), dLambda_(3, 3), area_(0.0) {
    double x1 = coords_(1, 1), y1 = coords_(1, 2);
    double x2 = coords_(2, 1), y2 = coords_(2, 2);
    double x3 = coords_(3, 1), y3 = coords_(3, 2);
    // Twice the signed area.
    double D = x2 * y3 - x3 * y2 - x1 * y3 + x3 * y1 + x1 * y2 - x2 * y1;
    double a = 1.0 / std::fabs(D);
    dLambda_(1, 1) = (y2 - y3) * a;
    dLambda_(1, 2) = (y3 - y1) * a;
    dLambda_(1, 3) = (y1 - y2) * a;
    dLambda_(2, 1) = (x3 - x2) * a;
    dLambda_(2, 2) = (x1 - x3) * a;
    dLambda_(2, 3) = (x2 - x1) * a;
    area_ = 0.5 * std::fabs(D);
}

CMatrix CFeTriangle::MembraneB() const {
    CMatrix B(6, 18);
    for (int k = 1; k <= 3; ++k) {
        double b = dLambda_(1, k);
        double c = dLambda_(2, k);
        int p = 6 * (k - 1);
        B(1, p + 1) = b;
        B(2, p + 2) = c;
        B(3, p + 1) = c;
        B(3, p + 2) = b;
    }
    return B;
}

CVector CFeTriangle::GaussPoint(int g) const {
    const double kTwoThirds = 2.0 / 3.0;
    const double kOneSixth = 1.0 / 6.0;
    CVector point(2);
    point(1) = g == 1 ? kTwoThirds : kOneSixth;
    point(2) = g == 2 ? kTwoThirds : kOneSixth;
    return point;
}

CVector CFeTriangle::AreaCoordinates(int g) const {
    CVector point = GaussPoint(g);
    CVector lambda(3);
    lambda(1) = point(1);
    lambda(2) = point(2);
    lambda(3) = 1.0 - point(1) - point(2);
    return lambda;
}

CFeTriangle::Edge CFeTriangle::EdgeData(int m) const {
    int i = m;
    int j = m % 3 + 1;
    double dx = coords_(i, 1) - coords_(j, 1);
    double dy = coords_(i, 2) - coords_(j, 2);
    double length = std::sqrt(dx * dx + dy * dy);
    bool ascending = nodes_(i) < nodes_(j);
    double signedLength = ascending ? -length : length;
    Edge edge;
    edge.C = dx / signedLength;
    edge.S = dy / signedLength;
    edge.length = length;
    edge.omega = ascending ? -1.5 / length : 1.5 / length;
    return edge;
}

// Columns before the final permutation: theta4 of nodes 1..3, theta5 of nodes 1..3, w of nodes
// 1..3. Along each edge the normal rotation at the midpoint follows from w varying cubically and
// the tangential one is the mean of the corners'.
CMatrix CFeTriangle::DktTransform() const {
    CMatrix F(12, 9);
    for (int k = 1; k <= 6; ++k) {
        F(k, k) = 1.0;
    }
    for (int m = 1; m <= 3; ++m) {
        int i = m;
        int j = m % 3 + 1;
        Edge edge = EdgeData(m);
        // Normal part a and tangential part b as rows over the nine corner DOFs.
        double a[10] = {};
        double b[10] = {};
        a[6 + i] = edge.omega;
        a[6 + j] = -edge.omega;
        a[i] = -0.25 * edge.S;
        a[j] = -0.25 * edge.S;
        a[3 + i] = 0.25 * edge.C;
        a[3 + j] = 0.25 * edge.C;
        b[i] = 0.5 * edge.C;
        b[j] = 0.5 * edge.C;
        b[3 + i] = 0.5 * edge.S;
        b[3 + j] = 0.5 * edge.S;
        for (int col = 1; col <= 9; ++col) {
            F(6 + m, col) = edge.S * a[col] + edge.C * b[col];
            F(9 + m, col) = -edge.C * a[col] + edge.S * b[col];
        }
    }
    // Node-major order: w, theta4, theta5 of node 1, then of node 2, of node 3.
    CMatrix T(12, 9);
    for (int row = 1; row <= 12; ++row) {
        for (int k = 1; k <= 3; ++k) {
            T(row, 3 * (k - 1) + 1) = F(row, 6 + k);
            T(row, 3 * (k - 1) + 2) = F(row, k);
            T(row, 3 * (k - 1) + 3) = F(row, 3 + k);
        }
    }
    return T;
}

CMatrix CFeTriangle::RotationDerivatives(const CVector& lambda) const {
    CMatrix R(3, 12);
    for (int k = 1; k <= 3; ++k) {
        double dx = (4.0 * lambda(k) - 1.0) * dLambda_(1, k);
        double dy = (4.0 * lambda(k) - 1.0) * dLambda_(2, k);
        R(1, 3 + k) = dx;
        R(2, k) = -dy;
        R(3, k) = -dx;
        R(3, 3 + k) = dy;
    }
    for (int m = 1; m <= 3; ++m) {
        int i = m;
        int j = m % 3 + 1;
        double dx = 4.0 * (lambda(j) * dLambda_(1, i) + lambda(i) * dLambda_(1, j));
        double dy = 4.0 * (lambda(j) * dLambda_(2, i) + lambda(i) * dLambda_(2, j));
        R(1, 9 + m) = dx;
        R(2, 6 + m) = -dy;
        R(3, 6 + m) = -dx;
        R(3, 9 + m) = dy;
    }
    return R;
}

CMatrix CFeTriangle::BendingB(int g) const {
    CMatrix S = RotationDerivatives(AreaCoordinates(g)) * DktTransform();
    CMatrix B(6, 18);
    for (int row = 1; row <= 3; ++row) {
        for (int t = 0; t < 3; ++t) {
            for (int b = 1; b <= 3; ++b) {
                B(3 + row, 6 * t + b + 2) = S(row, 3 * t + b);
            }
        }
    }
    return B;
}

void CFeTriangle::Integrate(const CMatrix& C, const CVector& q1, const CVector& q2, CMatrix& Kt,
                            CVector& f1, CVector& f2) const {
    Kt.Fill(0.0);
    f1.Fill(0.0);
    f2.Fill(0.0);
    CMatrix membrane = MembraneB();
    double weight = area_ / 3.0;
    for (int g = 3; g >= 1; --g) {
        CMatrix B = BendingB(g) + membrane;
        CMatrix Bt = B.Transpose();
        Kt += ((Bt * C) * B) * weight;
        f1 += (Bt * q1) * weight;
        f2 += (Bt * q2) * weight;
    }
}

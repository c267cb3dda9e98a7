#include "StackProperties3D.h"

namespace {

constexpr int kLayers = 3;
// Components with equal strain in every layer: x, y, yz, xz, xy.
constexpr int kKept[5] = {1, 2, 4, 5, 6};

}  // namespace

// Statically condensing the equal through-thickness stress out of the three layers: each layer's
// stress sigma3 = C(3,:) eps fixes its own eps3, which leaves the in-plane stiffness
// C - C(:,3) C(3,:) / C33 and a z-compliance 1 / C33 that add by fraction.
StackedPoint StackProperties3D(const CMatrix& Cm, const CMatrix& CU, const CMatrix& CL,
                               const CVector& alpham, const CVector& alphaU, const CVector& alphaL,
                               double fm, double fU, double fL) {
    const CMatrix* C[kLayers] = {&Cm, &CU, &CL};
    const CVector* alpha[kLayers] = {&alpham, &alphaU, &alphaL};
    const double f[kLayers] = {fm, fU, fL};

    CMatrix M(6, 6);
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b) {
            double sum = 0.0;
            for (int k = 0; k < kLayers; ++k) {
                const CMatrix& Ck = *C[k];
                sum += f[k] * Ck(a, 3) * Ck(b, 3) / Ck(3, 3);
            }
            M(a, b) = sum;
        }
    }
    CMatrix X = (Cm * fm + CU * fU) + CL * fL - M;

    CMatrix Xr(5, 5);
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            Xr(i, j) = X(kKept[i - 1], kKept[j - 1]);
        }
    }
    CVector vr(5);
    for (int i = 1; i <= 5; ++i) {
        int a = kKept[i - 1];
        double sum = 0.0;
        for (int k = 0; k < kLayers; ++k) {
            const CMatrix& Ck = *C[k];
            sum += f[k] * Ck(a, 3) / Ck(3, 3);
        }
        vr(i) = sum;
    }

    CMatrix minusXr = Xr * -1.0;
    CVector yr = minusXr.Solve(vr);
    double q = 0.0;
    for (int i = 1; i <= 5; ++i) {
        q += vr(i) * yr(i);
    }
    double sz = fm / Cm(3, 3) + fU / CU(3, 3) + fL / CL(3, 3);

    CMatrix P = (minusXr * -1.0).Inverse();
    CVector u = P * (vr * -1.0);

    double E1 = 1.0 / P(1, 1);
    double nu12 = -P(2, 1) / P(1, 1);
    double nu13 = -u(1) / P(1, 1);
    double E2 = 1.0 / P(2, 2);
    double nu23 = -u(2) / P(2, 2);

    CMatrix Sp(6, 6);
    Sp(1, 1) = 1.0 / E1;
    Sp(2, 1) = Sp(1, 2) = -nu12 / E1;
    Sp(3, 1) = Sp(1, 3) = -nu13 / E1;
    Sp(2, 2) = 1.0 / E2;
    Sp(3, 2) = Sp(2, 3) = -nu23 / E2;
    Sp(3, 3) = 1.0 / (1.0 / (sz - q));
    Sp(4, 4) = P(3, 3);
    Sp(5, 5) = P(4, 4);
    Sp(6, 6) = P(5, 5);

    // Thermal stress of the condensed layers at zero strain, then the free expansion of the stack.
    CVector gr(5);
    for (int i = 1; i <= 5; ++i) {
        int a = kKept[i - 1];
        double sum = 0.0;
        for (int k = 0; k < kLayers; ++k) {
            const CMatrix& Ck = *C[k];
            double inner = 0.0;
            for (int j = 1; j <= 6; ++j) {
                inner += (Ck(a, j) - Ck(a, 3) * Ck(j, 3) / Ck(3, 3)) * (*alpha[k])(j);
            }
            sum += f[k] * inner;
        }
        gr(i) = sum;
    }
    CVector ar = Xr.Solve(gr);

    double a3 = 0.0;
    for (int j = 1; j <= 6; ++j) {
        for (int k = 0; k < kLayers; ++k) {
            const CMatrix& Ck = *C[k];
            a3 += f[k] * Ck(j, 3) * (*alpha[k])(j) / Ck(3, 3);
        }
    }
    double coupled = 0.0;
    for (int i = 1; i <= 5; ++i) {
        coupled += vr(i) * ar(i);
    }
    a3 = a3 - coupled;

    CVector alphaP(6);
    alphaP(1) = ar(1);
    alphaP(2) = ar(2);
    alphaP(3) = a3;
    alphaP(4) = ar(3);
    alphaP(5) = ar(4);
    alphaP(6) = ar(5);
    CMatrix Cp = Sp.Inverse();
    return StackedPoint{Sp, Cp, Cp * alphaP};
}

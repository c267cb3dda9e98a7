#include "StackProperties3D.h"

namespace {

constexpr int kLayers = 3;
// Components with equal strain in every layer: x, y, yz, xz, xy.
constexpr int kKept[5] = {1, 2, 4, 5, 6};

// One layer of the stack: stiffness, expansion vector and thickness fraction.
struct Layer {
    const CMatrix& C;
    const CVector& alpha;
    double f;
};

// The stack once the equal through-thickness stress is condensed out (see CondenseLayers).
struct CondensedStack {
    CMatrix Xr;  // 5x5 stiffness of the kept components
    CVector vr;  // their coupling to the through-thickness stress, sum of f C(a,3) / C33
    double sz;   // through-thickness compliance of the layers in series, sum of f / C33
};

// Statically condensing the equal through-thickness stress out of the three layers: each layer's
// stress sigma3 = C(3,:) eps fixes its own eps3, which leaves the in-plane stiffness
// C - C(:,3) C(3,:) / C33 and a z-compliance 1 / C33 that add by fraction.
CondensedStack CondenseLayers(const Layer (&layers)[kLayers]) {
    CMatrix M(6, 6);
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b) {
            double sum = 0.0;
            for (const Layer& layer : layers) {
                sum += layer.f * layer.C(a, 3) * layer.C(b, 3) / layer.C(3, 3);
            }
            M(a, b) = sum;
        }
    }
    const Layer& m = layers[0];
    const Layer& U = layers[1];
    const Layer& L = layers[2];
    CMatrix X = (m.C * m.f + U.C * U.f) + L.C * L.f - M;

    CondensedStack stack{CMatrix(5, 5), CVector(5), 0.0};
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            stack.Xr(i, j) = X(kKept[i - 1], kKept[j - 1]);
        }
    }
    for (int i = 1; i <= 5; ++i) {
        const int a = kKept[i - 1];
        double sum = 0.0;
        for (const Layer& layer : layers) {
            sum += layer.f * layer.C(a, 3) / layer.C(3, 3);
        }
        stack.vr(i) = sum;
    }
    stack.sz = m.f / m.C(3, 3) + U.f / U.C(3, 3) + L.f / L.C(3, 3);
    return stack;
}

// The stack's compliance as an orthotropic material: the engineering constants of the kept
// components from the inverse P of Xr; the through-thickness compliance is the layers' series
// compliance less what the in-plane constraint takes back, sz - vr . Xr^-1 vr. The couplings a
// rotated yarn carries are dropped.
CMatrix StackCompliance(const CondensedStack& stack) {
    CMatrix minusXr = stack.Xr * -1.0;
    CVector yr = minusXr.Solve(stack.vr);
    double q = 0.0;
    for (int i = 1; i <= 5; ++i) {
        q += stack.vr(i) * yr(i);
    }

    CMatrix P = (minusXr * -1.0).Inverse();
    CVector u = P * (stack.vr * -1.0);

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
    Sp(3, 3) = 1.0 / (1.0 / (stack.sz - q));
    Sp(4, 4) = P(3, 3);
    Sp(5, 5) = P(4, 4);
    Sp(6, 6) = P(5, 5);
    return Sp;
}

// The free expansion of the stack: the condensed layers' thermal stress at zero strain, gr,
// relaxed through Xr gives the kept strains; the through-thickness strain is each layer's own
// free eps3 summed by fraction, less what the kept strains take back through vr.
CVector StackExpansion(const Layer (&layers)[kLayers], const CondensedStack& stack) {
    CVector gr(5);
    for (int i = 1; i <= 5; ++i) {
        const int a = kKept[i - 1];
        double sum = 0.0;
        for (const Layer& layer : layers) {
            double inner = 0.0;
            for (int j = 1; j <= 6; ++j) {
                inner += (layer.C(a, j) - layer.C(a, 3) * layer.C(j, 3) / layer.C(3, 3)) *
                         layer.alpha(j);
            }
            sum += layer.f * inner;
        }
        gr(i) = sum;
    }
    CVector ar = stack.Xr.Solve(gr);

    double a3 = 0.0;
    for (int j = 1; j <= 6; ++j) {
        for (const Layer& layer : layers) {
            a3 += layer.f * layer.C(j, 3) * layer.alpha(j) / layer.C(3, 3);
        }
    }
    double coupled = 0.0;
    for (int i = 1; i <= 5; ++i) {
        coupled += stack.vr(i) * ar(i);
    }
    a3 = a3 - coupled;

    CVector alphaP(6);
    alphaP(1) = ar(1);
    alphaP(2) = ar(2);
    alphaP(3) = a3;
    alphaP(4) = ar(3);
    alphaP(5) = ar(4);
    alphaP(6) = ar(5);
    return alphaP;
}

}  // namespace

StackedPoint StackProperties3D(const CMatrix& Cm, const CMatrix& CU, const CMatrix& CL,
                               const CVector& alpham, const CVector& alphaU, const CVector& alphaL,
                               double fm, double fU, double fL) {
    const Layer layers[kLayers] = {{Cm, alpham, fm}, {CU, alphaU, fU}, {CL, alphaL, fL}};
    const CondensedStack stack = CondenseLayers(layers);
    const CMatrix Sp = StackCompliance(stack);
    const CVector alphaP = StackExpansion(layers, stack);
    CMatrix Cp = Sp.Inverse();
    return StackedPoint{Sp, Cp, Cp * alphaP};
}

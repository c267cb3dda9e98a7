// Thermal-expansion models of the UD ply. Each fills alpha1, alpha2 and alpha3 (1/K) from the
// constituent fields; only Shapery also reads the ply's nu12 from the elastic model.
#include <cmath>

#include "UDPly.h"

namespace {

constexpr double kHexagonalPacking = 0.9069;
constexpr double kSquarePacking = 0.7854;

}  // namespace

double CUDPly::MixedAlpha1() const {
    double Vm = 1.0 - Vf;
    return (alphaf1 * Ef1 * Vf + Vm * alpham * Em) / (Ef1 * Vf + Vm * Em);
}

void CUDPly::SetTransverseAlpha(double alpha) {
    alpha2 = alpha;
    alpha3 = alpha;
}

void CUDPly::ThermRuleOfMixtures() {
    double Vm = 1.0 - Vf;
    alpha1 = MixedAlpha1();
    SetTransverseAlpha(alphaf2 * Vf + Vm * alpham);
}

void CUDPly::ThermChamis() {
    double Vm = 1.0 - Vf;
    double E1r = Vf * Ef1 + Vm * Em;  // rule-of-mixtures modulus, not the ply's E1
    alpha1 = (alphaf1 * Ef1 * Vf + Vm * alpham * Em) / E1r;
    double s = std::sqrt(Vf);
    SetTransverseAlpha((1.0 - s) * (1.0 + num * Ef1 * Vf / E1r) * alpham + s * alphaf2);
}

void CUDPly::ThermSchneider() {
    double Vm = 1.0 - Vf;
    alpha1 = alphaf1 + (alpham - alphaf1) / (1.0 + Vf * Ef1 / (Vm * Em));
    double Q = std::pow(num, 2.0);
    double A = ((Q - num) - 1.0) * Vf * 2.2;
    double B = ((2.0 * Q + num) - 1.0) * Vf * 1.1;
    double T1 = A / (B - (num + 1.0));
    double c = Vf * 1.1;
    double T2 = (num * Ef1 / Em) / ((1.0 - c) / c + Ef1 / Em);
    SetTransverseAlpha(alpham - (T1 - T2) * (alpham - alphaf2));
}

void CUDPly::ThermShapery() {
    double Vm = 1.0 - Vf;
    alpha1 = MixedAlpha1();
    SetTransverseAlpha((1.0 + nuf12) * alphaf2 * Vf + (1.0 + num) * Vm * alpham - alpha1 * nu12);
}

void CUDPly::ThermChamberLain(char packing) {
    double Vm = 1.0 - Vf;
    alpha1 = MixedAlpha1();
    double F;
    if (packing == 'H' || packing == 'h') {
        F = kHexagonalPacking;
    } else if (packing == 'S' || packing == 's') {
        F = kSquarePacking;
    } else {
        alpha3 = alpha2;
        return;
    }
    double N = (alphaf2 - alpham) * Vf * 2.0;
    double D = ((1.0 - nuf12) * (Em / Ef1) + num) * (Vm - (1.0 - F)) + (Vf + F);
    SetTransverseAlpha(alpham + N / D);
}

#include "UDPly.h"

#include <cmath>

CUDPly::CUDPly(const double* resin, const double* fibre, double vf)
    : Vf(vf),
      Em(resin[0]),
      Gm(resin[0] / ((resin[1] + 1.0) * 2.0)),
      num(resin[1]),
      alpham(resin[2]),
      Ef1(fibre[0]),
      Ef2(fibre[1]),
      Gf12(fibre[2]),
      Gf23(fibre[3]),
      nuf12(fibre[4]),
      alphaf1(fibre[5]),
      alphaf2(fibre[6]),
      E1(0.0),
      E2(0.0),
      E3(0.0),
      G12(0.0),
      G13(0.0),
      G23(0.0),
      nu12(0.0),
      nu13(0.0),
      nu23(0.0),
      alpha1(0.0),
      alpha2(0.0),
      alpha3(0.0) {}

void CUDPly::MechRuleOfMixtures() {
    double Vm = 1.0 - Vf;
    E1 = Ef1 * Vf + Vm * Em;
    E2 = (Ef2 * Em) / (Vm * Ef2 + Vf * Em);
    E3 = E2;
    G12 = (Gm * Gf12) / (Vm * Gf12 + Vf * Gm);
    G13 = G12;
    G23 = (Gf23 * Gm) / (Vm * Gf23 + Vf * Gm);
    nu12 = Vm * num + nuf12 * Vf;
    nu13 = nu12;
    nu23 = E2 / (2.0 * G23) - 1.0;
}

// Composite cylinder assemblage (Hashin): exact axial properties of the assemblage, and the
// transverse shear modulus as the mean of its two bounds.
void CUDPly::MechCCA() {
    double Vm = 1.0 - Vf;
    // Plane-strain bulk moduli of fibre and resin.
    double kf = 1.0 / ((-1.0 / Gf23 - 4.0 * (nuf12 * nuf12) / Ef1) + 4.0 / Ef2);
    double km = 1.0 / ((-1.0 / Gm - 4.0 * (num * num) / Em) + 4.0 / Em);
    double K23 = (kf * (km + Gm) * Vf + km * (kf + Gm) * Vm) / ((km + Gm) * Vf + (kf + Gm) * Vm);
    double D = (Vf / km + Vm / kf) + 1.0 / Gm;
    double dnu = nuf12 - num;
    E1 = 4.0 * Vf * Vm * (dnu * dnu) / D + Ef1 * Vf + Vm * Em;
    nu12 = Vf * Vm * dnu * (1.0 / km - 1.0 / kf) / D + nuf12 * Vf + Vm * num;
    nu13 = nu12;
    G12 = Gm * ((1.0 + Vf) * Gf12 + Vm * Gm) / ((1.0 + Vf) * Gm + Vm * Gf12);
    G13 = G12;

    double gamma = Gf23 / Gm;
    if (gamma == 1.0) {
        G23 = Gm;
    } else {
        double etam = km / (km + 2.0 * Gm);
        double etaf = kf / (kf + 2.0 * Gf23);
        double rho = (gamma + etam) / (gamma - 1.0);
        double beta = (etam - gamma * etaf) / (1.0 + gamma * etaf);
        double GA = Gm + Vf / (1.0 / (Gf23 - Gm) + (km + 2.0 * Gm) * Vm / (2.0 * Gm * (km + Gm)));
        double innerDenominator =
            (Gf23 > Gm && kf > km) ? beta * (Vf * Vf * Vf) + 1.0 : beta * (Vf * Vf * Vf) - etam;
        double GB =
            Gm *
            (1.0 + (1.0 + etam) * Vf /
                       (rho - Vf * (1.0 + 3.0 * (etam * etam) * (Vm * Vm) / innerDenominator)));
        G23 = (GA + GB) * 0.5;
    }
    E2 = 4.0 * G23 * K23 / (K23 + G23 * (1.0 + 4.0 * (nu12 * nu12) * K23 / E1));
    E3 = E2;
    nu23 = E2 / (2.0 * G23) - 1.0;
}

void CUDPly::MechPuck() {
    double Vm = 1.0 - Vf;
    E1 = Vf * Ef1 + Vm * Em;
    double P = std::pow(Vm, 1.25);
    E2 = Em * (1.0 + 0.85 * std::pow(Vf, 2.0)) / ((1.0 - std::pow(num, 2.0)) * P + Vf * Em / Ef2);
    E3 = E2;
    G23 = 0.0;
    nu23 = 0.0;
    G12 = Gm * (1.0 + 0.6 * std::pow(Vf, 0.5)) / (Gm * Vf / Gf12 + P);
    G13 = G12;
    nu12 = nuf12 * Vf + Vm * num;
    nu13 = nu12;
}

void CUDPly::MechChamis() {
    double Vm = 1.0 - Vf;
    E1 = Ef1 * Vf + Vm * Em;
    E2 = Em / (1.0 - std::sqrt(Vf * (1.0 - Em / Ef2)));
    E3 = E2;
    G12 = Gm / (1.0 - std::sqrt(Vf * (1.0 - Gm / Gf12)));
    G13 = G12;
    G23 = Gm / (1.0 - std::sqrt(Vf * (1.0 - Gm / Gf23)));
    nu12 = Vm * num + nuf12 * Vf;
    nu13 = nu12;
    nu23 = E2 / (2.0 * G23) - 1.0;
}

namespace {

// Transverse Poisson's ratio shared by both Halpin-Tsai variants.
double HalpinTsaiNu23(const CUDPly& ply, double Vm) {
    double q = ply.nu12 * ply.Em / ply.E1;
    return ply.nuf12 * ply.Vf +
           ply.num * Vm * (1.0 + ply.num - q) / (1.0 - ply.num * ply.num + q * ply.num);
}

}  // namespace

// Halpin-Tsai for circular fibres: reinforcement factor 2 for E2, 1 for G12.
void CUDPly::MechHalpinTsai() {
    double Vm = 1.0 - Vf;
    double etaE = (Ef2 - Em) / (2.0 * Em + Ef2);
    E1 = Ef1 * Vf + Vm * Em;
    E2 = Em * (1.0 + 2.0 * etaE * Vf) / (1.0 - etaE * Vf);
    E3 = E2;
    nu12 = Vm * num + nuf12 * Vf;
    nu13 = nu12;
    nu23 = HalpinTsaiNu23(*this, Vm);
    double etaG = (Gf12 - Gm) / (Gf12 + Gm);
    G12 = Gm * (1.0 + etaG * Vf) / (1.0 - etaG * Vf);
    G13 = G12;
    G23 = E2 / (2.0 * (1.0 + nu23));
}

// Halpin-Tsai for rectangular fibres of section a x b: factors 2 a/b for E2, sqrt(3) ln(a/b) for
// G12.
void CUDPly::MechHalpinTsaiRect(double a, double b) {
    double Vm = 1.0 - Vf;
    double r = a / b;
    double xiE = 2.0 * r;
    double xiG = std::pow(3.0, 0.5) * std::log(r);
    double etaE = (Ef2 - Em) / (xiE * Em + Ef2);
    E1 = Ef1 * Vf + Vm * Em;
    E2 = Em * (1.0 + xiE * etaE * Vf) / (1.0 - etaE * Vf);
    E3 = E2;
    nu12 = nuf12 * Vf + Vm * num;
    nu13 = nu12;
    nu23 = HalpinTsaiNu23(*this, Vm);
    double etaG = (Gf12 - Gm) / (xiG * Gm + Gf12);
    G12 = Gm * (1.0 + xiG * etaG * Vf) / (1.0 - etaG * Vf);
    G13 = G12;
    G23 = E2 / (2.0 * (1.0 + nu23));
}

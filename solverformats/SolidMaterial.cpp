#include "SolidMaterial.h"

#include <algorithm>
#include <cmath>

#include "CardText.h"

namespace {

constexpr double kCouplingNoise = 1e-12;

// Voigt positions of the library's order.
enum Voigt { k1 = 0, k2 = 1, k3 = 2, k23 = 3, k13 = 4, k12 = 5 };

std::string Value(double value) {
    return CardReal(value, 7);
}

}  // namespace

Matrix6 Compliance(const SolidMaterial& m) {
    Matrix6 S{};
    S[k1][k1] = 1.0 / m.E1;
    S[k2][k2] = 1.0 / m.E2;
    S[k3][k3] = 1.0 / m.E3;
    S[k1][k2] = S[k2][k1] = -m.nu12 / m.E1;
    S[k1][k3] = S[k3][k1] = -m.nu13 / m.E1;
    S[k2][k3] = S[k3][k2] = -m.nu23 / m.E2;
    S[k23][k23] = 1.0 / m.G23;
    S[k13][k13] = 1.0 / m.G13;
    S[k12][k12] = 1.0 / m.G12;
    S[k1][k12] = S[k12][k1] = m.S16;
    S[k2][k12] = S[k12][k2] = m.S26;
    return S;
}

bool HasShearCoupling(const SolidMaterial& m) {
    const Matrix6 S = Compliance(m);
    const double expansion =
        std::max({std::fabs(m.alpha1), std::fabs(m.alpha2), std::fabs(m.alpha3)});
    return std::fabs(m.S16) > kCouplingNoise * std::sqrt(S[k1][k1] * S[k12][k12]) ||
           std::fabs(m.S26) > kCouplingNoise * std::sqrt(S[k2][k2] * S[k12][k12]) ||
           std::fabs(m.gamma12PerKelvin) > kCouplingNoise * expansion;
}

std::string ExportProblem(const SolidMaterial& m) {
    const struct {
        const char* symbol;
        double value;
        bool positive;
    } values[] = {
        {"E1", m.E1, true},
        {"E2", m.E2, true},
        {"E3", m.E3, true},
        {"G12", m.G12, true},
        {"G13", m.G13, true},
        {"G23", m.G23, true},
        {"nu12", m.nu12, false},
        {"nu13", m.nu13, false},
        {"nu23", m.nu23, false},
        {"S16", m.S16, false},
        {"S26", m.S26, false},
        {"alpha1", m.alpha1, false},
        {"alpha2", m.alpha2, false},
        {"alpha3", m.alpha3, false},
        {"gamma12 per kelvin", m.gamma12PerKelvin, false},
    };
    for (const auto& entry : values) {
        if (!std::isfinite(entry.value)) {
            return std::string(entry.symbol) + " is not a finite number";
        }
        if (entry.positive && !(entry.value > 0.0)) {
            return std::string(entry.symbol) + " is " + Value(entry.value) +
                   " Pa; a solver needs positive moduli";
        }
    }
    Matrix6 stiffness{};
    if (!InvertPositiveDefinite(Compliance(m), stiffness)) {
        return "its elastic constants give no positive-definite stiffness (Poisson's ratios too "
               "large for the moduli)";
    }
    if (m.density && (!std::isfinite(*m.density) || !(*m.density > 0.0))) {
        return "its density is " + Value(*m.density) + " kg/m^3; a solver needs a positive one";
    }
    return "";
}

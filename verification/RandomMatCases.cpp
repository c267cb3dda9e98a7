// The random mat against the orientation average it stands for: a stack of UD layers of every
// in-plane direction, all strained alike in the plane and all carrying the same through-thickness
// stress. The average is taken here by quadrature over the directions from the ply's constants,
// independently of the closed forms of RNDProperties.
#include "RandomMatCases.h"

#include <cmath>

#include "CaseBuilder.h"
#include "ModelReport.h"
#include "PlyRuns.h"
#include "numerics/Matrix.h"
#include "weftcore.h"

namespace {

// A uniform rule over half a turn is exact for the trigonometric polynomials of the rotated
// stiffness (at most cos 8θ in the products below) once it has more than four points.
constexpr int kDirections = 36;

// The stiffness of a layer whose fibres run at θ from x, in the mat's axes (x, y, xy).
CMatrix TurnedQ(const CMatrix& Q, double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    const double c2 = c * c, s2 = s * s;
    const double Q11 = Q(1, 1), Q12 = Q(1, 2), Q22 = Q(2, 2), Q66 = Q(3, 3);
    CMatrix turned(3, 3);
    turned(1, 1) = Q11 * c2 * c2 + 2.0 * (Q12 + 2.0 * Q66) * s2 * c2 + Q22 * s2 * s2;
    turned(2, 2) = Q11 * s2 * s2 + 2.0 * (Q12 + 2.0 * Q66) * s2 * c2 + Q22 * c2 * c2;
    turned(1, 2) = turned(2, 1) = (Q11 + Q22 - 4.0 * Q66) * s2 * c2 + Q12 * (s2 * s2 + c2 * c2);
    turned(3, 3) = (Q11 + Q22 - 2.0 * Q12 - 2.0 * Q66) * s2 * c2 + Q66 * (s2 * s2 + c2 * c2);
    turned(1, 3) = turned(3, 1) =
        (Q11 - Q12 - 2.0 * Q66) * s * c2 * c + (Q12 - Q22 + 2.0 * Q66) * s2 * s * c;
    turned(2, 3) = turned(3, 2) =
        (Q11 - Q12 - 2.0 * Q66) * s2 * s * c + (Q12 - Q22 + 2.0 * Q66) * s * c2 * c;
    return turned;
}

// A strain of the ply's axes without shear (e1, e2, 0), in the mat's axes.
CVector TurnedStrain(double e1, double e2, double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    CVector strain(3);
    strain(1) = c * c * e1 + s * s * e2;
    strain(2) = s * s * e1 + c * c * e2;
    strain(3) = 2.0 * s * c * (e1 - e2);
    return strain;
}

double Dot(const CVector& a, const CVector& b) {
    double sum = 0.0;
    for (int i = 1; i <= a.Size(); ++i) {
        sum += a(i) * b(i);
    }
    return sum;
}

// One direction of the stack: its in-plane stiffness, its in-plane strain per unit
// through-thickness stress (−ν12/E1, −ν23/E2 turned) and its free in-plane expansion.
struct Layer {
    CMatrix Q;
    CVector strainPerSigmaZ;
    CVector expansion;
};

struct MatAverage {
    double Ex, Ez, Gxy, nuxy, nuzx, nuxz, alphax, alphaz;
};

MatAverage OrientationAverage(const PlyValues& ply) {
    const CMatrix Q = ReducedStiffness(ply);
    std::vector<Layer> layers;
    CMatrix Qmean(3, 3);
    const double pi = std::acos(-1.0);
    for (int k = 0; k < kDirections; ++k) {
        const double theta = pi * k / kDirections;
        Layer layer{TurnedQ(Q, theta), TurnedStrain(-ply.nu12 / ply.E1, -ply.nu23 / ply.E2, theta),
                    TurnedStrain(ply.alpha1, ply.alpha2, theta)};
        Qmean += layer.Q * (1.0 / kDirections);
        layers.push_back(layer);
    }
    const CMatrix compliance = Qmean.Inverse();
    // Through-thickness strain of the stack for an in-plane strain e and a stress sz, with the
    // free strain `thermal` of each layer (per kelvin, or zero): the mean of the layers'
    // s·σ + sz/E2 + α2, σ = Q (e − s·sz − α).
    auto strainZ = [&](const CVector& e, double sz, bool thermal) {
        double sum = 0.0;
        for (const Layer& layer : layers) {
            CVector free = layer.strainPerSigmaZ * sz;
            if (thermal) {
                free += layer.expansion;
            }
            CVector stress = layer.Q * (e + free * -1.0);
            sum += Dot(layer.strainPerSigmaZ, stress) / kDirections;
        }
        return sum + sz / ply.E2 + (thermal ? ply.alpha2 : 0.0);
    };
    // In-plane strain that leaves the mean in-plane stress zero under sz = 1 or a unit
    // temperature rise.
    auto balancing = [&](bool thermal) {
        CVector mean(3);
        for (const Layer& layer : layers) {
            mean +=
                layer.Q * (thermal ? layer.expansion : layer.strainPerSigmaZ) * (1.0 / kDirections);
        }
        return compliance * mean;
    };

    MatAverage mat{};
    mat.Ex = 1.0 / compliance(1, 1);
    mat.nuxy = -compliance(1, 2) / compliance(1, 1);
    mat.Gxy = 1.0 / compliance(3, 3);
    const CVector underSigmaZ = balancing(false);
    const double ez = strainZ(underSigmaZ, 1.0, false);
    mat.Ez = 1.0 / ez;
    mat.nuzx = -underSigmaZ(1) / ez;
    CVector underSigmaX(3);
    for (int i = 1; i <= 3; ++i) {
        underSigmaX(i) = compliance(i, 1);
    }
    mat.nuxz = -strainZ(underSigmaX, 0.0, false) / underSigmaX(1);
    const CVector thermal = balancing(true);
    mat.alphax = thermal(1);
    mat.alphaz = strainZ(thermal, 0.0, true);
    return mat;
}

void AddMat(CCaseBuilder& builder, const Constituents& pair, const ModelEntry& elastic,
            const ModelEntry& thermal, const std::string& pairName) {
    constexpr double vf = 0.5;
    const PlyValues ply = RunUDMixel(pair, vf, elastic.code, thermal.code);
    double out[9] = {};
    RNDProperties(vf, pair.resin.data(), pair.fibre.data(), elastic.code, thermal.code, out);
    const MatAverage mat = OrientationAverage(ply);
    const std::string model = elastic.name + " + " + thermal.name + ", " + pairName;
    builder.Modulus(model, "Ex", out[0], mat.Ex);
    builder.Modulus(model, "Ez", out[1], mat.Ez);
    builder.Modulus(model, "Gxy", out[2], mat.Gxy);
    // The mat's transverse shear is the mean of the ply's two, as if every direction sheared
    // alike; a stack loaded by one transverse shear stress would give the harmonic mean.
    const double harmonic = 2.0 * ply.G12 * ply.G23 / (ply.G12 + ply.G23);
    builder.Modulus(model, "Gyz", out[3], 0.5 * (ply.G12 + ply.G23),
                    ply.G23 == 0.0
                        ? "(G12 + G23)/2 with Puck's G23 = 0"
                        : "(G12 + G23)/2, equal shear strains; equal shear stresses would give "
                          "2·G12·G23/(G12 + G23) = " +
                              ShownValue(harmonic * 1e-9, 3) + " GPa");
    builder.Ratio(model, "νxy", out[4], mat.nuxy);
    builder.Ratio(model, "νzx", out[5], mat.nuzx);
    builder.Ratio(model, "νxz", out[6], mat.nuxz);
    builder.Expansion(model, "αx", out[7] * 1e-6, mat.alphax);
    builder.Expansion(model, "αz", out[8] * 1e-6, mat.alphaz);
}

}  // namespace

std::vector<VerificationCase> RandomMatCases() {
    const Constituents carbon = CarbonEpoxy();
    CCaseBuilder builder(
        "Random mat: the average over every in-plane direction (Vf = 0.5)",
        "The mat is a stack of the UD ply turned to every direction, strained alike in the plane "
        "and carrying one through-thickness stress; averaged here over 36 directions (exact for "
        "these trigonometric terms) from the ply's constants. Gyz is the model's mean of G12 "
        "and G23.",
        carbon.Em(), carbon.AlphaM());
    const auto& elastic = ElasticModels();
    const auto& thermal = ThermalModels();
    AddMat(builder, carbon, elastic[1], thermal[3], "carbon");       // CCA + Shapery
    AddMat(builder, GlassEpoxy(), elastic[2], thermal[5], "glass");  // Puck + ChamberLain(Hexag)
    return {builder.Build()};
}

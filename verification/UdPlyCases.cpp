// Verification cases of the UD ply's six elastic and seven thermal models: the limits of the
// volume fraction, identical constituents, the terms the models share, exact results of the
// composite cylinder assemblage, the series and parallel bounds, free thermal expansion and the
// packing limits. Each expected value is derived in docs/models.md.
#include "UdPlyCases.h"

#include <cmath>

#include "CaseBuilder.h"
#include "ModelReport.h"
#include "PlyRuns.h"

namespace {

// Model codes as the library takes them.
constexpr short kCCA = 2;
constexpr short kPuck = 3;
constexpr short kChamis = 4;
constexpr short kHalpinTsai = 5;
constexpr short kHalpinTsaiRect = 6;
constexpr short kCCAThermal = 12;  // runs Chamis' thermal model
constexpr short kChamisThermal = 15;
constexpr short kSchneider = 13;
constexpr short kShapery = 14;
constexpr short kChamberLainHex = 16;
constexpr short kChamberLainSquare = 17;

// Packing factors of the ChamberLain model: the largest volume fraction of round fibres in a
// hexagonal array, π/(2√3), and in a square array, π/4, to four digits.
constexpr double kHexagonalPacking = 0.9069;
constexpr double kSquarePacking = 0.7854;

constexpr double kFibreFraction = 0.6;

double Voigt(double fibre, double matrix, double vf) {
    return vf * fibre + (1.0 - vf) * matrix;
}

double Reuss(double fibre, double matrix, double vf) {
    return 1.0 / (vf / fibre + (1.0 - vf) / matrix);
}

CCaseBuilder Builder(const Constituents& pair, std::string title, std::string statement) {
    return CCaseBuilder(std::move(title), std::move(statement), pair.Em(), pair.AlphaM());
}

// The expected elastic constants of a case, model by model, with the note of a departure.
struct ElasticExpectation {
    double E1, E2, G12, G23, nu12, nu23;
    std::string noteE2, noteG12, noteG23, noteNu23;
};

void AddElastic(CCaseBuilder& builder, const std::string& model, const PlyValues& ply,
                const ElasticExpectation& expected) {
    builder.Modulus(model, "E1", ply.E1, expected.E1);
    builder.Modulus(model, "E2", ply.E2, expected.E2, expected.noteE2);
    builder.Modulus(model, "G12", ply.G12, expected.G12, expected.noteG12);
    builder.Modulus(model, "G23", ply.G23, expected.G23, expected.noteG23);
    builder.Ratio(model, "ν12", ply.nu12, expected.nu12);
    builder.Ratio(model, "ν23", ply.nu23, expected.nu23, expected.noteNu23);
}

const char* const kPuckNoTransverseShear = "Puck gives no transverse shear values: 0";

VerificationCase MatrixLimit() {
    const Constituents pair = CarbonEpoxy();
    CCaseBuilder builder = Builder(
        pair, "Matrix limit: Vf = 0",
        "Without fibres the ply is the resin: E1 = E2 = Em, G12 = G23 = Gm, ν12 = ν23 = νm and "
        "α1 = α2 = αm (carbon fibre in epoxy).");
    const double Em = pair.Em(), Gm = pair.Gm(), num = pair.Num();
    for (const ModelEntry& model : ElasticModels()) {
        const PlyValues ply = RunUDMixel(pair, 0.0, model.code, kThermalAfterElastic);
        ElasticExpectation expected{Em, Em, Gm, Gm, num, num, {}, {}, {}, {}};
        if (model.code == kPuck) {
            expected.E2 = Em / (1.0 - num * num);
            expected.noteE2 = "Puck: Em/(1 − νm²), the resin held along the fibres";
            expected.G23 = expected.nu23 = 0.0;
            expected.noteG23 = expected.noteNu23 = kPuckNoTransverseShear;
        }
        AddElastic(builder, model.name, ply, expected);
    }
    for (const ModelEntry& model : ThermalModels()) {
        const PlyValues ply = RunUDMixel(pair, 0.0, kElasticBeforeThermal, model.code);
        builder.Expansion(model.name, "α1", ply.alpha1, pair.AlphaM());
        builder.Expansion(model.name, "α2", ply.alpha2, pair.AlphaM());
    }
    return builder.Build();
}

// ChamberLain's α2 at Vf = 1, beyond its packing limit F.
double ChamberLainAtFullFibre(const Constituents& pair, double F) {
    const double D =
        1.0 + F - (1.0 - F) * (pair.Num() + (1.0 - pair.Nuf12()) * pair.Em() / pair.Ef1());
    return pair.AlphaM() + 2.0 * (pair.AlphaF2() - pair.AlphaM()) / D;
}

// Schneider's α2 at Vf = 1, where its fibre fraction 1.1·Vf is 1.1.
double SchneiderAtFullFibre(const Constituents& pair) {
    const double num = pair.Num();
    const double stiffnessRatio = pair.Ef1() / pair.Em();
    const double T1 =
        2.2 * (num * num - num - 1.0) / (1.1 * (2.0 * num * num + num - 1.0) - (1.0 + num));
    const double T2 = num * stiffnessRatio / (stiffnessRatio - 1.0 / 11.0);
    return pair.AlphaM() - (T1 - T2) * (pair.AlphaM() - pair.AlphaF2());
}

VerificationCase FibreLimit() {
    const Constituents pair = CarbonEpoxy();
    CCaseBuilder builder = Builder(
        pair, "Fibre limit: Vf = 1",
        "All fibre, the ply is the fibre: E1 = Ef1, E2 = Ef2, G12 = Gf12, G23 = Gf23, "
        "ν12 = νf12, ν23 = Ef2/(2·Gf23) − 1 and α1 = αf1, α2 = αf2. Models fitted to practical "
        "fractions, or defined only up to a packing limit, give their own values (carbon fibre "
        "in epoxy).");
    const double Em = pair.Em(), Gm = pair.Gm();
    const double Ef2 = pair.Ef2(), Gf12 = pair.Gf12(), Gf23 = pair.Gf23(), nuf = pair.Nuf12();
    for (const ModelEntry& model : ElasticModels()) {
        const PlyValues ply = RunUDMixel(pair, 1.0, model.code, kThermalAfterElastic);
        ElasticExpectation expected{pair.Ef1(), Ef2, Gf12, Gf23, nuf, Ef2 / (2.0 * Gf23) - 1.0,
                                    {},         {},  {},   {}};
        switch (model.code) {
            case kPuck:
                expected.E2 = 1.85 * Ef2;
                expected.noteE2 = "Puck's fit: (1 + 0.85)·Ef2";
                expected.G12 = 1.6 * Gf12;
                expected.noteG12 = "Puck's fit: (1 + 0.6)·Gf12";
                expected.G23 = expected.nu23 = 0.0;
                expected.noteG23 = expected.noteNu23 = kPuckNoTransverseShear;
                break;
            case kChamis: {
                expected.E2 = Em / (1.0 - std::sqrt(1.0 - Em / Ef2));
                expected.noteE2 = "Chamis, root over Vf·(1 − Em/Ef2): Em/(1 − √(1 − Em/Ef2))";
                expected.G12 = Gm / (1.0 - std::sqrt(1.0 - Gm / Gf12));
                expected.noteG12 = "Chamis: Gm/(1 − √(1 − Gm/Gf12))";
                expected.G23 = Gm / (1.0 - std::sqrt(1.0 - Gm / Gf23));
                expected.noteG23 = "Chamis: Gm/(1 − √(1 − Gm/Gf23))";
                expected.nu23 = expected.E2 / (2.0 * expected.G23) - 1.0;
                expected.noteNu23 = "Chamis: E2/(2·G23) − 1 of its own E2 and G23";
                break;
            }
            case kHalpinTsai:
            case kHalpinTsaiRect:
                expected.nu23 = nuf;
                expected.noteNu23 = "Halpin-Tsai: ν23 → νf12 (no Gf23 input)";
                expected.G23 = Ef2 / (2.0 * (1.0 + nuf));
                expected.noteG23 = "Halpin-Tsai: E2/(2·(1 + ν23)) = Ef2/(2·(1 + νf12))";
                break;
            default:
                break;
        }
        AddElastic(builder, model.name, ply, expected);
    }
    for (const ModelEntry& model : ThermalModels()) {
        const PlyValues ply = RunUDMixel(pair, 1.0, kElasticBeforeThermal, model.code);
        builder.Expansion(model.name, "α1", ply.alpha1, pair.AlphaF1());
        double alpha2 = pair.AlphaF2();
        std::string note;
        switch (model.code) {
            case kSchneider:
                alpha2 = SchneiderAtFullFibre(pair);
                note = "Schneider: fibre fraction taken as 1.1·Vf";
                break;
            case kShapery:
                alpha2 = (1.0 + nuf) * pair.AlphaF2() - nuf * pair.AlphaF1();
                note = "Schapery: (1 + νf12)·αf2 − νf12·αf1, exact for isotropic fibres";
                break;
            case kChamberLainHex:
                alpha2 = ChamberLainAtFullFibre(pair, kHexagonalPacking);
                note = "ChamberLain: beyond its packing limit 0.9069";
                break;
            case kChamberLainSquare:
                alpha2 = ChamberLainAtFullFibre(pair, kSquarePacking);
                note = "ChamberLain: beyond its packing limit 0.7854";
                break;
            default:
                break;
        }
        builder.Expansion(model.name, "α2", ply.alpha2, alpha2, note);
    }
    return builder.Build();
}

VerificationCase IdenticalConstituents() {
    const Constituents pair = ResinAsFibre(CarbonEpoxy(), 1.0);
    constexpr double vf = 0.5;
    CCaseBuilder builder = Builder(
        pair, "Fibre identical to the resin (Vf = 0.5)",
        "A ply of one isotropic material is that material at any fraction: E1 = E2 = Em, "
        "G12 = G23 = Gm, ν12 = ν23 = νm, α1 = α2 = αm. Puck's fit and Chamis' thermal model "
        "do not reduce to it.");
    const double Em = pair.Em(), Gm = pair.Gm(), num = pair.Num(), alpham = pair.AlphaM();
    const double vm = 1.0 - vf;
    for (const ModelEntry& model : ElasticModels()) {
        const PlyValues ply = RunUDMixel(pair, vf, model.code, kThermalAfterElastic);
        ElasticExpectation expected{Em, Em, Gm, Gm, num, num, {}, {}, {}, {}};
        if (model.code == kPuck) {
            const double P = std::pow(vm, 1.25);
            expected.E2 = Em * (1.0 + 0.85 * vf * vf) / ((1.0 - num * num) * P + vf);
            expected.noteE2 = "Puck: Em·(1 + 0.85·Vf²)/((1 − νm²)·Vm^1.25 + Vf)";
            expected.G12 = Gm * (1.0 + 0.6 * std::sqrt(vf)) / (vf + P);
            expected.noteG12 = "Puck: Gm·(1 + 0.6·√Vf)/(Vf + Vm^1.25)";
            expected.G23 = expected.nu23 = 0.0;
            expected.noteG23 = expected.noteNu23 = kPuckNoTransverseShear;
        }
        AddElastic(builder, model.name, ply, expected);
    }
    for (const ModelEntry& model : ThermalModels()) {
        const PlyValues ply = RunUDMixel(pair, vf, kElasticBeforeThermal, model.code);
        builder.Expansion(model.name, "α1", ply.alpha1, alpham);
        const bool chamis = model.code == kCCAThermal || model.code == kChamisThermal;
        builder.Expansion(model.name, "α2", ply.alpha2,
                          chamis ? alpham * (1.0 + num * vf * (1.0 - std::sqrt(vf))) : alpham,
                          chamis ? "Chamis: αm·(1 + νm·Vf·(1 − √Vf))" : "");
    }
    return builder.Build();
}

VerificationCase SharedRuleOfMixtures() {
    const Constituents pair = CarbonEpoxy();
    const double vf = kFibreFraction;
    CCaseBuilder builder = Builder(
        pair, "Terms the models share (Vf = 0.6)",
        "Five elastic models take E1 and ν12 by the rule of mixtures; the CCA's E1 is Hill's "
        "exact axial modulus, never below it. All thermal models take Schapery's α1 "
        "(Schneider in another algebraic form), and the \"CCA\" thermal choice is Chamis' "
        "model (carbon fibre in epoxy).");
    const double E1 = Voigt(pair.Ef1(), pair.Em(), vf);
    const double nu12 = Voigt(pair.Nuf12(), pair.Num(), vf);
    for (const ModelEntry& model : ElasticModels()) {
        const PlyValues ply = RunUDMixel(pair, vf, model.code, kThermalAfterElastic);
        if (model.code == kCCA) {
            builder.Modulus(model.name, "E1", ply.E1, E1,
                            "at least Vf·Ef1 + Vm·Em (Hill); equal when νf12 = νm",
                            CheckRelation::AtLeast);
            continue;
        }
        builder.Modulus(model.name, "E1", ply.E1, E1);
        builder.Ratio(model.name, "ν12", ply.nu12, nu12);
    }
    const double alpha1 =
        (pair.AlphaF1() * pair.Ef1() * vf + pair.AlphaM() * pair.Em() * (1 - vf)) /
        (pair.Ef1() * vf + pair.Em() * (1 - vf));
    for (const ModelEntry& model : ThermalModels()) {
        const PlyValues ply = RunUDMixel(pair, vf, kElasticBeforeThermal, model.code);
        builder.Expansion(model.name, "α1", ply.alpha1, alpha1);
    }
    const PlyValues chamis = RunUDMixel(pair, vf, kElasticBeforeThermal, kChamisThermal);
    const PlyValues cca = RunUDMixel(pair, vf, kElasticBeforeThermal, kCCAThermal);
    builder.Expansion("CCA", "α2", cca.alpha2, chamis.alpha2, "equals Chamis' α2");
    return builder.Build();
}

VerificationCase EqualPoissonRatios() {
    Constituents pair = CarbonEpoxy();
    pair.fibre[4] = pair.Num();
    const double vf = kFibreFraction;
    CCaseBuilder builder = Builder(
        pair, "Equal Poisson's ratios: Hill's exact axial constants (Vf = 0.6)",
        "When νf12 = νm the fibre and the resin contract alike under axial load, no transverse "
        "stress arises, and E1 = Vf·Ef1 + Vm·Em, ν12 = νm exactly, whatever the geometry "
        "(carbon fibre with νf12 set to the resin's, in epoxy).");
    const PlyValues ply = RunUDMixel(pair, vf, kCCA, kThermalAfterElastic);
    builder.Modulus("CCA", "E1", ply.E1, Voigt(pair.Ef1(), pair.Em(), vf));
    builder.Ratio("CCA", "ν12", ply.nu12, pair.Num());
    return builder.Build();
}

// Hashin's axial shear modulus of the composite cylinder assemblage in its published form.
double HashinG12(const Constituents& pair, double vf) {
    const double Gm = pair.Gm();
    return Gm + vf / (1.0 / (pair.Gf12() - Gm) + (1.0 - vf) / (2.0 * Gm));
}

VerificationCase HashinAxialShear() {
    CCaseBuilder builder(
        "Axial shear of the composite cylinders",
        "The composite cylinder assemblage has the exact axial shear modulus "
        "G12 = Gm + Vf/(1/(Gf12 − Gm) + Vm/(2·Gm)) (Hashin); Halpin-Tsai with ξ = 1 is the "
        "same expression (carbon and glass fibres in epoxy).",
        CarbonEpoxy().Em(), CarbonEpoxy().AlphaM());
    for (const auto& [name, pair] :
         {std::pair{"carbon", CarbonEpoxy()}, std::pair{"glass", GlassEpoxy()}}) {
        for (double vf : {0.3, 0.6}) {
            const std::string where =
                std::string(", ") + name + ", Vf = " + (vf == 0.3 ? "0.3" : "0.6");
            const double expected = HashinG12(pair, vf);
            for (short code : {kCCA, kHalpinTsai}) {
                const PlyValues ply = RunUDMixel(pair, vf, code, kThermalAfterElastic);
                builder.Modulus(ElasticModels()[code - 1].name + where, "G12", ply.G12, expected);
            }
        }
    }
    return builder.Build();
}

VerificationCase SeriesAndParallelBounds() {
    const Constituents pair = CarbonEpoxy();
    const double vf = kFibreFraction;
    CCaseBuilder builder =
        Builder(pair, "Series and parallel bounds (Vf = 0.6)",
                "Whatever the arrangement of the fibres, a ply's compliance is at most the volume "
                "average of the constituents' compliances and its stiffness at most the average of "
                "their stiffnesses: E2 ≥ 1/(Vf/Ef2 + Vm/Em), and each shear modulus lies between "
                "1/(Vf/Gf + Vm/Gm) and Vf·Gf + Vm·Gm (carbon fibre in epoxy).");
    const double Gm = pair.Gm();
    const double E2low = Reuss(pair.Ef2(), pair.Em(), vf);
    const double G12low = Reuss(pair.Gf12(), pair.Gm(), vf);
    const double G12high = Voigt(pair.Gf12(), pair.Gm(), vf);
    const double G23low = Reuss(pair.Gf23(), pair.Gm(), vf);
    const double G23high = Voigt(pair.Gf23(), pair.Gm(), vf);
    for (const ModelEntry& model : ElasticModels()) {
        const PlyValues ply = RunUDMixel(pair, vf, model.code, kThermalAfterElastic);
        const std::string& name = model.name;
        builder.Modulus(name, "E2", ply.E2, E2low, {}, CheckRelation::AtLeast);
        builder.Modulus(name, "G12", ply.G12, G12low, {}, CheckRelation::AtLeast);
        builder.Modulus(name, "G12", ply.G12, G12high, {}, CheckRelation::AtMost);
        if (model.code == kPuck) {
            builder.Modulus(name, "G23", ply.G23, 0.0, kPuckNoTransverseShear);
            continue;
        }
        builder.Modulus(name, "G23", ply.G23, G23low, {}, CheckRelation::AtLeast);
        if (model.code == kChamis) {
            // The root over the whole product Vf·(1 − Gm/Gf23) lifts G23 above the parallel
            // bound for this stiff-fibre pair; with the root on Vf alone it would stay below.
            const double chamis = Gm / (1.0 - std::sqrt(vf * (1.0 - Gm / pair.Gf23())));
            const double rootOnVf = Gm / (1.0 - std::sqrt(vf) * (1.0 - Gm / pair.Gf23()));
            builder.Modulus(name, "G23", ply.G23, chamis,
                            "Chamis: Gm/(1 − √(Vf·(1 − Gm/Gf23))), above the parallel bound " +
                                ShownValue(G23high * 1e-9, 3) + " GPa; with the root on Vf alone " +
                                ShownValue(rootOnVf * 1e-9, 3) + " GPa");
            continue;
        }
        builder.Modulus(name, "G23", ply.G23, G23high, {}, CheckRelation::AtMost);
    }
    return builder.Build();
}

VerificationCase FreeThermalExpansion() {
    Constituents pair = CarbonEpoxy();
    const double alpha = pair.AlphaM();
    pair.fibre[5] = pair.fibre[6] = alpha;
    const double vf = kFibreFraction;
    CCaseBuilder builder = Builder(
        pair, "Equal expansion coefficients: free expansion (Vf = 0.6)",
        "When fibre and resin expand alike, a uniform temperature change strains every point "
        "by α without stress, whatever the stiffnesses: α1 = α2 = α (carbon fibre with the "
        "resin's expansion, in epoxy).");
    const double E1r = Voigt(pair.Ef1(), pair.Em(), vf);
    for (const ModelEntry& model : ThermalModels()) {
        const PlyValues ply = RunUDMixel(pair, vf, kElasticBeforeThermal, model.code);
        builder.Expansion(model.name, "α1", ply.alpha1, alpha);
        double expected = alpha;
        std::string note;
        if (model.code == kCCAThermal || model.code == kChamisThermal) {
            expected = alpha * (1.0 + (1.0 - std::sqrt(vf)) * pair.Num() * pair.Ef1() * vf / E1r);
            note = "Chamis: α·(1 + (1 − √Vf)·νm·Ef1·Vf/E1), E1 by the rule of mixtures";
        } else if (model.code == kShapery) {
            // Schapery's α2 is exact with the rule-of-mixtures ν12; the CCA's ν12 carries Hill's
            // small correction, which shows here.
            const double nuMixture = Voigt(pair.Nuf12(), pair.Num(), vf);
            expected = alpha * (1.0 + nuMixture - ply.nu12);
            note = "Schapery after CCA: α·(1 + (Vf·νf12 + Vm·νm) − ν12)";
        }
        builder.Expansion(model.name, "α2", ply.alpha2, expected, note);
    }
    return builder.Build();
}

VerificationCase PackingLimits() {
    const Constituents pair = CarbonEpoxy();
    CCaseBuilder builder =
        Builder(pair, "ChamberLain at its packing limit",
                "ChamberLain's cell holds round fibres up to the packing factor F of their array "
                "(π/4 = 78.5 % square, π/(2√3) = 90.7 % hexagonal); at Vf = F the fibres touch and "
                "α2 = αf2 (carbon fibre in epoxy).");
    for (const auto& [code, F] : {std::pair{kChamberLainHex, kHexagonalPacking},
                                  std::pair{kChamberLainSquare, kSquarePacking}}) {
        const PlyValues ply = RunUDMixel(pair, F, kElasticBeforeThermal, code);
        builder.Expansion(ThermalModels()[code - 11].name +
                              (code == kChamberLainHex ? ", Vf = 0.9069" : ", Vf = 0.7854"),
                          "α2", ply.alpha2, pair.AlphaF2());
    }
    return builder.Build();
}

}  // namespace

std::vector<VerificationCase> UdPlyCases() {
    return {
        MatrixLimit(),        FibreLimit(),       IdenticalConstituents(),   SharedRuleOfMixtures(),
        EqualPoissonRatios(), HashinAxialShear(), SeriesAndParallelBounds(), FreeThermalExpansion(),
        PackingLimits()};
}

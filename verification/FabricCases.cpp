// Verification cases of the woven-fabric models: the 3D average model, the ABD average model
// (iso-strain and iso-stress) and the finite-element model, each called through WFProperties as
// the calculator calls it.
#include "FabricCases.h"

#include <array>
#include <cmath>

#include "CaseBuilder.h"
#include "PlyRuns.h"
#include "numerics/Matrix.h"
#include "weftcore.h"

namespace {

// Model numbers of WFProperties.
constexpr short k3DAverage = 0;
constexpr short kLaminateAverage = 1;
constexpr short kFiniteElements = 2;

// Agreement of the finite-element solve with a closed form: the periodic solve of a few hundred
// unknowns carries rounding of the factorisation.
constexpr double kSolveTolerance = 1e-9;

// A woven layer as the calculator describes it. Angles in radians; fabric as WFProperties takes
// it: warp and fill undulation ratios, fibre height and width ratios, warp and fill counts [1/m],
// areal density [kg/m²].
struct Fabric {
    Constituents pair;
    const CWeave* weave = nullptr;
    double vf = 0.5;
    std::array<double, 7> geometry{1.0, 1.0, 0.95, 0.85, 500.0, 500.0, 0.2};
    double warpAngle = 0.0;
    double fillAngle = std::acos(-1.0) / 2.0;
    short gaussPoints = 8;

    // The thickness the models give the layer: the fibre's volume per area over its fraction,
    // divided by the sine of the angle between the yarns.
    double Thickness() const {
        return geometry[6] / (vf * pair.fibre[7]) / std::fabs(std::sin(fillAngle - warpAngle));
    }
};

// The yarn-axis load values the calculator passes.
constexpr double kCellFactors[2] = {10.0, 5.0};

std::array<double, 41> Run(const Fabric& fabric, short model, bool isoStrain) {
    std::array<double, 41> out{};
    WFProperties(model, isoStrain, fabric.weave, fabric.gaussPoints, fabric.vf,
                 fabric.pair.resin.data(), fabric.pair.fibre.data(), fabric.geometry.data(),
                 fabric.fillAngle, fabric.warpAngle, kCellFactors, 0, out.data());
    return out;
}

// A fabric of the catalogue's carbon fibre and epoxy in one of its weaves, with the default shape.
Fabric CarbonFabric(const std::string& weave) {
    Fabric fabric;
    fabric.pair = CarbonEpoxy();
    fabric.weave = &CatalogueWeave(weave);
    return fabric;
}

CCaseBuilder FabricBuilder(const Fabric& fabric, std::string title, std::string statement) {
    return CCaseBuilder(std::move(title), std::move(statement), fabric.pair.Em(),
                        fabric.pair.AlphaM());
}

// The 3D model's outputs (out[0..18]) with their units.
struct SolidEntry {
    const char* name;
    int index;
    enum { kModulus, kRatio, kExpansion } kind;
};

constexpr SolidEntry kSolidEntries[] = {
    {"Ex", 0, SolidEntry::kModulus},    {"Ey", 1, SolidEntry::kModulus},
    {"Ez", 2, SolidEntry::kModulus},    {"Gxy", 3, SolidEntry::kModulus},
    {"Gxz", 4, SolidEntry::kModulus},   {"Gyz", 5, SolidEntry::kModulus},
    {"νxy", 6, SolidEntry::kRatio},     {"νxz", 7, SolidEntry::kRatio},
    {"νyz", 8, SolidEntry::kRatio},     {"αx", 12, SolidEntry::kExpansion},
    {"αy", 13, SolidEntry::kExpansion}, {"αz", 14, SolidEntry::kExpansion},
};

// The laminate models' outputs (out[0..40]) by block: the unit a report shows and the magnitude
// a deviation is measured against, so that an entry expected to be zero (a coupling term) is
// judged against the size of its block.
enum class Block { A, B, D, ThermalForce, ThermalMoment, ThermalStrain, ThermalCurvature };

struct LaminateEntry {
    const char* name;
    int index;
    Block block;
};

constexpr LaminateEntry kA11{"A11", 0, Block::A}, kA12{"A12", 1, Block::A},
    kA16{"A16", 2, Block::A}, kA22{"A22", 3, Block::A}, kA66{"A66", 5, Block::A},
    kB11{"B11", 6, Block::B}, kB12{"B12", 7, Block::B}, kB22{"B22", 9, Block::B},
    kB66{"B66", 11, Block::B}, kD11{"D11", 12, Block::D}, kD12{"D12", 13, Block::D},
    kD16{"D16", 14, Block::D}, kD22{"D22", 15, Block::D}, kD66{"D66", 17, Block::D},
    kNTx{"NTx", 22, Block::ThermalForce}, kNTy{"NTy", 23, Block::ThermalForce},
    kMTx{"MTx", 25, Block::ThermalMoment}, kMTy{"MTy", 26, Block::ThermalMoment},
    kEpsX{"εx/ΔT", 28, Block::ThermalStrain}, kKappaX{"κx/ΔT", 31, Block::ThermalCurvature},
    kKappaY{"κy/ΔT", 32, Block::ThermalCurvature};

// Scales of a laminate result: its extensional stiffness, thickness and thermal force.
struct LaminateScales {
    double A, h, NT, strain;

    double Of(Block block) const {
        switch (block) {
            case Block::A:
                return A;
            case Block::B:
                return A * h;
            case Block::D:
                return A * h * h / 12.0;
            case Block::ThermalForce:
                return NT;
            case Block::ThermalMoment:
                return NT * h;
            case Block::ThermalStrain:
                return strain;
            case Block::ThermalCurvature:
                return strain / h;
        }
        return 1.0;
    }
};

LaminateScales ScalesOf(const std::array<double, 41>& out) {
    return LaminateScales{std::fabs(out[0]), out[34], std::fabs(out[22]), std::fabs(out[28])};
}

VerificationCheck LaminateCheck(const std::string& model, const LaminateEntry& entry,
                                double computed, double expected, const LaminateScales& scales,
                                double tolerance, CheckRelation relation = CheckRelation::Equal) {
    static const struct {
        const char* unit;
        double scale;
    } kUnits[] = {{"MN/m", 1e-6}, {"kN", 1e-3},    {"N·m", 1.0},    {"N/(m·K)", 1.0},
                  {"N/K", 1.0},   {"10⁻⁶/K", 1e6}, {"1/(m·K)", 1.0}};
    const auto& unit = kUnits[static_cast<int>(entry.block)];
    return VerificationCheck{
        model,     entry.name, unit.unit, unit.scale, computed, expected, scales.Of(entry.block),
        tolerance, relation,   {}};
}

// Plane-stress stiffness of an isotropic material.
CMatrix IsotropicQ(double E, double nu) {
    CMatrix Q(3, 3);
    Q(1, 1) = Q(2, 2) = E / (1.0 - nu * nu);
    Q(1, 2) = Q(2, 1) = nu * E / (1.0 - nu * nu);
    Q(3, 3) = E / (2.0 * (1.0 + nu));
    return Q;
}

// The laminate of plane layers by classical lamination theory, in the models' layout and
// conventions: z upward, B and the moments of the opposite sign to the z-upward textbook form
// (curvature positive when the upper face shortens).
struct Layer {
    CMatrix Q;
    CVector alpha;  // in-plane free strain per kelvin (x, y, xy)
    double bottom;
    double top;
};

std::array<double, 41> LaminateOf(const std::vector<Layer>& layers, double h) {
    CMatrix A(3, 3), B(3, 3), D(3, 3);
    CVector NT(3), MT(3);
    for (const Layer& layer : layers) {
        const double t = layer.top - layer.bottom;
        const double q = layer.top * layer.top - layer.bottom * layer.bottom;
        const double k =
            layer.top * layer.top * layer.top - layer.bottom * layer.bottom * layer.bottom;
        A += layer.Q * t;
        B += layer.Q * (-0.5 * q);
        D += layer.Q * (k / 3.0);
        const CVector stress = layer.Q * layer.alpha;
        NT += stress * t;
        MT += stress * (-0.5 * q);
    }
    std::array<double, 41> out{};
    const std::pair<int, int> upper[] = {{1, 1}, {1, 2}, {1, 3}, {2, 2}, {2, 3}, {3, 3}};
    for (int i = 0; i < 6; ++i) {
        const auto [r, c] = upper[i];
        out[i] = A(r, c);
        out[6 + i] = B(r, c);
        out[12 + i] = D(r, c);
    }
    for (int i = 0; i < 3; ++i) {
        out[22 + i] = NT(i + 1);
        out[25 + i] = MT(i + 1);
    }
    out[34] = h;
    return out;
}

CVector IsotropicExpansion(double alpha) {
    CVector expansion(3);
    expansion(1) = expansion(2) = alpha;
    return expansion;
}

void AddSolid(CCaseBuilder& builder, const std::string& model, const std::array<double, 41>& out,
              const std::array<double, 19>& expected) {
    for (const SolidEntry& entry : kSolidEntries) {
        const double computed = out[entry.index];
        const double wanted = expected[entry.index];
        switch (entry.kind) {
            case SolidEntry::kModulus:
                builder.Modulus(model, entry.name, computed, wanted);
                break;
            case SolidEntry::kRatio:
                builder.Ratio(model, entry.name, computed, wanted);
                break;
            case SolidEntry::kExpansion:
                builder.Expansion(model, entry.name, computed * 1e-6, wanted * 1e-6);
                break;
        }
    }
}

void AddLaminate(CCaseBuilder& builder, const std::string& model, const std::array<double, 41>& out,
                 const std::array<double, 41>& expected,
                 std::initializer_list<LaminateEntry> entries, double tolerance) {
    const LaminateScales scales = ScalesOf(expected);
    for (const LaminateEntry& entry : entries) {
        builder.Add(LaminateCheck(model, entry, out[entry.index], expected[entry.index], scales,
                                  tolerance));
    }
}

const char* const kIsoStrain = "iso-strain";
const char* const kIsoStress = "iso-stress";

std::string ModelName(short model, bool isoStrain) {
    const char* mode = isoStrain ? kIsoStrain : kIsoStress;
    switch (model) {
        case k3DAverage:
            return std::string("3D average, ") + mode;
        case kLaminateAverage:
            return std::string("ABD average, ") + mode;
        default:
            return std::string("finite elements, ") + mode + " crossings";
    }
}

VerificationCase HomogeneousFabric() {
    Fabric fabric = CarbonFabric("Plain");
    fabric.pair = ResinAsFibre(fabric.pair, fabric.pair.fibre[7]);
    const Constituents& pair = fabric.pair;
    CCaseBuilder builder = FabricBuilder(
        fabric, "Fabric of one material",
        "Yarns of a fibre identical to the resin make a homogeneous layer, whatever the weave "
        "and its geometry: the 3D models return the resin's E, G, ν and α; the laminate models "
        "return A = h·Q, B = 0, D = h³/12·Q, NT = h·Q·α and MT = 0 with Q the resin's "
        "plane-stress stiffness (Plain weave, 500 yarns/m, 0.2 kg/m², Vf = 0.5).");

    std::array<double, 19> solid{};
    solid[0] = solid[1] = solid[2] = pair.Em();
    solid[3] = solid[4] = solid[5] = pair.Gm();
    solid[6] = solid[7] = solid[8] = pair.Num();
    solid[12] = solid[13] = solid[14] = pair.AlphaM() * 1e6;
    for (bool isoStrain : {true, false}) {
        AddSolid(builder, ModelName(k3DAverage, isoStrain), Run(fabric, k3DAverage, isoStrain),
                 solid);
    }

    const double h = fabric.Thickness();
    const CMatrix Q = IsotropicQ(pair.Em(), pair.Num());
    std::array<double, 41> plate =
        LaminateOf({Layer{Q, IsotropicExpansion(pair.AlphaM()), -h / 2.0, h / 2.0}}, h);
    plate[28] = plate[29] = pair.AlphaM();
    const auto entries = {kA11, kA12, kA22, kA66, kB11,  kB22,   kD11,
                          kD12, kD66, kNTx, kMTx, kEpsX, kKappaX};
    for (bool isoStrain : {true, false}) {
        AddLaminate(builder, ModelName(kLaminateAverage, isoStrain),
                    Run(fabric, kLaminateAverage, isoStrain), plate, entries,
                    CCaseBuilder::kClosedFormTolerance);
    }
    AddLaminate(builder, ModelName(kFiniteElements, true), Run(fabric, kFiniteElements, true),
                plate, entries, kSolveTolerance);
    return builder.Build();
}

VerificationCase StraightYarns() {
    Fabric fabric = CarbonFabric("Simple UD");
    fabric.geometry = {0.0, 0.0, 0.95, 1.0, 500.0, 500.0, 0.2};
    const Constituents& pair = fabric.pair;
    CCaseBuilder builder = FabricBuilder(
        fabric, "Straight yarns: the cross-ply",
        "In a weave of crossings without undulation (Simple UD) and with flat yarns as wide as "
        "their spacing (undulation 0, width 100 %), every point of the cell is the same "
        "laminate: resin, the warp as a 0° UD layer, the fill as a 90° UD layer, resin. The "
        "yarns hold all the fibre, at Vf·h/T. Expected: classical lamination theory of that "
        "stack, and for the 3D model the in-plane constants of A/h (carbon fibre in epoxy, "
        "height 95 %, Vf = 0.5).");

    const double h = fabric.Thickness();
    const double T = h * fabric.geometry[2];
    const PlyValues yarn = RunUDMixel(pair, fabric.vf * h / T, 2, 14);  // CCA, Shapery
    const CMatrix warp = ReducedStiffness(yarn);
    CMatrix fill = warp;
    fill(1, 1) = warp(2, 2);
    fill(2, 2) = warp(1, 1);
    CVector warpAlpha(3), fillAlpha(3);
    warpAlpha(1) = fillAlpha(2) = yarn.alpha1;
    warpAlpha(2) = fillAlpha(1) = yarn.alpha2;
    const CMatrix resin = IsotropicQ(pair.Em(), pair.Num());
    const CVector resinAlpha = IsotropicExpansion(pair.AlphaM());
    const std::array<double, 41> crossPly = LaminateOf(
        {Layer{resin, resinAlpha, T / 2.0, h / 2.0}, Layer{warp, warpAlpha, 0.0, T / 2.0},
         Layer{fill, fillAlpha, -T / 2.0, 0.0}, Layer{resin, resinAlpha, -h / 2.0, -T / 2.0}},
        h);
    const auto entries = {kA11, kA12, kA22, kA66, kB11, kB22, kB66, kD11,
                          kD12, kD22, kD66, kNTx, kNTy, kMTx, kMTy};
    for (bool isoStrain : {true, false}) {
        AddLaminate(builder, ModelName(kLaminateAverage, isoStrain),
                    Run(fabric, kLaminateAverage, isoStrain), crossPly, entries,
                    CCaseBuilder::kClosedFormTolerance);
    }
    AddLaminate(builder, ModelName(kFiniteElements, true), Run(fabric, kFiniteElements, true),
                crossPly, entries, kSolveTolerance);

    // In-plane, the 3D model's stack carries no through-thickness stress: its in-plane
    // compliance is that of A/h.
    CMatrix A(3, 3);
    const std::pair<int, int> upper[] = {{1, 1}, {1, 2}, {1, 3}, {2, 2}, {2, 3}, {3, 3}};
    for (int i = 0; i < 6; ++i) {
        A(upper[i].first, upper[i].second) = A(upper[i].second, upper[i].first) = crossPly[i];
    }
    const CMatrix S = (A * (1.0 / h)).Inverse();
    const std::array<double, 41> solid = Run(fabric, k3DAverage, true);
    const std::string model = ModelName(k3DAverage, true);
    builder.Modulus(model, "Ex", solid[0], 1.0 / S(1, 1));
    builder.Modulus(model, "Ey", solid[1], 1.0 / S(2, 2));
    builder.Modulus(model, "Gxy", solid[3], 1.0 / S(3, 3));
    builder.Ratio(model, "νxy", solid[6], -S(1, 2) / S(1, 1));
    return builder.Build();
}

VerificationCase UniformPattern() {
    Fabric fabric = CarbonFabric("Simple UD");
    CCaseBuilder builder = FabricBuilder(
        fabric, "Uniform pattern: the finite-element cell returns its own laminate",
        "A pattern of one crossing kind is a uniform plate; the periodic solution strains it "
        "uniformly and returns the crossing's laminate, the value the ABD average gives for the "
        "same pattern. Also for a cell skewed by warp at 30°, fill at 90° (Simple UD, carbon "
        "fibre in epoxy, undulation 100 %, width 85 %).");
    const double degree = std::acos(-1.0) / 180.0;
    for (double warp : {0.0, 30.0}) {
        fabric.warpAngle = warp * degree;
        const std::string where = warp == 0.0 ? ", warp 0°, fill 90°" : ", warp 30°, fill 90°";
        AddLaminate(
            builder, "finite elements" + where, Run(fabric, kFiniteElements, true),
            Run(fabric, kLaminateAverage, true),
            {kA11, kA12, kA16, kA22, kA66, kB11, kB22, kD11, kD16, kD22, kD66, kNTx, kNTy, kMTx},
            kSolveTolerance);
    }
    return builder.Build();
}

VerificationCase BalancedPattern() {
    const Fabric fabric = CarbonFabric("Plain");
    CCaseBuilder builder = FabricBuilder(
        fabric, "Balanced weave: no bending coupling",
        "In the plain weave every crossing has its turned-over twin, so the layer is symmetric "
        "about its mid-plane on average: B = 0, MT = 0 and no thermal curvature (carbon fibre "
        "in epoxy).");
    const auto entries = {kB11, kB12, kB22, kB66, kMTx, kMTy, kKappaX, kKappaY};
    for (short model : {kLaminateAverage, kFiniteElements}) {
        for (bool isoStrain : {true, false}) {
            const std::array<double, 41> out = Run(fabric, model, isoStrain);
            std::array<double, 41> flat = out;
            for (const LaminateEntry& entry : entries) {
                flat[entry.index] = 0.0;
            }
            AddLaminate(
                builder, ModelName(model, isoStrain), out, flat, entries,
                model == kFiniteElements ? kSolveTolerance : CCaseBuilder::kClosedFormTolerance);
        }
    }
    return builder.Build();
}

VerificationCase AveragingBounds() {
    const Fabric fabric = CarbonFabric("Plain");
    CCaseBuilder builder = FabricBuilder(
        fabric, "Iso-strain above iso-stress, finite elements between",
        "Averaging stiffnesses (every point strained alike) gives an upper estimate, averaging "
        "compliances (every point loaded alike) a lower one. The periodic finite-element "
        "solution of the same crossings cannot be stiffer than their stiffness average nor "
        "softer than their compliance average (Plain weave, carbon fibre in epoxy).");
    const std::array<double, 41> strain3D = Run(fabric, k3DAverage, true);
    const std::array<double, 41> stress3D = Run(fabric, k3DAverage, false);
    for (const SolidEntry& entry : {kSolidEntries[0], kSolidEntries[1], kSolidEntries[3]}) {
        builder.Modulus(ModelName(k3DAverage, true), entry.name, strain3D[entry.index],
                        stress3D[entry.index], "at least the iso-stress value",
                        CheckRelation::AtLeast);
    }
    const auto diagonal = {kA11, kA22, kA66, kD11, kD22, kD66};
    const std::array<double, 41> strainABD = Run(fabric, kLaminateAverage, true);
    const std::array<double, 41> stressABD = Run(fabric, kLaminateAverage, false);
    const std::array<double, 41> strainFE = Run(fabric, kFiniteElements, true);
    const std::array<double, 41> stressFE = Run(fabric, kFiniteElements, false);
    const LaminateScales scales = ScalesOf(strainABD);
    auto bound = [&](const std::string& model, const std::array<double, 41>& out,
                     const std::array<double, 41>& limit, CheckRelation relation,
                     const char* note) {
        for (const LaminateEntry& entry : diagonal) {
            VerificationCheck check =
                LaminateCheck(model, entry, out[entry.index], limit[entry.index], scales,
                              CCaseBuilder::kClosedFormTolerance, relation);
            check.note = note;
            builder.Add(check);
        }
    };
    bound(ModelName(kLaminateAverage, true), strainABD, stressABD, CheckRelation::AtLeast,
          "at least the iso-stress value");
    bound(ModelName(kFiniteElements, true), strainFE, strainABD, CheckRelation::AtMost,
          "at most the iso-strain ABD average");
    bound(ModelName(kFiniteElements, false), stressFE, stressABD, CheckRelation::AtLeast,
          "at least the iso-stress ABD average");
    return builder.Build();
}

}  // namespace

std::vector<VerificationCase> FabricCases() {
    return {HomogeneousFabric(), StraightYarns(), UniformPattern(), BalancedPattern(),
            AveragingBounds()};
}

#include <gtest/gtest.h>

#include <cmath>

#include "PlyFixtures.h"
#include "Tolerance.h"
#include "micromechanics/PlyModels.h"
#include "micromechanics/UDPly.h"

namespace {

struct ThermalExpectation {
    const char* model;
    short code;
    double alpha1ppm, alpha2ppm;
};

// Hexcel 8552 / Hercules AS4 at Vf = 0.6 after the CCA elastic model, in 1e-6/K.
const ThermalExpectation kAS4In8552[] = {
    {"RuleOfMixtures", 11, 0.31031807602792866, 33.200000000000003},
    {"CCA", 12, 0.31031807602792866, 29.308448976707556},
    {"Schneider", 13, 0.31031807602792855, 30.698761960044123},
    {"Shapery", 14, 0.31031807602792866, 44.668884638998485},
    {"Chamis", 15, 0.31031807602792866, 29.308448976707556},
    {"ChamberLainHexag", 16, 0.31031807602792866, 25.84088705812961},
    {"ChamberLainSquare", 17, 0.31031807602792866, 21.32549533189831},
};

// Keeps test names readable in CTest.
void PrintTo(const ThermalExpectation& expectation, std::ostream* os) {
    *os << expectation.model;
}

class ThermalModel : public ::testing::TestWithParam<ThermalExpectation> {};

}  // namespace

TEST_P(ThermalModel, MatchesHandDerivedValuesForACataloguePair) {
    const ThermalExpectation& expected = GetParam();
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    ply.MechCCA();
    ASSERT_TRUE(RunThermalModel(ply, expected.code));
    EXPECT_TRUE(RelativelyNear(ply.alpha1 * 1e6, expected.alpha1ppm, 1e-12));
    EXPECT_TRUE(RelativelyNear(ply.alpha2 * 1e6, expected.alpha2ppm, 1e-12));
    EXPECT_EQ(ply.alpha3, ply.alpha2);
}

INSTANTIATE_TEST_SUITE_P(AllModels, ThermalModel, ::testing::ValuesIn(kAS4In8552),
                         [](const auto& info) { return std::string(info.param.model); });

TEST(ThermalModels, ShaperyTransverseExpansionFollowsTheElasticModel) {
    CUDPly cca(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    cca.MechCCA();
    cca.ThermShapery();
    CUDPly rule(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    rule.MechRuleOfMixtures();
    rule.ThermShapery();
    EXPECT_EQ(cca.alpha1, rule.alpha1);
    EXPECT_NE(cca.alpha2, rule.alpha2);
}

TEST(ThermalModels, ThermalModelsChangeOnlyTheExpansionCoefficients) {
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    ply.MechChamis();
    CUDPly before = ply;
    for (short code = 11; code <= 17; ++code) {
        ASSERT_TRUE(RunThermalModel(ply, code));
        EXPECT_EQ(ply.E1, before.E1);
        EXPECT_EQ(ply.G23, before.G23);
        EXPECT_EQ(ply.nu12, before.nu12);
    }
}

TEST(ThermalModels, IdenticalIsotropicConstituentsKeepTheResinExpansionButChamis) {
    const std::array<double, 3> resin = {3.24e9, 0.37, 6.6e-5};
    const std::array<double, 8> fibre = FibreLikeResin(resin);
    const double vf = 0.45;
    for (short code = 11; code <= 17; ++code) {
        CUDPly ply(resin.data(), fibre.data(), vf);
        ply.MechRuleOfMixtures();
        ASSERT_TRUE(RunThermalModel(ply, code));
        EXPECT_TRUE(RelativelyNear(ply.alpha1, resin[2], 1e-12)) << code;
        double expected2 = resin[2];
        if (code == 12 || code == 15) {
            expected2 = resin[2] * (1.0 + resin[1] * vf * (1.0 - std::sqrt(vf)));
        }
        EXPECT_TRUE(RelativelyNear(ply.alpha2, expected2, 1e-12)) << code;
    }
}

TEST(ThermalModels, UnknownPackingKeepsTheOldTransverseExpansion) {
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    ply.MechCCA();
    ply.ThermChamberLain('x');
    EXPECT_EQ(ply.alpha2, 0.0);
    EXPECT_EQ(ply.alpha3, 0.0);
    EXPECT_TRUE(RelativelyNear(ply.alpha1 * 1e6, 0.31031807602792866, 1e-12));

    CUDPly lower(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    lower.ThermChamberLain('h');
    CUDPly upper(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    upper.ThermChamberLain('H');
    EXPECT_EQ(lower.alpha2, upper.alpha2);
    lower.ThermChamberLain('s');
    upper.ThermChamberLain('S');
    EXPECT_EQ(lower.alpha2, upper.alpha2);
}

#include <gtest/gtest.h>

#include <cmath>

#include "PlyFixtures.h"
#include "Tolerance.h"
#include "micromechanics/PlyModels.h"
#include "micromechanics/UDPly.h"

namespace {

struct ElasticExpectation {
    const char* model;
    short code;
    double E1, E2, G12, G23, nu12, nu23;
};

// Derived independently from the model formulas for Hexcel 8552 / Hercules AS4 at Vf = 0.6.
const ElasticExpectation kAS4In8552[] = {
    {"RuleOfMixtures", 1, 134056000000, 6671554252.1994133, 3020245602.3896451, 2374739039.6659708,
     0.31, 0.40469208211143681},
    {"CCA", 2, 134066710523.78581, 8360835180.1953669, 4268102947.4907184, 2757290863.2183504,
     0.30650925082740105, 0.5161322462796829},
    {"Puck", 3, 134056000000, 11314376190.574106, 5435999431.7126379, 0, 0.31, 0},
    {"Chamis", 4, 134056000000, 11168795480.111721, 5280685033.369133, 3951007638.190546, 0.31,
     0.41341102104610528},
    {"HalpinTsaiCirc", 5, 134056000000, 8453160889.8085861, 4268102947.4907169, 3030593616.5535908,
     0.31, 0.39463781016960808},
    {"HalpinTsaiRect", 6, 134056000000, 9094238480.4783669, 4479969429.0994329, 3260430204.2307224,
     0.31, 0.39463781016960808},
};

// Keeps test names readable in CTest.
void PrintTo(const ElasticExpectation& expectation, std::ostream* os) {
    *os << expectation.model;
}

class ElasticModel : public ::testing::TestWithParam<ElasticExpectation> {};

}  // namespace

TEST_P(ElasticModel, MatchesHandDerivedValuesForACataloguePair) {
    const ElasticExpectation& expected = GetParam();
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    ASSERT_TRUE(RunElasticModel(ply, expected.code));
    EXPECT_TRUE(RelativelyNear(ply.E1, expected.E1));
    EXPECT_TRUE(RelativelyNear(ply.E2, expected.E2));
    EXPECT_TRUE(RelativelyNear(ply.G12, expected.G12));
    EXPECT_TRUE(RelativelyNear(ply.G23, expected.G23));
    EXPECT_TRUE(RelativelyNear(ply.nu12, expected.nu12));
    EXPECT_TRUE(RelativelyNear(ply.nu23, expected.nu23));
    // Transverse isotropy.
    EXPECT_EQ(ply.E3, ply.E2);
    EXPECT_EQ(ply.G13, ply.G12);
    EXPECT_EQ(ply.nu13, ply.nu12);
}

INSTANTIATE_TEST_SUITE_P(AllModels, ElasticModel, ::testing::ValuesIn(kAS4In8552),
                         [](const auto& info) { return std::string(info.param.model); });

TEST(ElasticModels, ConstructorDerivesResinShearModulusAndClearsResults) {
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    EXPECT_DOUBLE_EQ(ply.Gm, 3.64e9 / 2.74);
    EXPECT_EQ(ply.E1, 0.0);
    EXPECT_EQ(ply.alpha3, 0.0);
}

TEST(ElasticModels, IdenticalIsotropicConstituentsGiveBackTheResin) {
    const std::array<double, 3> resin = {3.24e9, 0.37, 6.6e-5};
    const std::array<double, 8> fibre = FibreLikeResin(resin);
    for (short code : {1, 2, 4, 5, 6}) {
        CUDPly ply(resin.data(), fibre.data(), 0.45);
        ASSERT_TRUE(RunElasticModel(ply, code));
        EXPECT_TRUE(RelativelyNear(ply.E1, resin[0], 1e-12)) << code;
        EXPECT_TRUE(RelativelyNear(ply.E2, resin[0], 1e-12)) << code;
        EXPECT_TRUE(RelativelyNear(ply.G12, ply.Gm, 1e-12)) << code;
        EXPECT_TRUE(RelativelyNear(ply.nu12, resin[1], 1e-12)) << code;
    }
}

TEST(ElasticModels, CCAWithFibreShearEqualToResinShearTakesTheResinValue) {
    const std::array<double, 3> resin = {3.24e9, 0.37, 6.6e-5};
    std::array<double, 8> fibre = kHerculesAS4;
    CUDPly probe(resin.data(), fibre.data(), 0.5);
    fibre[3] = probe.Gm;
    CUDPly ply(resin.data(), fibre.data(), 0.5);
    ply.MechCCA();
    EXPECT_EQ(ply.G23, ply.Gm);
}

TEST(ElasticModels, CCAWithSofterFibreShearTakesTheSecondBound) {
    std::array<double, 8> fibre = kHerculesAS4;
    fibre[3] = 1e9;  // below Gm = 1.33 GPa
    CUDPly ply(kHexcel8552.data(), fibre.data(), 0.6);
    ply.MechCCA();
    EXPECT_TRUE(RelativelyNear(ply.G23, 1117452601.0227828));
    EXPECT_TRUE(RelativelyNear(ply.E2, 22972766952.566395));
}

TEST(ElasticModels, PuckGivesNoTransverseShearValues) {
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.3);
    ply.G23 = 1.0;
    ply.nu23 = 1.0;
    ply.MechPuck();
    EXPECT_EQ(ply.G23, 0.0);
    EXPECT_EQ(ply.nu23, 0.0);
}

TEST(ElasticModels, UnknownCodesLeaveThePlyUnchanged) {
    CUDPly ply(kHexcel8552.data(), kHerculesAS4.data(), 0.6);
    EXPECT_FALSE(RunElasticModel(ply, 0));
    EXPECT_FALSE(RunElasticModel(ply, 7));
    EXPECT_FALSE(RunThermalModel(ply, 10));
    EXPECT_FALSE(RunThermalModel(ply, 18));
    EXPECT_EQ(ply.E1, 0.0);
    EXPECT_EQ(ply.alpha1, 0.0);
}

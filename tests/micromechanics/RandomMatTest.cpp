#include <gtest/gtest.h>

#include <cmath>

#include "PlyFixtures.h"
#include "Tolerance.h"
#include "weftcore.h"

TEST(RandomMat, MatchesHandDerivedValuesForACataloguePair) {
    // Hexcel 8552 / Hercules AS4, Vf = 0.6, CCA and Shapery.
    const double expected[9] = {50954199978.095947,  10780499944.85796,  19397973902.552925,
                                3512696905.3545341,  0.3133897445699208, 0.072090190292263823,
                                0.34073540108527872, 3.594233230033308,  64.700790296079404};
    double out[9];
    RNDProperties(0.6, kHexcel8552.data(), kHerculesAS4.data(), 2, 14, out);
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(RelativelyNear(out[i], expected[i], 1e-12)) << i;
    }
}

TEST(RandomMat, ReciprocalPoissonRelationHolds) {
    double out[9];
    for (short mech = 1; mech <= 6; ++mech) {
        RNDProperties(0.4, kHexcel8552.data(), kHerculesAS4.data(), mech, 11, out);
        EXPECT_TRUE(RelativelyNear(out[6] * out[1], out[0] * out[5], 1e-12)) << mech;
    }
}

TEST(RandomMat, IsotropicConstituentsGiveAnIsotropicMat) {
    const std::array<double, 3> resin = {72.4e9, 0.2, 5e-6};
    const std::array<double, 8> fibre = FibreLikeResin(resin);
    double out[9];
    RNDProperties(0.5, resin.data(), fibre.data(), 1, 11, out);
    const double G = resin[0] / 2.4;
    EXPECT_TRUE(RelativelyNear(out[0], resin[0], 1e-12));
    EXPECT_TRUE(RelativelyNear(out[1], resin[0], 1e-12));
    EXPECT_TRUE(RelativelyNear(out[2], G, 1e-12));
    EXPECT_TRUE(RelativelyNear(out[3], G, 1e-12));
    for (int i : {4, 5, 6}) {
        EXPECT_TRUE(RelativelyNear(out[i], resin[1], 1e-12)) << i;
    }
    EXPECT_TRUE(RelativelyNear(out[7], 5.0, 1e-12));
    EXPECT_TRUE(RelativelyNear(out[8], 5.0, 1e-12));
}

TEST(RandomMat, PuckStillGivesFiniteResults) {
    double out[9];
    RNDProperties(0.6, kHexcel8552.data(), kHerculesAS4.data(), 3, 14, out);
    for (double value : out) {
        EXPECT_TRUE(std::isfinite(value));
    }
    double ud[9];
    UDMixel(0.6, kHexcel8552.data(), kHerculesAS4.data(), 3, 14, ud);
    EXPECT_TRUE(RelativelyNear(out[3], ud[2] * 0.5));
}

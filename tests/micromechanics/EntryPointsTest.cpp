#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "PlyFixtures.h"
#include "Tolerance.h"
#include "weftcore.h"

namespace {

constexpr double kSentinel = -12345.0;

struct Sentinel {
    double values[9];
    Sentinel() { std::fill(std::begin(values), std::end(values), kSentinel); }
    bool Untouched() const {
        return std::all_of(std::begin(values), std::end(values),
                           [](double v) { return v == kSentinel; });
    }
};

using EntryPoint = void (*)(double, const double*, const double*, short, short, double*);

}  // namespace

TEST(UDMixel, WritesTheNineResultsInTheirOrder) {
    double out[9];
    UDMixel(0.6, kHexcel8552.data(), kHerculesAS4.data(), 2, 14, out);
    EXPECT_TRUE(RelativelyNear(out[0], 134066710523.78581));
    EXPECT_TRUE(RelativelyNear(out[1], 8360835180.1953669));
    EXPECT_TRUE(RelativelyNear(out[2], 4268102947.4907184));
    EXPECT_TRUE(RelativelyNear(out[3], 2757290863.2183504));
    EXPECT_TRUE(RelativelyNear(out[4], 0.30650925082740105));
    EXPECT_TRUE(RelativelyNear(out[5], 0.5161322462796829));
    EXPECT_EQ(out[6], out[4] * out[1] / out[0]);
    EXPECT_TRUE(RelativelyNear(out[7], 0.31031807602792866, 1e-12));
    EXPECT_TRUE(RelativelyNear(out[8], 44.668884638998485, 1e-12));
}

TEST(UDMixel, PuckReportsZeroTransverseShearAndPoisson) {
    double out[9];
    UDMixel(0.5, kHexcel8552.data(), kHerculesAS4.data(), 3, 11, out);
    EXPECT_EQ(out[3], 0.0);
    EXPECT_EQ(out[5], 0.0);
}

TEST(UDMixel, CCAAndChamisThermalCodesAgree) {
    double cca[9], chamis[9];
    for (EntryPoint entry : {&UDMixel, &RNDProperties}) {
        entry(0.55, kHexcel8552.data(), kHerculesAS4.data(), 5, 12, cca);
        entry(0.55, kHexcel8552.data(), kHerculesAS4.data(), 5, 15, chamis);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(cca[i], chamis[i]) << i;
        }
    }
}

TEST(EntryPoints, UnknownModelCodesLeaveTheOutputUntouched) {
    for (EntryPoint entry : {&UDMixel, &RNDProperties}) {
        for (auto [mech, therm] :
             {std::pair<short, short>{7, 11}, {0, 14}, {-1, 14}, {2, 10}, {2, 18}, {6, 0}}) {
            Sentinel out;
            entry(0.6, kHexcel8552.data(), kHerculesAS4.data(), mech, therm, out.values);
            EXPECT_TRUE(out.Untouched()) << mech << "/" << therm;
        }
    }
}

// A missing array is refused as an unknown model is: nothing read, nothing written, no crash.
TEST(EntryPoints, NullArraysLeaveTheOutputUntouched) {
    for (EntryPoint entry : {&UDMixel, &RNDProperties}) {
        Sentinel out;
        entry(0.6, nullptr, kHerculesAS4.data(), 2, 12, out.values);
        entry(0.6, kHexcel8552.data(), nullptr, 2, 12, out.values);
        EXPECT_TRUE(out.Untouched());
        entry(0.6, kHexcel8552.data(), kHerculesAS4.data(), 2, 12, nullptr);
    }
}

// The library validates nothing: degenerate inputs may give any number, infinities or NaN, but
// every model must run to the end without trapping and write all nine results.
TEST(EntryPoints, DegenerateInputsRunEveryModelToTheEnd) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> fractions = {0.0, 1.0, -0.5, 1.5, nan, inf};
    const std::vector<double> specials = {0.0, -1.0, nan, inf, -inf};
    for (EntryPoint entry : {&UDMixel, &RNDProperties}) {
        for (short mech = 1; mech <= 6; ++mech) {
            for (short therm = 11; therm <= 17; ++therm) {
                for (double vf : fractions) {
                    Sentinel out;
                    entry(vf, kHexcel8552.data(), kHerculesAS4.data(), mech, therm, out.values);
                    EXPECT_FALSE(std::any_of(std::begin(out.values), std::end(out.values),
                                             [](double v) { return v == kSentinel; }));
                }
                for (double special : specials) {
                    for (size_t k = 0; k < 7; ++k) {
                        std::array<double, 3> resin = kHexcel8552;
                        std::array<double, 8> fibre = kHerculesAS4;
                        if (k < 3) {
                            resin[k] = special;
                        }
                        fibre[k] = special;
                        double out[9];
                        entry(0.6, resin.data(), fibre.data(), mech, therm, out);
                    }
                }
            }
        }
    }
}

#include <gtest/gtest.h>

#include <cmath>

#include "Tolerance.h"
#include "weave/GaussRule.h"

namespace {

// Integral of x^degree over [a, b] by the n-point rule.
double Integrate(int n, int degree, double a, double b) {
    double sum = 0.0;
    for (int k = 1; k <= n; ++k) {
        CGaussRule rule(n, k, a, b);
        sum += rule.Weight() * std::pow(rule.Point(), degree);
    }
    return sum * (b - a) * 0.5;
}

}  // namespace

TEST(GaussRule, IntegratesPolynomialsUpToDegreeTwoNMinusOneExactly) {
    const double a = 0.25;
    const double b = 1.75;
    for (int n = 1; n <= 11; ++n) {
        for (int degree = 0; degree <= 2 * n - 1; ++degree) {
            double exact = (std::pow(b, degree + 1) - std::pow(a, degree + 1)) / (degree + 1);
            EXPECT_TRUE(RelativelyNear(Integrate(n, degree, a, b), exact, 1e-14))
                << "n = " << n << ", degree " << degree;
        }
        // One degree more is no longer exact: the table really is the n-point rule.
        int degree = 2 * n;
        EXPECT_FALSE(RelativelyNear(Integrate(n, degree, -1.0, 1.0), 2.0 / (degree + 1), 1e-9))
            << "n = " << n;
    }
}

TEST(GaussRule, OrdersPointsAsMirroredPairsFromTheOutsideWithTheCentreLast) {
    for (int n = 1; n <= 11; ++n) {
        double previous = 2.0;
        for (int k = 1; k + 1 <= n; k += 2) {
            CGaussRule plus(n, k, -1.0, 1.0);
            CGaussRule minus(n, k + 1, -1.0, 1.0);
            EXPECT_GT(plus.Point(), 0.0);
            EXPECT_EQ(minus.Point(), -plus.Point());
            EXPECT_EQ(minus.Weight(), plus.Weight());
            EXPECT_LT(plus.Point(), previous);
            previous = plus.Point();
        }
        if (n % 2 == 1) {
            EXPECT_EQ(CGaussRule(n, n, -1.0, 1.0).Point(), 0.0);
        }
    }
    EXPECT_EQ(CGaussRule(3, 1, -1.0, 1.0).Point(), 0.7745966692414834);
    EXPECT_EQ(CGaussRule(3, 2, -1.0, 1.0).Point(), -0.7745966692414834);
    EXPECT_EQ(CGaussRule(3, 3, -1.0, 1.0).Weight(), 0.8888888888888888);
}

TEST(GaussRule, MapsOntoTheIntervalButKeepsTheReferenceWeight) {
    CGaussRule single(1, 1, 0.0, 3.0e-3);
    EXPECT_DOUBLE_EQ(single.Point(), 1.5e-3);
    EXPECT_EQ(single.Weight(), 2.0);
    CGaussRule outer(2, 1, 0.0, 2.0);
    EXPECT_DOUBLE_EQ(outer.Point(), 1.0 + 1.0 / std::sqrt(3.0));
    EXPECT_EQ(outer.Weight(), 1.0);
}

TEST(GaussRule, CountsOutsideTheTablesGiveNaNInsteadOfReadingPastThem) {
    EXPECT_TRUE(std::isnan(CGaussRule(0, 1, 0.0, 1.0).Point()));
    EXPECT_TRUE(std::isnan(CGaussRule(12, 1, 0.0, 1.0).Weight()));
    EXPECT_TRUE(std::isnan(CGaussRule(4, 5, 0.0, 1.0).Point()));
    EXPECT_TRUE(std::isnan(CGaussRule(4, 0, 0.0, 1.0).Weight()));
}

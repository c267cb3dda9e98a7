// The verification cases: how a check judges a value, and the suite the program ships, which
// must pass and whose every check must be able to fail.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "VerificationCase.h"
#include "VerificationSuite.h"

namespace {

VerificationCheck Check(double computed, double expected, CheckRelation relation,
                        double reference = 1.0, double tolerance = 1e-12) {
    return VerificationCheck{"model",  "E2",      "GPa",     1e-9,     computed,
                             expected, reference, tolerance, relation, {}};
}

TEST(VerificationCheck, EqualityAllowsTheToleranceTimesTheReferenceAndNoMore) {
    struct Row {
        double computed, expected, reference;
        bool passed;
    };
    const Row rows[] = {
        {10.0, 10.0, 10.0, true},
        {10.0 + 0.9e-11, 10.0, 10.0, true},
        {10.0 + 1.1e-11, 10.0, 10.0, false},
        {10.0 - 1.1e-11, 10.0, 10.0, false},
        // A zero expectation is judged against the scale of its kind.
        {0.9e-12 * 5.0, 0.0, 5.0, true},
        {1.1e-12 * 5.0, 0.0, 5.0, false},
    };
    for (const Row& row : rows) {
        const VerificationCheck check =
            Check(row.computed, row.expected, CheckRelation::Equal, row.reference);
        EXPECT_EQ(check.Passed(), row.passed) << row.computed << " against " << row.expected;
    }
}

TEST(VerificationCheck, BoundsHoldOnTheirSideAndWithinRoundingOfTheBound) {
    EXPECT_TRUE(Check(5.0, 3.0, CheckRelation::AtLeast).Passed());
    EXPECT_FALSE(Check(2.0, 3.0, CheckRelation::AtLeast).Passed());
    EXPECT_TRUE(Check(3.0 - 1e-13, 3.0, CheckRelation::AtLeast).Passed());
    EXPECT_TRUE(Check(2.0, 3.0, CheckRelation::AtMost).Passed());
    EXPECT_FALSE(Check(5.0, 3.0, CheckRelation::AtMost).Passed());
    EXPECT_TRUE(Check(3.0 + 1e-13, 3.0, CheckRelation::AtMost).Passed());
}

TEST(VerificationCheck, NonFiniteValuesFailEveryRelation) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (CheckRelation relation :
         {CheckRelation::Equal, CheckRelation::AtLeast, CheckRelation::AtMost}) {
        EXPECT_FALSE(Check(nan, 1.0, relation).Passed());
    }
    EXPECT_FALSE(Check(inf, 1.0, CheckRelation::Equal).Passed());
    EXPECT_FALSE(Check(inf, 1.0, CheckRelation::AtMost).Passed());
    EXPECT_FALSE(Check(-inf, 1.0, CheckRelation::AtLeast).Passed());
}

TEST(VerificationCase, OneFailingCheckFailsItsCaseAndTheSuite) {
    VerificationCase good{"good", "holds", {Check(1.0, 1.0, CheckRelation::Equal)}};
    VerificationCase bad{
        "bad",
        "does not",
        {Check(1.0, 1.0, CheckRelation::Equal), Check(2.0, 1.0, CheckRelation::Equal)}};
    EXPECT_TRUE(good.Passed());
    EXPECT_FALSE(bad.Passed());
    EXPECT_TRUE(AllPassed({good, good}));
    EXPECT_FALSE(AllPassed({good, bad}));
}

class VerificationSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cases_ = new std::vector<VerificationCase>(RunVerification()); }
    static void TearDownTestSuite() {
        delete cases_;
        cases_ = nullptr;
    }
    static const std::vector<VerificationCase>& Cases() { return *cases_; }

private:
    static std::vector<VerificationCase>* cases_;
};

std::vector<VerificationCase>* VerificationSuite::cases_ = nullptr;

TEST_F(VerificationSuite, EveryCheckOfTheModelsAsTheyStandPasses) {
    for (const VerificationCase& verification : Cases()) {
        for (const VerificationCheck& check : verification.checks) {
            EXPECT_TRUE(check.Passed())
                << verification.title << ": " << check.model << ", " << check.quantity
                << ": computed " << check.computed << ", expected " << check.expected
                << ", deviation " << check.Deviation();
        }
    }
}

// A check that cannot fail verifies nothing: each must judge a finite value against a finite
// expectation on a positive scale, with a tolerance far below the size of the quantity.
TEST_F(VerificationSuite, EveryCheckCanFail) {
    for (const VerificationCase& verification : Cases()) {
        EXPECT_FALSE(verification.checks.empty()) << verification.title;
        EXPECT_FALSE(verification.statement.empty()) << verification.title;
        for (const VerificationCheck& check : verification.checks) {
            SCOPED_TRACE(verification.title + ": " + check.model + ", " + check.quantity);
            EXPECT_TRUE(std::isfinite(check.computed));
            EXPECT_TRUE(std::isfinite(check.expected));
            EXPECT_GT(check.reference, 0.0);
            EXPECT_LE(check.tolerance, 1e-9);
            VerificationCheck wrong = check;
            const double step = 1e-6 * check.reference;
            wrong.computed = check.relation == CheckRelation::AtLeast  ? check.expected - step
                             : check.relation == CheckRelation::AtMost ? check.expected + step
                                                                       : check.expected + step;
            EXPECT_FALSE(wrong.Passed());
        }
    }
}

// Every elastic and thermal model of the lists meets the limits of the volume fraction.
TEST_F(VerificationSuite, TheLimitCasesCoverEveryModel) {
    for (const char* title : {"Matrix limit: Vf = 0", "Fibre limit: Vf = 1"}) {
        std::set<std::string> elastic, thermal;
        for (const VerificationCase& verification : Cases()) {
            for (const VerificationCheck& check : verification.checks) {
                if (verification.title == title && check.quantity == "E1") {
                    elastic.insert(check.model);
                } else if (verification.title == title && check.quantity == "α1") {
                    thermal.insert(check.model);
                }
            }
        }
        EXPECT_EQ(elastic.size(), 6u) << title;
        EXPECT_EQ(thermal.size(), 7u) << title;
    }
}

}  // namespace

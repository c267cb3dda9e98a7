// The validation against measured laminae: signed errors of the right kind, the closest model
// found (ties kept), measurements that are missing left out, and nothing fitted.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "PlyRuns.h"
#include "Validation.h"

namespace {

constexpr short kChamis = 4;
constexpr short kSchneider = 13;

// A lamina of catalogue constituents whose "measurements" are what one elastic and one thermal
// model predict, nudged by the given relative and absolute amounts.
PublishedLamina MeasuredAs(short elastic, short thermal, double relative, double absolute) {
    const Constituents pair = CarbonEpoxy();
    PublishedLamina lamina;
    lamina.name = "test";
    lamina.vf = 0.55;
    lamina.resin = pair.resin;
    lamina.fibre = pair.fibre;
    const PlyValues ply = RunUDMixel(pair, lamina.vf, elastic, kThermalAfterElastic);
    const PlyValues hot = RunUDMixel(pair, lamina.vf, kElasticBeforeThermal, thermal);
    lamina.measured = {ply.E1 * (1 + relative),   ply.E2 * (1 + relative), ply.G12 * (1 + relative),
                       ply.nu12 * (1 + relative), hot.alpha1 + absolute,   hot.alpha2 + absolute};
    return lamina;
}

const Prediction& Find(const LaminaValidation& lamina, const std::string& model,
                       LaminaProperty property) {
    const auto found = std::find_if(
        lamina.predictions.begin(), lamina.predictions.end(),
        [&](const Prediction& p) { return p.model == model && p.property == property; });
    EXPECT_NE(found, lamina.predictions.end()) << model;
    return *found;
}

TEST(Validation, ErrorsAreRelativeForModuliAndAbsoluteForExpansion) {
    const ValidationResult result =
        Validate(PublishedLaminae{"source", "", {MeasuredAs(kChamis, kSchneider, 0.1, 2e-6)}});
    const LaminaValidation& lamina = result.laminae.at(0);
    // The measurement is 10 % above Chamis: its prediction is 1/1.1 − 1 below.
    EXPECT_NEAR(*Find(lamina, "Chamis", LaminaProperty::E2).error, 1.0 / 1.1 - 1.0, 1e-12);
    EXPECT_NEAR(*Find(lamina, "Chamis", LaminaProperty::Nu12).error, 1.0 / 1.1 - 1.0, 1e-12);
    EXPECT_NEAR(*Find(lamina, "Schneider", LaminaProperty::Alpha2).error, -2e-6, 1e-18);
    EXPECT_NEAR(*Find(lamina, "Schneider", LaminaProperty::Alpha1).error, -2e-6, 1e-18);
    // Six elastic models predict four properties, seven thermal models two.
    EXPECT_EQ(lamina.predictions.size(), 6u * 4u + 7u * 2u);
}

TEST(Validation, TheModelThatMatchesTheMeasurementIsClosestWithItsTwins) {
    const ValidationResult result =
        Validate(PublishedLaminae{"source", "", {MeasuredAs(kChamis, kSchneider, 0.0, 0.0)}});
    const LaminaValidation& lamina = result.laminae.at(0);
    auto closest = [&](LaminaProperty property) {
        for (const Closest& c : lamina.closest) {
            if (c.property == property) {
                return c;
            }
        }
        ADD_FAILURE() << PropertySymbol(property);
        return Closest{property, {}, 0.0};
    };
    EXPECT_EQ(closest(LaminaProperty::E2).models, std::vector<std::string>{"Chamis"});
    EXPECT_EQ(closest(LaminaProperty::E2).error, 0.0);
    EXPECT_EQ(closest(LaminaProperty::Alpha2).models, std::vector<std::string>{"Schneider"});
    // Five models share the rule-of-mixtures E1, all seven thermal models the same α1.
    EXPECT_EQ(closest(LaminaProperty::E1).models.size(), 5u);
    EXPECT_EQ(closest(LaminaProperty::Alpha1).models.size(), 7u);
}

TEST(Validation, MissingMeasurementsAreLeftOutOfErrorsAndSummaries) {
    PublishedLamina full = MeasuredAs(kChamis, kSchneider, 0.2, 1e-6);
    PublishedLamina partial = MeasuredAs(kChamis, kSchneider, 0.0, 0.0);
    partial.measured.G12.reset();
    partial.measured.alpha2.reset();
    const ValidationResult result = Validate(PublishedLaminae{"source", "", {full, partial}});
    for (const Prediction& p : result.laminae[1].predictions) {
        const bool missing =
            p.property == LaminaProperty::G12 || p.property == LaminaProperty::Alpha2;
        EXPECT_EQ(p.error.has_value(), !missing);
    }
    EXPECT_EQ(result.laminae[1].closest.size(), 4u);
    // G12 was measured once: its mean error is that lamina's.
    for (const PropertySummary& summary : result.summary) {
        if (summary.property == LaminaProperty::G12) {
            for (const auto& [model, mean] : summary.meanAbsoluteErrors) {
                EXPECT_DOUBLE_EQ(
                    mean, std::fabs(*Find(result.laminae[0], model, LaminaProperty::G12).error));
            }
        }
        if (summary.property == LaminaProperty::E2) {
            const double chamis = summary.meanAbsoluteErrors.at(kChamis - 1).second;
            EXPECT_NEAR(chamis, (std::fabs(1.0 / 1.2 - 1.0) + 0.0) / 2.0, 1e-12);
        }
    }
}

TEST(Validation, PredictionsDoNotDependOnTheMeasurements) {
    const ValidationResult low =
        Validate(PublishedLaminae{"source", "", {MeasuredAs(kChamis, kSchneider, -0.3, -5e-6)}});
    const ValidationResult high =
        Validate(PublishedLaminae{"source", "", {MeasuredAs(kChamis, kSchneider, 0.3, 5e-6)}});
    ASSERT_EQ(low.laminae[0].predictions.size(), high.laminae[0].predictions.size());
    for (std::size_t i = 0; i < low.laminae[0].predictions.size(); ++i) {
        EXPECT_EQ(low.laminae[0].predictions[i].predicted,
                  high.laminae[0].predictions[i].predicted);
    }
}

}  // namespace

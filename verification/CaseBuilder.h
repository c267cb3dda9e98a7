#pragma once

#include <string>
#include <utility>

#include "VerificationCase.h"

// Collects the checks of one case, each quantity with its display unit: moduli in GPa, expansion
// coefficients in 10⁻⁶/K, ratios bare. An expected value of zero is measured against the case's
// scale of its kind (a modulus of the constituents, the resin's expansion), so that rounding
// noise reads as a small deviation rather than an infinite one.
class CCaseBuilder {
public:
    // Closed forms evaluated in double precision agree to a few units in the last place; the
    // tolerance leaves room for the cancellations of the stiffer models.
    static constexpr double kClosedFormTolerance = 1e-12;

    CCaseBuilder(std::string title, std::string statement, double modulusScale,
                 double expansionScale)
        : modulusScale_(modulusScale), expansionScale_(expansionScale) {
        case_.title = std::move(title);
        case_.statement = std::move(statement);
    }

    void Modulus(const std::string& model, const std::string& quantity, double computed,
                 double expected, std::string note = {},
                 CheckRelation relation = CheckRelation::Equal) {
        Add({model, quantity, "GPa", 1e-9, computed, expected, Reference(expected, modulusScale_),
             kClosedFormTolerance, relation, std::move(note)});
    }

    void Ratio(const std::string& model, const std::string& quantity, double computed,
               double expected, std::string note = {}) {
        Add({model, quantity, "", 1.0, computed, expected, Reference(expected, 1.0),
             kClosedFormTolerance, CheckRelation::Equal, std::move(note)});
    }

    void Expansion(const std::string& model, const std::string& quantity, double computed,
                   double expected, std::string note = {}) {
        Add({model, quantity, "10⁻⁶/K", 1e6, computed, expected,
             Reference(expected, expansionScale_), kClosedFormTolerance, CheckRelation::Equal,
             std::move(note)});
    }

    void Add(VerificationCheck check) { case_.checks.push_back(std::move(check)); }

    VerificationCase Build() { return std::move(case_); }

private:
    static double Reference(double expected, double scale) {
        return expected != 0.0 ? (expected < 0.0 ? -expected : expected) : scale;
    }

    VerificationCase case_;
    double modulusScale_;
    double expansionScale_;
};

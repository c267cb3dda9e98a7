#pragma once

#include <string>
#include <vector>

// A quantity the program computed, set against what mechanics says it must be.
//
// Values are in SI (Pa, 1/K, m and their products); `unit` and `displayScale` say how a report
// shows them (GPa: 1e-9). The deviation is |computed − expected| over `reference`, which is the
// magnitude of the expected value unless the expected value is zero or a natural scale is
// clearer (a coupling term against the extensional stiffness times the thickness). A bound is
// met when the computed value lies on its side of the expected one, allowing `tolerance` times
// the reference for rounding.
enum class CheckRelation { Equal, AtLeast, AtMost };

struct VerificationCheck {
    std::string model;     // the model or configuration that computed the value
    std::string quantity;  // symbol as the reference writes it: "E2", "α1", "A11"
    std::string unit;      // display unit, "" for a ratio
    double displayScale;   // display value = SI value × displayScale
    double computed;
    double expected;
    double reference;
    double tolerance;
    CheckRelation relation = CheckRelation::Equal;
    // Where the model departs from the general limit by its definition: what the general limit
    // would be and why this model gives another value ("Em/(1 − νm²): the matrix between the
    // fibres is held along them").
    std::string note;

    double Deviation() const;
    bool Passed() const;
};

// One verification case: a statement of mechanics (a limit, a closed form, a bound) and the
// checks that put the program's models against it. The derivations are in docs/models.md.
struct VerificationCase {
    std::string title;
    std::string statement;
    std::vector<VerificationCheck> checks;

    bool Passed() const;
};

// Every check of every case passed.
bool AllPassed(const std::vector<VerificationCase>& cases);

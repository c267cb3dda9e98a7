#include "VerificationCase.h"

#include <algorithm>
#include <cmath>

double VerificationCheck::Deviation() const {
    return std::fabs(computed - expected) / reference;
}

// Written so that a non-finite computed value fails every relation.
bool VerificationCheck::Passed() const {
    const double slack = tolerance * reference;
    switch (relation) {
        case CheckRelation::Equal:
            return std::fabs(computed - expected) <= slack;
        case CheckRelation::AtLeast:
            return computed >= expected - slack;
        case CheckRelation::AtMost:
            return computed <= expected + slack;
    }
    return false;
}

bool VerificationCase::Passed() const {
    return std::all_of(checks.begin(), checks.end(),
                       [](const VerificationCheck& check) { return check.Passed(); });
}

bool AllPassed(const std::vector<VerificationCase>& cases) {
    return std::all_of(cases.begin(), cases.end(),
                       [](const VerificationCase& c) { return c.Passed(); });
}

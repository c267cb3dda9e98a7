#pragma once

#include <gtest/gtest.h>

#include <cmath>

// Relative closeness for results compared with independently derived values: the same formulas
// evaluated in another grouping agree to a few units in the last place.
inline ::testing::AssertionResult RelativelyNear(double actual, double expected,
                                                 double tolerance = 1e-13) {
    double scale = std::max(std::fabs(expected), 1e-300);
    if (std::fabs(actual - expected) <= tolerance * scale) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual << " differs from " << expected
                                         << " by more than " << tolerance << " relative";
}

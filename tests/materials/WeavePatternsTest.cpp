#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "WeavePatterns.h"

namespace {

std::vector<short> FirstCells(const CWeave& weave, int count) {
    return std::vector<short>(weave.Pattern(), weave.Pattern() + count);
}

// Kind of one cell straight from the definition of the crossing kinds, written independently of
// the generator: which of the two yarns through the cell changes side at the cell's outer edge.
short ExpectedCode(const WeaveDefinition& definition, int row, int col) {
    const auto& s = definition.interlacing;
    const int m = static_cast<int>(s.size());
    const int I = row / 2, J = col / 2;
    const char here = s[I][J];
    const int horizontal = (col % 2 == 0) ? (J + m - 1) % m : (J + 1) % m;
    const int vertical = (row % 2 == 0) ? (I + m - 1) % m : (I + 1) % m;
    const bool lowerBends = s[I][horizontal] != here;  // yarn along the row
    const bool upperBends = s[vertical][J] != here;    // yarn along the column
    short kind = lowerBends ? (upperBends ? 1 : 3) : (upperBends ? 4 : 2);
    if (definition.deviation == WeaveDeviation::AllKind4) {
        kind = 4;
    } else if (definition.deviation == WeaveDeviation::SwapKinds3And4OnPlus && here == '+') {
        kind = kind == 3 ? 4 : kind == 4 ? 3 : kind;
    }
    return here == '+' ? kind : static_cast<short>(-kind);
}

}  // namespace

TEST(BuiltinWeaves, ReproduceTheDocumentedRows) {
    CCatalogue catalogue;
    EXPECT_EQ(FirstCells(*catalogue.FindWeave("Plain"), 16),
              (std::vector<short>{-1, -1, 1, 1, -1, -1, 1, 1, 1, 1, -1, -1, 1, 1, -1, -1}));
    EXPECT_EQ(FirstCells(*catalogue.FindWeave("Twill 2x1"), 12),
              (std::vector<short>{-1, -4, -2, -3, 1, 1, -3, -2, -4, -1, 1, 1}));
    EXPECT_EQ(FirstCells(*catalogue.FindWeave("Basket 2x2"), 16),
              (std::vector<short>{1, 3, 3, 1, -1, -4, -4, -1, 4, 2, 2, 4, -3, -2, -2, -3}));
    EXPECT_EQ(FirstCells(*catalogue.FindWeave("Simple UD"), 4), (std::vector<short>{2, 2, 2, 2}));
}

TEST(BuiltinWeaves, EveryCellFollowsTheInterlacingRule) {
    CCatalogue catalogue;
    const auto& definitions = BuiltinWeaveDefinitions();
    ASSERT_EQ(catalogue.Weaves().size(), 14u);
    for (size_t w = 0; w < definitions.size(); ++w) {
        const CNamedWeave& weave = *catalogue.Weaves()[w];
        const int n = 2 * static_cast<int>(definitions[w].interlacing.size());
        ASSERT_EQ(weave.Name(), definitions[w].name);
        ASSERT_EQ(weave.Cols(), n);
        ASSERT_EQ(weave.Rows(), n);
        for (int row = 0; row < n; ++row) {
            for (int col = 0; col < n; ++col) {
                ASSERT_EQ(weave.Cell(row, col), ExpectedCode(definitions[w], row, col))
                    << weave.Name() << " row " << row << " col " << col;
            }
        }
    }
}

TEST(BuiltinWeaves, LenoHasOnlyKindFour) {
    CCatalogue catalogue;
    const CNamedWeave& leno = *catalogue.FindWeave("Leno");
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(std::abs(leno.Pattern()[k]), 4);
    }
}

TEST(BuiltinWeaves, SizesAndMaxReductionsAreThoseOfTheCatalogue) {
    const std::map<std::string, std::pair<int, int>> expected = {
        {"Simple UD", {2, 1}},   {"Plain", {4, 2}},       {"Leno", {4, 2}},
        {"Mock Leno", {12, 2}},  {"Twill 2x1", {6, 1}},   {"Twill 3x1", {8, 3}},
        {"Twill 2x2", {8, 3}},   {"Twill 4x4", {16, 4}},  {"Satin  5H", {10, 1}},
        {"Satin  8H", {16, 4}},  {"Satin 12H", {24, 3}},  {"Basket 2x2", {8, 3}},
        {"Basket 4x4", {16, 4}}, {"Basket 8x8", {32, 5}},
    };
    CCatalogue catalogue;
    for (const auto& [name, sizeAndReduction] : expected) {
        const CNamedWeave* weave = catalogue.FindWeave(name);
        ASSERT_NE(weave, nullptr) << name;
        EXPECT_EQ(weave->Cols(), sizeAndReduction.first) << name;
        EXPECT_EQ(weave->MaxReduction(), sizeAndReduction.second) << name;
    }
}

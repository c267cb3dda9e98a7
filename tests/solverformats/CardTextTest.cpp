#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "CardText.h"
#include "Tolerance.h"

TEST(CardText, RealsAreScientificWithAPointWhateverTheLocale) {
    // A locale with a decimal comma, where one is installed, must not reach the cards.
    const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(CardReal(44726198122.47, 13), "4.472619812247E+10");
    EXPECT_EQ(CardReal(-2.5e-5, 2), "-2.5E-05");
    // CalculiX reads at most 20 characters of a number.
    EXPECT_EQ(CardReal(-1.2345678901234e-100, kKeywordDigits), "-1.234567890123E-100");
    EXPECT_TRUE(RelativelyNear(std::stod(CardReal(0.2681041363551, kKeywordDigits)),
                               0.2681041363551, 5e-14));
    if (comma) {
        std::setlocale(LC_ALL, "C");
    }
}

TEST(CardText, LabelsKeepLettersDigitsAndUnderscores) {
    const struct {
        const char* text;
        const char* label;
    } cases[] = {
        {"E-Glass / ACG LTM 10", "E_Glass_ACG_LTM_10"},
        {"Satin  5H", "Satin_5H"},
        {"60 % mat", "M_60_mat"},
        {"ChamberLain(Hexag)", "ChamberLain_Hexag"},
        {"", "M"},
        {"Fibre ß", "Fibre"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SolverLabel(c.text), c.label) << c.text;
        EXPECT_TRUE(IsSolverLabel(SolverLabel(c.text))) << c.text;
    }
    EXPECT_FALSE(IsSolverLabel("my mat"));
    EXPECT_FALSE(IsSolverLabel("1ply"));
    EXPECT_FALSE(IsSolverLabel(std::string(kMaxLabelLength + 1, 'a')));
    // A long base is cut so that the row's suffix survives.
    const std::string joined = SolverLabel(std::string(100, 'b'), "VF60_CCA");
    EXPECT_EQ(joined.size(), kMaxLabelLength);
    EXPECT_EQ(joined.substr(joined.size() - 9), "_VF60_CCA");
}

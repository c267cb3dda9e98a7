#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "NumberFormat.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Printf(const char* format, double value, int a, int b = -1) {
    char buffer[512];
    if (b < 0) {
        std::snprintf(buffer, sizeof buffer, format, a, value);
    } else {
        std::snprintf(buffer, sizeof buffer, format, a, b, value);
    }
    return buffer;
}

// Values that exercise rounding, carries into a new digit, tiny and huge magnitudes and signs.
const std::vector<double> kSamples = {
    0.0,          -0.0, 1.0, 72.4,    0.0012,   1e-20, -5e-7,   9.99995,  99999.95,
    12345.678901, 0.5,  2.5, 1.25e-5, -123.456, 1e15,  1.5e300, 4.9e-324, 123456789.123456789};

}  // namespace

TEST(NumberFormat, GeneralAndFixedAgreeWithTheCLibrary) {
    for (double value : kSamples) {
        for (int digits : {kResultDigits, kFieldDigits}) {
            EXPECT_EQ(FormatGeneral(value, digits), Printf("%.*g", value, digits)) << value;
        }
        EXPECT_EQ(FormatFixed(value, 10, 4), Printf("%*.*f", value, 10, 4)) << value;
        EXPECT_EQ(FormatFixed(value, 0, 6), Printf("%*.*f", value, 0, 6)) << value;
    }
}

TEST(NumberFormat, ExponentFormHasThreeDigitsAndOtherwiseAgreesWithTheCLibrary) {
    EXPECT_EQ(FormatExponent(12.0, 10, 4), "1.2000e+001");
    EXPECT_EQ(FormatExponent(0.0, 10, 4), "0.0000e+000");
    EXPECT_EQ(FormatExponent(-5e-7, 10, 4), "-5.0000e-007");
    EXPECT_EQ(FormatExponent(1.5e300, 10, 4), "1.5000e+300");
    EXPECT_EQ(FormatExponent(9.99996, 10, 4), "1.0000e+001");
    EXPECT_EQ(FormatExponent(3.0, 14, 2), "     3.00e+000");
    for (double value : kSamples) {
        std::string c = Printf("%.*e", value, 4);
        std::string ours = FormatExponent(value, 0, 4);
        // Only the exponent is widened: removing one leading zero of a three-digit exponent
        // below 100 gives the C library's text back.
        if (std::fabs(value) < 1e100 && std::fabs(value) >= 1e-99) {
            ASSERT_EQ(ours.size(), c.size() + 1) << value;
            EXPECT_EQ(ours.substr(0, ours.size() - 3) + ours.substr(ours.size() - 2), c);
        } else if (value != 0.0) {
            EXPECT_EQ(ours, c) << value;
        }
    }
}

TEST(NumberFormat, NonFiniteValuesReadAsTheCLibraryWritesThem) {
    EXPECT_EQ(FormatGeneral(kInf, 6), "inf");
    EXPECT_EQ(FormatGeneral(-kInf, 15), "-inf");
    EXPECT_EQ(FormatGeneral(kNaN, 6), Printf("%.*g", kNaN, 6));
    EXPECT_EQ(FormatGeneral(-kNaN, 6), Printf("%.*g", -kNaN, 6));
    EXPECT_EQ(FormatFixed(kInf, 10, 4), "       inf");
    EXPECT_EQ(FormatExponent(-kInf, 10, 4), "      -inf");
}

TEST(NumberFormat, SinglePrecisionValuesPrintTheirWidenedValue) {
    // 12345.678901 shown with six digits is 12345.7; read back in single precision that is
    // 12345.7001953125.
    float shown = 0.0f;
    double parsed = 0.0;
    ASSERT_TRUE(ParseNumber(FormatGeneral(12345.678901f, kResultDigits), parsed));
    EXPECT_EQ(FormatGeneral(12345.678901f, kResultDigits), "12345.7");
    shown = static_cast<float>(parsed);
    EXPECT_EQ(FormatFixed(shown, 10, 4), "12345.7002");
}

TEST(NumberFormat, ParsesWholeNumbersWithBlanksAroundThem) {
    struct Row {
        const char* text;
        double value;
    };
    const Row accepted[] = {
        {"0", 0.0},      {"  72.4 ", 72.4}, {"+3", 3.0},    {"-1e-3", -1e-3}, {".5", 0.5},
        {"5.", 5.0},     {"\t1E2\n", 100},  {"inf", kInf},  {"-INF", -kInf},  {"Infinity", kInf},
        {"1e999", kInf}, {"-1e999", -kInf}, {"1e-999", 0.0}};
    for (const Row& row : accepted) {
        double value = -42.0;
        EXPECT_TRUE(ParseNumber(row.text, value)) << row.text;
        EXPECT_EQ(value, row.value) << row.text;
    }
    double nan = 0.0;
    EXPECT_TRUE(ParseNumber("nan", nan));
    EXPECT_TRUE(std::isnan(nan));
    EXPECT_TRUE(ParseNumber(" -nan ", nan));
    EXPECT_TRUE(std::isnan(nan));

    for (const char* text :
         {"", "   ", "abc", "1,5", "1.5x", "--1", "+-1", "++1", "+", "1 2", "e5", "-"}) {
        double value = 7.0;
        EXPECT_FALSE(ParseNumber(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 7.0) << text;
    }
}

TEST(NumberFormat, FieldTextsReadBackToTheSameDouble) {
    for (double value : kSamples) {
        double parsed = 0.0;
        ASSERT_TRUE(ParseNumber(FormatGeneral(value, 17), parsed)) << value;
        EXPECT_EQ(parsed, value);
    }
}

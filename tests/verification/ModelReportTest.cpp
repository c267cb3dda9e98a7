// The verification and validation report: tables that line up as text and parse as Markdown,
// numbers that read the same on every machine, failures that show, JSON for programs.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "ModelReport.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Cells of a Markdown table row, escaped bars left inside their cell.
std::size_t CellCount(const std::string& row) {
    std::size_t bars = 0;
    for (std::size_t i = 0; i < row.size(); ++i) {
        bars += row[i] == '|' && (i == 0 || row[i - 1] != '\\') ? 1 : 0;
    }
    return bars - 1;
}

VerificationCase SampleCase(double computed) {
    return VerificationCase{
        "Sample",
        "E2 must be what it is.",
        {VerificationCheck{"Chamis", "E2", "GPa", 1e-9, computed, 12.25e9, 12.25e9, 1e-12,
                           CheckRelation::Equal, "Chamis | root over the product"},
         VerificationCheck{
             "Chamis", "α2", "10⁻⁶/K", 1e6, 3e-25, 0.0, 65e-6, 1e-12, CheckRelation::Equal, {}},
         VerificationCheck{"CCA",
                           "G23",
                           "GPa",
                           1e-9,
                           2.75e9,
                           2.37e9,
                           2.37e9,
                           1e-12,
                           CheckRelation::AtLeast,
                           {}}}};
}

TEST(ModelReport, NumbersShowAlikeOnEveryMachine) {
    // Rounding-level deviations, which differ between processors even in their power of ten,
    // all read alike.
    EXPECT_EQ(ShownDeviation(0.0), "< 1e-12");
    EXPECT_EQ(ShownDeviation(4e-16), "< 1e-12");
    EXPECT_EQ(ShownDeviation(3e-14), "< 1e-12");
    EXPECT_EQ(ShownDeviation(3e-13), "< 1e-12");
    EXPECT_EQ(ShownDeviation(3e-12), "< 1e-11");
    EXPECT_EQ(ShownDeviation(1e-10), "< 1e-09");
    EXPECT_EQ(ShownDeviation(0.0025), "0.0025");
    EXPECT_EQ(ShownValue(12.254439594), "12.2544");
    EXPECT_EQ(ShownValue(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(ShownError(LaminaProperty::E2, 0.1143), "+11.4 %");
    EXPECT_EQ(ShownError(LaminaProperty::Alpha2, -0.83e-6), "-0.83");
}

TEST(ModelReport, MarkdownTablesKeepTheirColumnsAndRoundingNoiseReadsAsZero) {
    CReportDocument report;
    AddVerificationSection(report, {SampleCase(12.25e9)});
    const std::string markdown = report.RenderMarkdown();
    const std::vector<std::string> lines = Lines(markdown);
    std::size_t header = 0;
    while (header < lines.size() && lines[header].rfind("| Model", 0) != 0) {
        ++header;
    }
    ASSERT_LT(header + 4, lines.size()) << markdown;
    const std::size_t columns = CellCount(lines[header]);
    EXPECT_EQ(lines[header + 1].rfind("|---|---|---|---:|", 0), 0u);
    for (std::size_t row = header + 1; row <= header + 4; ++row) {
        EXPECT_EQ(CellCount(lines[row]), columns) << lines[row];
    }
    EXPECT_NE(lines[header + 3].find("| 0 | 0 |"), std::string::npos) << lines[header + 3];
    EXPECT_NE(markdown.find("\n(1) Chamis | root over the product\n"), std::string::npos);
    EXPECT_NE(lines[header + 4].find("≥ 2.37"), std::string::npos);
    EXPECT_NE(lines[header + 4].find("margin 0.16"), std::string::npos);
}

TEST(ModelReport, TextTablesLineUpWithWideCharacters) {
    CReportDocument report;
    report.Table(
        ReportTable{{"Model", "Value"}, {false, true}, {{"α2", "1"}, {"Chamis", "12.25"}}});
    const std::vector<std::string> lines = Lines(report.RenderText());
    ASSERT_EQ(lines.size(), 4u);
    for (const std::string& line : lines) {
        EXPECT_EQ(DisplayWidth(line), DisplayWidth(lines[1])) << line;
    }
    EXPECT_EQ(lines[2], "α2          1");
}

TEST(ModelReport, AFailingCheckShowsInItsRowAndInTheSummary) {
    ValidationResult noLaminae;
    const std::string text = ModelReport({SampleCase(12.0e9)}, noLaminae).RenderText();
    EXPECT_NE(text.find("3 checks in 1 cases, 1 outside tolerance (FAIL)."), std::string::npos)
        << text;
    EXPECT_NE(text.find("FAIL"), text.rfind("FAIL"));
    const std::string passing = ModelReport({SampleCase(12.25e9)}, noLaminae).RenderText();
    EXPECT_NE(passing.find("all within tolerance."), std::string::npos);
    EXPECT_EQ(passing.find("FAIL"), std::string::npos);
}

TEST(ModelReport, JsonKeepsFullPrecisionAndNullForWhatIsNotANumber) {
    VerificationCase broken = SampleCase(std::numeric_limits<double>::quiet_NaN());
    const nlohmann::ordered_json json = ModelReportJson({broken}, ValidationResult{});
    const auto& check = json["verification"]["cases"][0]["checks"][0];
    EXPECT_FALSE(json["verification"]["passed"].get<bool>());
    EXPECT_TRUE(
        nlohmann::json::parse(json.dump())["verification"]["cases"][0]["checks"][0]["computed"]
            .is_null());
    EXPECT_EQ(check["expected"].get<double>(), 12.25e9);
    EXPECT_EQ(check["relation"], "equal");
    EXPECT_EQ(json["verification"]["cases"][0]["checks"][2]["relation"], "at least");
}

}  // namespace

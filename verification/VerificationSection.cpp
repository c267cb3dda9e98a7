// The verification part of the report: one table per case, notes on departures below it.
#include <cmath>

#include "ModelReport.h"

namespace {

// Rounding noise of a value expected to be zero (a coupling term, a moment) is shown as 0.
constexpr double kNoiseLevel = 1e-13;

std::string Shown(const VerificationCheck& check, double value) {
    if (std::fabs(value) < kNoiseLevel * check.reference) {
        return "0";
    }
    return ShownValue(value * check.displayScale);
}

std::string ExpectedText(const VerificationCheck& check) {
    const std::string value = Shown(check, check.expected);
    switch (check.relation) {
        case CheckRelation::AtLeast:
            return "≥ " + value;
        case CheckRelation::AtMost:
            return "≤ " + value;
        case CheckRelation::Equal:
            break;
    }
    return value;
}

// For a bound, how far inside it the value lies, relative to the reference; for an equality,
// the deviation.
std::string DeviationText(const VerificationCheck& check) {
    switch (check.relation) {
        case CheckRelation::AtLeast:
        case CheckRelation::AtMost: {
            const double margin =
                (check.relation == CheckRelation::AtLeast ? check.computed - check.expected
                                                          : check.expected - check.computed) /
                check.reference;
            // A value on the bound itself lies within rounding of it, on either side.
            if (!check.Passed()) {
                return "outside by " + ShownDeviation(-margin);
            }
            return "margin " + ShownDeviation(margin > 0.0 ? margin : 0.0);
        }
        case CheckRelation::Equal:
            break;
    }
    return ShownDeviation(check.Deviation());
}

void AddCase(CReportDocument& report, int number, const VerificationCase& verification) {
    report.Heading(3, std::to_string(number) + ". " + verification.title);
    report.Paragraph(verification.statement);
    ReportTable table{{"Model", "Quantity", "Unit", "Computed", "Expected", "Deviation",
                       "Tolerance", "Result", "Note"},
                      {false, false, false, true, true, true, true, false, false},
                      {}};
    std::vector<std::string> notes;
    for (const VerificationCheck& check : verification.checks) {
        std::string noteMark;
        if (!check.note.empty()) {
            std::size_t index = 0;
            while (index < notes.size() && notes[index] != check.note) {
                ++index;
            }
            if (index == notes.size()) {
                notes.push_back(check.note);
            }
            noteMark = "(" + std::to_string(index + 1) + ")";
        }
        table.rows.push_back({check.model, check.quantity, check.unit, Shown(check, check.computed),
                              ExpectedText(check), DeviationText(check),
                              ShownValue(check.tolerance, 1), check.Passed() ? "pass" : "FAIL",
                              noteMark});
    }
    report.Table(std::move(table));
    for (std::size_t i = 0; i < notes.size(); ++i) {
        report.Paragraph("(" + std::to_string(i + 1) + ") " + notes[i]);
    }
}

}  // namespace

void AddVerificationSection(CReportDocument& report, const std::vector<VerificationCase>& cases) {
    report.Heading(2, "Verification");
    report.Paragraph(
        "Each case states what mechanics requires (a limit, a closed form, a bound) and puts "
        "the program's models against it; docs/models.md derives every expected value. Where "
        "a model departs from the general result by its own definition, the expected value is "
        "the model's and a note says why. Deviation is |computed − expected| over the expected "
        "value's magnitude, or over the scale of its kind where zero is expected (a coupling "
        "term against A11·h); for a bound, the margin by which the value lies inside it.");
    int number = 0;
    for (const VerificationCase& verification : cases) {
        AddCase(report, ++number, verification);
    }
}

#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "ReportDocument.h"
#include "Validation.h"
#include "VerificationCase.h"

// The verification and validation report, as corvel-cli validate prints it and docs/validation.md
// holds it. Numbers are shown so that the report reads the same on every machine: values to six
// significant digits (rounding noise far below a quantity's scale as 0), deviations at rounding
// level as the power of ten they stay under ("< 1e-15").

// Verification cases, then validation against the published laminae, with a summary first.
CReportDocument ModelReport(const std::vector<VerificationCase>& cases,
                            const ValidationResult& validation);

// The same for programs: full precision, SI units (Pa, 1/K), errors as in ValidationResult.
nlohmann::ordered_json ModelReportJson(const std::vector<VerificationCase>& cases,
                                       const ValidationResult& validation);

// Parts of the report, also used on their own by the tests.
void AddVerificationSection(CReportDocument& report, const std::vector<VerificationCase>& cases);
void AddValidationSection(CReportDocument& report, const ValidationResult& validation);

// For each property measured, the closest model or models on average over the laminae and
// their mean absolute error, as the report's summary states them.
ReportTable ClosestModelTable(const ValidationResult& validation);

// How a report shows numbers.
std::string ShownValue(double value, int digits = 6);
std::string ShownDeviation(double deviation);
// An error as the validation shows it: relative in percent ("+11.4 %"), of an expansion
// coefficient in 10⁻⁶/K ("-0.83"); a mean absolute error without sign or unit, which its column
// gives.
std::string ShownError(LaminaProperty property, double error);
std::string ShownMeanError(LaminaProperty property, double meanAbsolute);

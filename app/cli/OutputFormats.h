#pragma once

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

#include "Calculations.h"

// How the tool prints calculations. Values appear as the result forms show them: the record's
// single-precision value with six significant digits ("44.7262", "0.0744868", "nan").

// A value as its result field shows it.
std::string ShownText(float value);

// One calculation as its result form: the title, the inputs and one row per field, label, unit
// and value aligned in columns.
void WriteTable(std::ostream& out, const Calculation& calculation);

// A sweep: a header row, then one row per calculation with its keys (vf, models) and values.
void WriteSweepTable(std::ostream& out, const std::vector<Calculation>& calculations);

// The same as comma-separated values with a header row ("vf [%],elastic,thermal,Ex [GPa],...");
// texts holding a comma, a quote or a line break are quoted.
void WriteCsv(std::ostream& out, const std::vector<Calculation>& calculations);

// A calculation for programs: the inputs, the library's output array as the entry point returned
// it (full precision, the library's units; a non-finite number as null) and the displayed values
// with their labels and units.
nlohmann::ordered_json CalculationJson(const Calculation& calculation);

// Writes text padded with blanks to `width` characters; UTF-8 letters count as one character.
std::string Padded(const std::string& text, std::size_t width);

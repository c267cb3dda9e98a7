#pragma once

#include <nlohmann/json.hpp>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Calculations.h"
#include "CliArguments.h"

// How the tool prints calculations. Values appear as the result forms show them: the record's
// single-precision value with six significant digits ("44.7262", "0.0744868", "nan").

// A value as its result field shows it.
std::string ShownText(float value);

// Writes text padded with blanks to `width` characters; UTF-8 letters count as one character.
std::string Padded(const std::string& text, std::size_t width);

// One calculation as its result form: the title, the inputs and one row per field, label, unit
// and value aligned in columns.
void WriteTable(std::ostream& out, const Calculation& calculation);

// The width of the widest text a value column holds: six significant digits of a float with
// sign, point and exponent ("-1.23457e+38").
inline constexpr std::size_t kValueWidth = 12;

// A calculation for programs: the inputs, the library's output array as the entry point returned
// it (full precision, the library's units; a non-finite number as null) and the displayed values
// with their labels and units.
nlohmann::ordered_json CalculationJson(const Calculation& calculation);

// JSON as text, indented by `indent` blanks per level (-1: on one line). Bytes that are not UTF-8
// (a material name typed in another encoding) come out as U+FFFD instead of stopping the tool.
std::string JsonText(const nlohmann::ordered_json& json, int indent);

// One calculation that is not a sweep, in its format: the result form as a table, a JSON object,
// one JSON line, or CSV with a header row. The confirmation of an appended report ("" for none)
// ends the table and the JSON object and goes to `err` after CSV and JSON lines.
void WriteCalculation(std::ostream& out, std::ostream& err, OutputFormat format,
                      const Calculation& calculation, const std::string& confirmation);

// A sweep printed row by row as the rows come, in constant memory. The first row also prints
// the header. A table's columns have fixed widths: each key column the width the caller gives
// (the widest text it can hold), each value column the wider of its header and kValueWidth,
// columns separated by two blanks. JSON is the object {"results": [...], "report": "..."} as the
// single calculation's writer would indent it; JSON lines are one object per line.
class CSweepPrinter {
public:
    virtual ~CSweepPrinter() = default;
    virtual void Row(const Calculation& row) = 0;
    // After the last row; `confirmation` as for WriteCalculation.
    virtual void End(const std::string& confirmation) = 0;
};

std::unique_ptr<CSweepPrinter> MakeSweepPrinter(OutputFormat format, std::ostream& out,
                                                std::ostream& err,
                                                std::vector<std::size_t> keyWidths);

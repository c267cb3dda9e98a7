#include "OutputFormats.h"

#include <algorithm>

#include "NumberFormat.h"

namespace {

std::size_t CharacterCount(const std::string& text) {
    std::size_t characters = 0;
    for (unsigned char c : text) {
        characters += (c & 0xC0) != 0x80;
    }
    return characters;
}

std::string Bracketed(const std::string& unit) {
    return "[" + unit + "]";
}

std::string ColumnName(const ShownValue& value) {
    return value.label + " " + Bracketed(value.unit);
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// The header and cells of a sweep, row by row.
std::vector<std::vector<std::string>> SweepCells(const std::vector<Calculation>& calculations) {
    std::vector<std::vector<std::string>> rows;
    if (calculations.empty()) {
        return rows;
    }
    std::vector<std::string> header;
    for (const auto& [name, value] : calculations.front().keys) {
        header.push_back(name);
    }
    for (const ShownValue& value : calculations.front().shown) {
        header.push_back(ColumnName(value));
    }
    rows.push_back(header);
    for (const Calculation& calculation : calculations) {
        std::vector<std::string> row;
        for (const auto& [name, value] : calculation.keys) {
            row.push_back(value);
        }
        for (const ShownValue& value : calculation.shown) {
            row.push_back(ShownText(value.value));
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

std::string ShownText(float value) {
    return FormatGeneral(value, kResultDigits);
}

std::string Padded(const std::string& text, std::size_t width) {
    const std::size_t characters = CharacterCount(text);
    return text + std::string(characters < width ? width - characters : 0, ' ');
}

void WriteTable(std::ostream& out, const Calculation& calculation) {
    std::size_t labelWidth = 0;
    std::size_t unitWidth = 0;
    for (const ShownValue& value : calculation.shown) {
        labelWidth = std::max(labelWidth, CharacterCount(value.label));
        unitWidth = std::max(unitWidth, CharacterCount(Bracketed(value.unit)));
    }
    out << calculation.title << "\n  " << calculation.description << "\n";
    for (const ShownValue& value : calculation.shown) {
        out << "  " << Padded(value.label, labelWidth + 1) << ' '
            << Padded(Bracketed(value.unit), unitWidth + 1) << ' ' << ShownText(value.value)
            << "\n";
    }
}

void WriteSweepTable(std::ostream& out, const std::vector<Calculation>& calculations) {
    const std::vector<std::vector<std::string>> rows = SweepCells(calculations);
    if (rows.empty()) {
        return;
    }
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], CharacterCount(row[i]));
        }
    }
    std::string line;
    for (const auto& row : rows) {
        line.clear();
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += i + 1 < row.size() ? Padded(row[i], widths[i] + 2) : row[i];
        }
        out << line << '\n';
    }
}

void WriteCsv(std::ostream& out, const std::vector<Calculation>& calculations) {
    std::string line;
    for (const auto& row : SweepCells(calculations)) {
        line.clear();
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += (i == 0 ? "" : ",") + CsvField(row[i]);
        }
        out << line << '\n';
    }
}

nlohmann::ordered_json CalculationJson(const Calculation& calculation) {
    nlohmann::ordered_json displayed = nlohmann::ordered_json::array();
    for (const ShownValue& value : calculation.shown) {
        // The number the field shows, read back as a double: 44.7262 rather than the float's
        // 44.72620010375977.
        double shown = value.value;
        ParseNumber(ShownText(value.value), shown);
        displayed.push_back({{"label", value.label}, {"unit", value.unit}, {"value", shown}});
    }
    return {{"title", calculation.title},
            {"inputs", calculation.inputs},
            {"output", calculation.output},
            {"displayed", displayed}};
}

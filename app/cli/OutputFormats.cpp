#include "OutputFormats.h"

#include <algorithm>

#include "CsvText.h"
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

// The header of a sweep: its keys, then each displayed value's label and unit.
std::vector<std::string> SweepHeader(const Calculation& first) {
    std::vector<std::string> header;
    for (const auto& [name, value] : first.keys) {
        header.push_back(name);
    }
    for (const ShownValue& value : first.shown) {
        header.push_back(ColumnName(value));
    }
    return header;
}

std::vector<std::string> SweepCells(const Calculation& row) {
    std::vector<std::string> cells;
    for (const auto& [name, value] : row.keys) {
        cells.push_back(value);
    }
    for (const ShownValue& value : row.shown) {
        cells.push_back(ShownText(value.value));
    }
    return cells;
}

class CTablePrinter : public CSweepPrinter {
public:
    CTablePrinter(std::ostream& out, std::vector<std::size_t> keyWidths)
        : out_(out), widths_(std::move(keyWidths)) {}

    void Row(const Calculation& row) override {
        if (!started_) {
            const std::vector<std::string> header = SweepHeader(row);
            for (std::size_t i = widths_.size(); i < header.size(); ++i) {
                widths_.push_back(std::max(CharacterCount(header[i]), kValueWidth));
            }
            for (std::size_t i = 0; i < widths_.size(); ++i) {
                widths_[i] = std::max(widths_[i], CharacterCount(header[i]));
            }
            out_ << row.title << '\n' << Line(header);
            started_ = true;
        }
        out_ << Line(SweepCells(row));
    }
    void End(const std::string& confirmation) override {
        if (!confirmation.empty()) {
            out_ << confirmation << '\n';
        }
    }

private:
    std::string Line(const std::vector<std::string>& cells) const {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            line += i + 1 < cells.size() ? Padded(cells[i], widths_[i] + 2) : cells[i];
        }
        return line + '\n';
    }

    std::ostream& out_;
    std::vector<std::size_t> widths_;
    bool started_ = false;
};

class CCsvPrinter : public CSweepPrinter {
public:
    CCsvPrinter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    void Row(const Calculation& row) override {
        if (!started_) {
            out_ << CsvLine(SweepHeader(row));
            started_ = true;
        }
        out_ << CsvLine(SweepCells(row));
    }
    void End(const std::string& confirmation) override {
        if (!confirmation.empty()) {
            err_ << confirmation << '\n';
        }
    }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool started_ = false;
};

// {"results": [rows...], "report": confirmation}, indented by two blanks a level as the single
// calculation's object is: each row's lines two levels in.
class CJsonPrinter : public CSweepPrinter {
public:
    explicit CJsonPrinter(std::ostream& out) : out_(out) {}
    void Row(const Calculation& row) override {
        out_ << (started_ ? ",\n" : "{\n  \"results\": [\n");
        started_ = true;
        const std::string text = JsonText(CalculationJson(row), 2);
        std::size_t begin = 0;
        while (begin < text.size()) {
            const std::size_t end = text.find('\n', begin);
            out_ << "    " << text.substr(begin, end == std::string::npos ? end : end - begin + 1);
            begin = end == std::string::npos ? text.size() : end + 1;
        }
    }
    void End(const std::string& confirmation) override {
        out_ << (started_ ? "\n  ]" : "{\n  \"results\": []");
        if (!confirmation.empty()) {
            out_ << ",\n  \"report\": " << JsonText(confirmation, -1);
        }
        out_ << "\n}\n";
    }

private:
    std::ostream& out_;
    bool started_ = false;
};

class CJsonLinesPrinter : public CSweepPrinter {
public:
    CJsonLinesPrinter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    void Row(const Calculation& row) override {
        out_ << JsonText(CalculationJson(row), -1) << '\n';
    }
    void End(const std::string& confirmation) override {
        if (!confirmation.empty()) {
            err_ << confirmation << '\n';
        }
    }

private:
    std::ostream& out_;
    std::ostream& err_;
};

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

std::string JsonText(const nlohmann::ordered_json& json, int indent) {
    return json.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void WriteCalculation(std::ostream& out, std::ostream& err, OutputFormat format,
                      const Calculation& calculation, const std::string& confirmation) {
    switch (format) {
        case OutputFormat::Json: {
            nlohmann::ordered_json json = CalculationJson(calculation);
            if (!confirmation.empty()) {
                json["report"] = confirmation;
            }
            out << JsonText(json, 2) << '\n';
            return;
        }
        case OutputFormat::JsonLines:
        case OutputFormat::Csv: {
            std::unique_ptr<CSweepPrinter> printer = MakeSweepPrinter(format, out, err, {});
            printer->Row(calculation);
            printer->End(confirmation);
            return;
        }
        case OutputFormat::Table:
            WriteTable(out, calculation);
            if (!confirmation.empty()) {
                out << confirmation << '\n';
            }
            return;
    }
}

std::unique_ptr<CSweepPrinter> MakeSweepPrinter(OutputFormat format, std::ostream& out,
                                                std::ostream& err,
                                                std::vector<std::size_t> keyWidths) {
    switch (format) {
        case OutputFormat::Json:
            return std::make_unique<CJsonPrinter>(out);
        case OutputFormat::JsonLines:
            return std::make_unique<CJsonLinesPrinter>(out, err);
        case OutputFormat::Csv:
            return std::make_unique<CCsvPrinter>(out, err);
        case OutputFormat::Table:
            break;
    }
    return std::make_unique<CTablePrinter>(out, std::move(keyWidths));
}

#include "UserFileReader.h"

#include <optional>

#include "MaterialChecks.h"
#include "MaterialText.h"
#include "NumberFormat.h"
#include "UserFileLayout.h"
#include "UserMaterials.h"

namespace {

constexpr double kGigapascal = 1e9;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The value of a line: the text after its first tab; without a tab, the text after `label` with
// the blanks that stand for the tab removed, when the line starts with the label followed by a
// blank or nothing. Nothing when the line is neither.
std::optional<std::string> LineValue(std::string_view line, std::string_view label) {
    const std::size_t tab = line.find('\t');
    if (tab != std::string_view::npos) {
        return std::string(line.substr(tab + 1));
    }
    const std::string_view bare = Trimmed(label);
    if (line.substr(0, bare.size()) != bare) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(bare.size());
    if (!rest.empty() && !IsBlank(rest.front())) {
        return std::nullopt;
    }
    while (!rest.empty() && IsBlank(rest.front())) {
        rest.remove_prefix(1);
    }
    return std::string(rest);
}

// One value of a record and the line it stands on.
struct FileValue {
    std::string text;
    int line;
};

// The heading words, each alone on its line.
enum class Section { Preamble, Resins, Fibres };

// Walks the file line by line, collecting each section's values into records.
class CUserFileParser {
public:
    CUserFileParser(UserFileContents& contents, UserFileFault& fault)
        : contents_(contents), fault_(fault) {}

    bool Line(std::string_view line, int number) {
        const std::string_view trimmed = Trimmed(line);
        if (line.find('\t') == std::string_view::npos &&
            (trimmed == "RESINS:" || trimmed == "FIBRES:")) {
            return Heading(trimmed, number);
        }
        if (section_ == Section::Preamble || trimmed.empty()) {
            return true;
        }
        return Value(line, number);
    }

    bool Finish(int lastLine) {
        if (section_ == Section::Preamble) {
            return Fail(0, "there is no line \"RESINS:\" before the resins");
        }
        if (section_ == Section::Resins) {
            return Fail(0, "there is no line \"FIBRES:\" after the resins");
        }
        return EndOfSection(lastLine, "the file ends");
    }

private:
    std::size_t RecordSize() const {
        return section_ == Section::Resins ? kResinLabels.size() : kFibreLabels.size();
    }
    const char* Kind() const { return section_ == Section::Resins ? "resin" : "fibre"; }

    bool Fail(int line, std::string reason) {
        fault_ = UserFileFault{line, std::move(reason)};
        return false;
    }

    bool Heading(std::string_view word, int number) {
        if (word == "RESINS:") {
            if (section_ != Section::Preamble) {
                return Fail(number, "a second line \"RESINS:\"");
            }
            section_ = Section::Resins;
            return true;
        }
        if (section_ == Section::Preamble) {
            return Fail(number, "\"FIBRES:\" comes before \"RESINS:\"");
        }
        if (section_ == Section::Fibres) {
            return Fail(number, "a second line \"FIBRES:\"");
        }
        if (!EndOfSection(number, "\"FIBRES:\" follows")) {
            return false;
        }
        section_ = Section::Fibres;
        return true;
    }

    // A section may only end between records.
    bool EndOfSection(int number, const std::string& what) {
        if (values_.empty()) {
            return true;
        }
        return Fail(number, what + " after " + std::to_string(values_.size()) + " of a " + Kind() +
                                "'s " + std::to_string(RecordSize()) + " values");
    }

    bool Value(std::string_view line, int number) {
        const std::string_view label = section_ == Section::Resins ? kResinLabels[values_.size()]
                                                                   : kFibreLabels[values_.size()];
        std::optional<std::string> value = LineValue(line, label);
        if (!value) {
            return Fail(number, "neither a label, a tab and a value, nor a line starting with \"" +
                                    std::string(Trimmed(label)) + "\"");
        }
        values_.push_back({std::move(*value), number});
        if (values_.size() < RecordSize()) {
            return true;
        }
        const bool read = section_ == Section::Resins ? AddResin() : AddFibre();
        values_.clear();
        return read;
    }

    // Name, user and date of the record in values_: a name the lists can show and texts the file
    // can keep, as the creation forms require.
    template <typename Record>
    bool ReadIdentity(Record& record) {
        record.name = values_[0].text;
        record.user = values_[1].text;
        record.date = values_[2].text;
        if (record.name.empty()) {
            return Fail(values_[0].line, std::string("a ") + Kind() + " without a name");
        }
        if (record.name == kUserDefinedEntry) {
            return Fail(values_[0].line, std::string("\"User defined\" names the list entry that "
                                                     "creates a ") +
                                             Kind() + ", not a " + Kind());
        }
        for (int k = 0; k < kIdentityValues; ++k) {
            if (!CUserMaterials::FitsInFile(values_[k].text)) {
                return Fail(values_[k].line,
                            "the words RESINS: and FIBRES: cannot stand in a "
                            "name, user or date");
            }
        }
        return true;
    }

    // The numbers of values_ from the fourth on, each times its scale.
    template <std::size_t N>
    bool ReadNumbers(std::array<double, N>& properties, const double (&scales)[N]) {
        for (std::size_t k = 0; k < N; ++k) {
            const FileValue& value = values_[kIdentityValues + k];
            double number = 0.0;
            if (!ParseNumber(value.text, number)) {
                return Fail(value.line, "\"" + value.text + "\" is not a number");
            }
            properties[k] = number * scales[k];
        }
        return true;
    }

    bool RefuseProperty(int index, const std::string& name, const char* property,
                        const char* rule) {
        const FileValue& value = values_[kIdentityValues + index];
        return Fail(value.line, std::string(Kind()) + " \"" + name + "\": " + property +
                                    " must be " + rule + ", not \"" + value.text + "\"");
    }

    bool AddResin() {
        ResinRecord resin;
        if (!ReadIdentity(resin) || !ReadNumbers(resin.properties, {kGigapascal, 1.0, 1.0})) {
            return false;
        }
        switch (InvalidResinProperty(resin.properties)) {
            case 0:
                return RefuseProperty(0, resin.name, "E", "positive and finite");
            case 1:
                return RefuseProperty(1, resin.name, "nu", "between -1 and 0.5");
            case 2:
                return RefuseProperty(2, resin.name, "Alpha", "finite");
            default:
                break;
        }
        contents_.resins.push_back(std::move(resin));
        return true;
    }

    bool AddFibre() {
        static const char* const kNames[8] = {"E1",   "E2",     "G12",    "G23",
                                              "nu12", "Alpha1", "Alpha2", "Density"};
        FibreRecord fibre;
        const double scales[8] = {kGigapascal, kGigapascal, kGigapascal, kGigapascal,
                                  1.0,         1.0,         1.0,         1.0};
        if (!ReadIdentity(fibre) || !ReadNumbers(fibre.properties, scales)) {
            return false;
        }
        const int invalid = InvalidFibreProperty(fibre.properties);
        if (invalid >= 0) {
            const char* rule = invalid < 4   ? "finite and not negative"
                               : invalid < 7 ? "finite"
                                             : "positive and finite";
            return RefuseProperty(invalid, fibre.name, kNames[invalid], rule);
        }
        contents_.fibres.push_back(std::move(fibre));
        return true;
    }

    UserFileContents& contents_;
    UserFileFault& fault_;
    Section section_ = Section::Preamble;
    std::vector<FileValue> values_;
};

}  // namespace

bool ReadUserFileText(std::string_view text, UserFileContents& contents, UserFileFault& fault) {
    CUserFileParser parser(contents, fault);
    int number = 0;
    std::size_t begin = 0;
    while (begin < text.size()) {
        // A line ends at LF, CR or the pair CR LF.
        std::size_t end = text.find_first_of("\r\n", begin);
        const std::string_view line = text.substr(
            begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
        ++number;
        if (!parser.Line(line, number)) {
            contents = {};
            return false;
        }
        if (end == std::string_view::npos) {
            break;
        }
        begin = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    if (!parser.Finish(number)) {
        contents = {};
        return false;
    }
    return true;
}

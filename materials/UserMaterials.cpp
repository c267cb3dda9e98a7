#include "UserMaterials.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <unistd.h>

namespace {

constexpr double kGigapascal = 1e9;
constexpr int kResinValueLines = 6;
constexpr int kFibreValueLines = 11;
// Fifteen significant digits give back every typed value; the reader is atof-like.
constexpr int kFileDigits = 15;

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The whitespace-separated word at or after `pos` (C's whitespace set, as the reader of the file
// splits words); `pos` moves past it. Empty at the end of the text.
std::string_view NextWord(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    std::size_t start = pos;
    while (pos < text.size() && !IsBlank(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

// ---- Reading -------------------------------------------------------------------------------

// The file as the reader walks it: whitespace-separated words, and value lines, each the text
// between a tab and the next line feed. Every walk stops at the end of the text.
class CFileText {
public:
    explicit CFileText(std::string text) : text_(std::move(text)) {}

    // Position just after the first word equal to `word` at or after `from`, or npos.
    std::size_t PositionAfterWord(std::size_t from, std::string_view word) const {
        std::size_t pos = from;
        while (pos < text_.size()) {
            if (NextWord(text_, pos) == word) {
                return pos;
            }
        }
        return std::string::npos;
    }

    // One step over a value line: to the next tab, then past the next line feed. Returns
    // whether the end of the text was met on the way.
    bool Step(std::size_t& pos) const {
        std::size_t tab = text_.find('\t', pos);
        if (tab == std::string::npos) {
            pos = text_.size();
            return true;
        }
        std::size_t lineFeed = text_.find('\n', tab + 1);
        if (lineFeed == std::string::npos) {
            pos = text_.size();
            return true;
        }
        pos = lineFeed + 1;
        return false;
    }

    // The next value: the text after the next tab up to the line feed (a carriage return before
    // the line feed, from a file edited elsewhere, is not part of it).
    std::string Value(std::size_t& pos) const {
        std::size_t tab = text_.find('\t', pos);
        if (tab == std::string::npos) {
            pos = text_.size();
            return {};
        }
        std::size_t lineFeed = text_.find('\n', tab + 1);
        std::size_t end = lineFeed == std::string::npos ? text_.size() : lineFeed;
        pos = lineFeed == std::string::npos ? text_.size() : lineFeed + 1;
        if (end > tab + 1 && text_[end - 1] == '\r') {
            --end;
        }
        return text_.substr(tab + 1, end - tab - 1);
    }

private:
    std::string text_;
};

// atof: leading blanks skipped, the longest numeric prefix taken, 0 when there is none.
double ReadNumber(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) {
        ++begin;
    }
    bool negative = false;
    if (begin < text.size() && (text[begin] == '+' || text[begin] == '-')) {
        negative = text[begin] == '-';
        ++begin;
        if (begin < text.size() && (text[begin] == '+' || text[begin] == '-')) {
            return 0.0;
        }
    }
    const char* first = text.data() + begin;
    const char* last = text.data() + text.size();
    double value = 0.0;
    auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        long double wide = 0.0L;
        std::from_chars(first, last, wide);
        value = static_cast<double>(wide);
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

bool ReadWholeFile(std::FILE* file, std::string& text) {
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
    }
    return std::ferror(file) == 0;
}

// Where the two sections' value lines start: just after the words "RESINS:" and "FIBRES:".
struct Sections {
    std::size_t afterResins;
    std::size_t afterFibres;
};

std::optional<Sections> FindSections(const CFileText& text) {
    const std::size_t afterResins = text.PositionAfterWord(0, "RESINS:");
    if (afterResins == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t afterFibres = text.PositionAfterWord(afterResins, "FIBRES:");
    if (afterFibres == std::string::npos) {
        return std::nullopt;
    }
    return Sections{afterResins, afterFibres};
}

struct ValueLineCounts {
    std::size_t resins;
    std::size_t fibres;
};

// The value lines of each section, counted by steps. The step that first passes the "FIBRES:"
// word has already taken the first fibre line, so it counts towards the fibres; when the last
// value line has no line feed, the fibres come out one short.
ValueLineCounts CountValueLines(const CFileText& text, const Sections& sections) {
    std::size_t pos = sections.afterResins;
    std::size_t steps = 0;
    bool atEnd = false;
    do {
        atEnd = text.Step(pos);
        ++steps;
    } while (pos < sections.afterFibres);
    ValueLineCounts counts{steps - 1, 0};
    while (!atEnd) {
        atEnd = text.Step(pos);
        ++counts.fibres;
    }
    return counts;
}

// The three text values that open every record: name, user and date.
template <typename Record>
void ReadIdentity(const CFileText& text, std::size_t& pos, Record& record) {
    record.name = text.Value(pos);
    record.user = text.Value(pos);
    record.date = text.Value(pos);
}

// One resin's six values from `pos` on: name, user, date, E [GPa], nu, alpha [1/K].
ResinRecord ReadResin(const CFileText& text, std::size_t& pos) {
    ResinRecord resin;
    ReadIdentity(text, pos, resin);
    resin.E() = ReadNumber(text.Value(pos)) * kGigapascal;
    resin.Nu() = ReadNumber(text.Value(pos));
    resin.Alpha() = ReadNumber(text.Value(pos));
    return resin;
}

// One fibre's eleven values from `pos` on: name, user, date, E1, E2, G12, G23 [GPa], nu12,
// alpha1, alpha2 [1/K], density [kg/m^3].
FibreRecord ReadFibre(const CFileText& text, std::size_t& pos) {
    FibreRecord fibre;
    ReadIdentity(text, pos, fibre);
    for (int k = 0; k < 4; ++k) {
        fibre.properties[k] = ReadNumber(text.Value(pos)) * kGigapascal;
    }
    for (int k = 4; k < 8; ++k) {
        fibre.properties[k] = ReadNumber(text.Value(pos));
    }
    return fibre;
}

// ---- Writing -------------------------------------------------------------------------------

void AppendNumber(std::string& out, const char* label, double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                kFileDigits);
    out += label;
    out.append(buffer, result.ptr);
    out += '\n';
}

void AppendText(std::string& out, const char* label, const std::string& value) {
    out += label;
    out += value;
    out += '\n';
}

std::string FileText(const std::forward_list<ResinRecord>& resins,
                     const std::forward_list<FibreRecord>& fibres) {
    std::string out = "USER DEFINED DATA\n\nRESINS:\n\n";
    for (const ResinRecord& resin : resins) {
        AppendText(out, "Name   :        \t", resin.name);
        AppendText(out, "User   :        \t", resin.user);
        AppendText(out, "Date   :        \t", resin.date);
        AppendNumber(out, "E      : [ GPa ]\t", resin.E() * 1e-9);
        AppendNumber(out, "nu     : [     ]\t", resin.Nu());
        AppendNumber(out, "Alpha  : [ 1/K ]\t", resin.Alpha());
        out += '\n';
    }
    out += "\nFIBRES:\n\n";
    for (const FibreRecord& fibre : fibres) {
        AppendText(out, "Name   :        \t", fibre.name);
        AppendText(out, "User   :        \t", fibre.user);
        AppendText(out, "Date   :        \t", fibre.date);
        AppendNumber(out, "E1     : [ GPa ]\t", fibre.E1() * 1e-9);
        AppendNumber(out, "E2     : [ GPa ]\t", fibre.E2() * 1e-9);
        AppendNumber(out, "G12    : [ GPa ]\t", fibre.G12() * 1e-9);
        AppendNumber(out, "G23    : [ GPa ]\t", fibre.G23() * 1e-9);
        AppendNumber(out, "nu12   : [     ]\t", fibre.Nu12());
        AppendNumber(out, "Alpha1 : [ 1/K ]\t", fibre.Alpha1());
        AppendNumber(out, "Alpha2 : [ 1/K ]\t", fibre.Alpha2());
        AppendNumber(out, "Density: [Kg/m3]\t", fibre.Density());
        out += '\n';
    }
    return out;
}

std::string SaveFailure(const std::string& fileName, const std::string& reason) {
    return "The user-defined resins and fibres could not be saved to the file '" + fileName +
           "':\n" + reason;
}

// Writes `text` to `path` in text mode; on failure returns the reason.
std::optional<std::string> WriteFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return std::string(std::strerror(errno));
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    int writeError = errno;
    bool flushed = std::fflush(file) == 0;
    int flushError = errno;
    bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        int error = !written ? writeError : !flushed ? flushError : errno;
        return std::string(std::strerror(error));
    }
    return std::nullopt;
}

// "<fileName>.bak", or the first of "<fileName>.bak.1", ".bak.2", ... that does not exist.
std::filesystem::path FreeBackupName(const std::string& fileName) {
    std::filesystem::path candidate = fileName + ".bak";
    std::error_code ignored;
    for (int n = 1; std::filesystem::exists(candidate, ignored) ||
                    std::filesystem::is_symlink(candidate, ignored);
         ++n) {
        candidate = fileName + ".bak." + std::to_string(n);
    }
    return candidate;
}

}  // namespace

void CUserMaterials::LoadUserMaterials(const std::string& fileName) {
    resins_.clear();
    fibres_.clear();
    resinCount_ = 0;
    fibreCount_ = 0;
    fileFound_ = true;
    readOk_ = false;

    std::FILE* file = std::fopen(fileName.c_str(), "r");
    if (file == nullptr) {
        fileFound_ = false;
        return;
    }
    std::string raw;
    const bool readWhole = ReadWholeFile(file, raw);
    std::fclose(file);
    if (!readWhole) {
        return;
    }
    const CFileText text(std::move(raw));
    const std::optional<Sections> sections = FindSections(text);
    if (!sections) {
        return;
    }
    // Acceptance is all or nothing: counts that do not come in whole records load nothing.
    const ValueLineCounts counts = CountValueLines(text, *sections);
    if (counts.resins % kResinValueLines != 0 || counts.fibres % kFibreValueLines != 0) {
        return;
    }
    readOk_ = true;
    std::size_t pos = sections->afterResins;
    for (std::size_t i = 0; i < counts.resins / kResinValueLines; ++i) {
        resins_.push_front(ReadResin(text, pos));
        ++resinCount_;
    }
    pos = sections->afterFibres;
    for (std::size_t i = 0; i < counts.fibres / kFibreValueLines; ++i) {
        fibres_.push_front(ReadFibre(text, pos));
        ++fibreCount_;
    }
}

std::optional<std::string> CUserMaterials::SaveUserMaterials(const std::string& fileName) {
    // The file is replaced by renaming, which the directory's rights allow even for a file the
    // user made read-only; respect that protection as writing in place would.
    if (::access(fileName.c_str(), F_OK) == 0 && ::access(fileName.c_str(), W_OK) != 0) {
        return SaveFailure(fileName, std::strerror(errno));
    }
    const std::string temporary = fileName + ".tmp";
    if (auto reason = WriteFile(temporary, FileText(resins_, fibres_))) {
        std::remove(temporary.c_str());
        return SaveFailure(fileName, *reason);
    }

    std::error_code error;
    std::filesystem::path backup;
    bool keepOldFile = !readOk_ && !fileWritten_ &&
                       std::filesystem::symlink_status(fileName, error).type() !=
                           std::filesystem::file_type::not_found &&
                       !error;
    if (keepOldFile) {
        backup = FreeBackupName(fileName);
        std::filesystem::rename(fileName, backup, error);
        if (error) {
            std::remove(temporary.c_str());
            return SaveFailure(fileName, "the old file could not be kept as '" + backup.string() +
                                             "': " + error.message());
        }
    }
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::string reason = error.message();
        std::remove(temporary.c_str());
        if (keepOldFile) {
            std::error_code ignored;
            std::filesystem::rename(backup, fileName, ignored);
        }
        return SaveFailure(fileName, reason);
    }
    fileWritten_ = true;
    return std::nullopt;
}

ResinRecord& CUserMaterials::AddResin(ResinRecord resin) {
    resins_.push_front(std::move(resin));
    ++resinCount_;
    newMaterialsCreated_ = true;
    return resins_.front();
}

FibreRecord& CUserMaterials::AddFibre(FibreRecord fibre) {
    fibres_.push_front(std::move(fibre));
    ++fibreCount_;
    newMaterialsCreated_ = true;
    return fibres_.front();
}

std::optional<std::string> CUserMaterials::ExitQuestion() const {
    if (!fileFound_) {
        return std::string(
            "userData file not found during application startup.\nCreate a new userData file?");
    }
    if (!newMaterialsCreated_) {
        return std::nullopt;
    }
    std::string question =
        "Overwrite the user-defined resins and fibres file?\n"
        "\n- [New user-defined resins and/or fibres were created]";
    if (!readOk_) {
        question +=
            "\n- WARNING:No user-defined material were loaded during start up."
            "\nPossible reading error during file reading";
    }
    return question;
}

bool CUserMaterials::FitsInFile(const std::string& text) {
    if (text.find_first_of("\t\n") != std::string::npos) {
        return false;
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::string_view word = NextWord(text, pos);
        if (word == "RESINS:" || word == "FIBRES:") {
            return false;
        }
    }
    return true;
}

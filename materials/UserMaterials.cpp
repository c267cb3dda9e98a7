#include "UserMaterials.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "UserFileLayout.h"

namespace {

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

// The whole file at `fileName`, or why it cannot be had. Only a regular file (or a link to one)
// is read: a FIFO or a device could block the start-up forever or never end. It is opened
// without blocking so that a FIFO cannot hold up even the check. Sets `found` false only when
// there is no such file.
std::optional<std::string> ReadRegularFile(const std::string& fileName, std::string& text,
                                           bool& found) {
    found = true;
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        found = errno != ENOENT && errno != ENOTDIR;
        return std::string(std::strerror(errno));
    }
    std::optional<std::string> failure;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        failure = std::strerror(errno);
    } else if (!S_ISREG(status.st_mode)) {
        failure = "it is not a regular file";
    } else {
        text.reserve(static_cast<std::size_t>(status.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
            if (count > 0) {
                text.append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0) {
                break;
            } else if (errno != EINTR) {
                failure = std::strerror(errno);
                break;
            }
        }
    }
    ::close(descriptor);
    return failure;
}

// ---- Writing -------------------------------------------------------------------------------

// A value line: the label, a tab, the value.
void AppendNumber(std::string& out, std::string_view label, double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                kFileDigits);
    out += label;
    out += '\t';
    out.append(buffer, result.ptr);
    out += '\n';
}

void AppendText(std::string& out, std::string_view label, const std::string& value) {
    out += label;
    out += '\t';
    out += value;
    out += '\n';
}

std::string FileText(const std::forward_list<ResinRecord>& resins,
                     const std::forward_list<FibreRecord>& fibres) {
    std::string out = "USER DEFINED DATA\n\nRESINS:\n\n";
    for (const ResinRecord& resin : resins) {
        AppendText(out, kResinLabels[0], resin.name);
        AppendText(out, kResinLabels[1], resin.user);
        AppendText(out, kResinLabels[2], resin.date);
        AppendNumber(out, kResinLabels[3], resin.E() * 1e-9);
        AppendNumber(out, kResinLabels[4], resin.Nu());
        AppendNumber(out, kResinLabels[5], resin.Alpha());
        out += '\n';
    }
    out += "\nFIBRES:\n\n";
    for (const FibreRecord& fibre : fibres) {
        AppendText(out, kFibreLabels[0], fibre.name);
        AppendText(out, kFibreLabels[1], fibre.user);
        AppendText(out, kFibreLabels[2], fibre.date);
        for (int k = 0; k < 8; ++k) {
            // Moduli in GPa; nu12, the expansion coefficients and the density as stored.
            AppendNumber(out, kFibreLabels[3 + k],
                         k < 4 ? fibre.properties[k] * 1e-9 : fibre.properties[k]);
        }
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

// ---- Editing -------------------------------------------------------------------------------

template <typename Record>
typename std::forward_list<Record>::iterator FindRecord(std::forward_list<Record>& records,
                                                        const Record& record) {
    auto found = records.begin();
    while (found != records.end() && &*found != &record) {
        ++found;
    }
    return found;
}

// Erases the record at `record`'s address; false when the list does not hold it.
template <typename Record>
bool EraseRecord(std::forward_list<Record>& records, const Record& record) {
    for (auto before = records.before_begin(), at = records.begin(); at != records.end();
         before = at, ++at) {
        if (&*at == &record) {
            records.erase_after(before);
            return true;
        }
    }
    return false;
}

}  // namespace

void CUserMaterials::LoadUserMaterials(const std::string& fileName) {
    resins_.clear();
    fibres_.clear();
    resinCount_ = 0;
    fibreCount_ = 0;
    fileFound_ = true;
    readOk_ = false;
    fault_.reset();
    try {
        std::string text;
        if (auto failure = ReadRegularFile(fileName, text, fileFound_)) {
            if (fileFound_) {
                fault_ = UserFileFault{0, *failure};
            }
            return;
        }
        UserFileContents contents;
        UserFileFault fault;
        if (!ReadUserFileText(text, contents, fault)) {
            fault_ = std::move(fault);
            return;
        }
        // The lists keep the file's order, which is theirs when it was saved (newest first), so
        // that saving again writes the same file; records created in this run go ahead of them.
        for (auto resin = contents.resins.rbegin(); resin != contents.resins.rend(); ++resin) {
            resins_.push_front(std::move(*resin));
        }
        for (auto fibre = contents.fibres.rbegin(); fibre != contents.fibres.rend(); ++fibre) {
            fibres_.push_front(std::move(*fibre));
        }
        resinCount_ = contents.resins.size();
        fibreCount_ = contents.fibres.size();
        readOk_ = true;
    } catch (const std::bad_alloc&) {
        resins_.clear();
        fibres_.clear();
        resinCount_ = 0;
        fibreCount_ = 0;
        fault_ = UserFileFault{0, "there is not enough memory to read it"};
    }
}

std::string CUserMaterials::LoadFailureText(const std::string& fileName) const {
    if (!fault_) {
        return {};
    }
    std::string text = "\"" + fileName + "\"";
    if (fault_->line > 0) {
        text += ", line " + std::to_string(fault_->line);
    }
    return text + ": " + fault_->reason;
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

bool CUserMaterials::UpdateResin(const ResinRecord& record, ResinRecord edited) {
    auto found = FindRecord(resins_, record);
    if (found == resins_.end()) {
        return false;
    }
    *found = std::move(edited);
    materialsChanged_ = true;
    return true;
}

bool CUserMaterials::UpdateFibre(const FibreRecord& record, FibreRecord edited) {
    auto found = FindRecord(fibres_, record);
    if (found == fibres_.end()) {
        return false;
    }
    *found = std::move(edited);
    materialsChanged_ = true;
    return true;
}

bool CUserMaterials::RemoveResin(const ResinRecord& record) {
    if (!EraseRecord(resins_, record)) {
        return false;
    }
    --resinCount_;
    materialsChanged_ = true;
    return true;
}

bool CUserMaterials::RemoveFibre(const FibreRecord& record) {
    if (!EraseRecord(fibres_, record)) {
        return false;
    }
    --fibreCount_;
    materialsChanged_ = true;
    return true;
}

std::optional<std::string> CUserMaterials::ExitQuestion() const {
    if (!fileFound_) {
        return std::string(
            "userData file not found during application startup.\nCreate a new userData file?");
    }
    if (!newMaterialsCreated_ && !materialsChanged_) {
        return std::nullopt;
    }
    std::string question = "Overwrite the user-defined resins and fibres file?\n";
    if (newMaterialsCreated_) {
        question += "\n- [New user-defined resins and/or fibres were created]";
    }
    if (materialsChanged_) {
        question += "\n- [User-defined resins and/or fibres were changed or deleted]";
    }
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

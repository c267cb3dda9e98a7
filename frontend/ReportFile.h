#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

// A report file opened for appending whole records. A record goes out in one write (repeated
// only where the system takes part of it); when any part of it fails, the file is cut back to
// its length before the record, so it holds whole records only and its old content is never
// changed. Abandon() cuts it back to its length when it was opened: a run that fails part-way
// leaves the file as it found it.
//
// Only a regular file (or a link to one) is appended to: a FIFO or a device would block or
// swallow the records. The file is created when missing. Failures come back as the system's
// reason in words. (A program that may meet a file-size limit ignores SIGXFSZ, so that the limit
// fails the write instead of ending the program.)
class CReportFile {
public:
    CReportFile() = default;
    CReportFile(const CReportFile&) = delete;
    CReportFile& operator=(const CReportFile&) = delete;
    ~CReportFile();

    // Opens `path`; on failure returns the reason and stays closed.
    std::optional<std::string> Open(const std::string& path);
    bool IsOpen() const { return descriptor_ >= 0; }

    // Appends one record; on failure returns the reason, the file as it was before the record.
    std::optional<std::string> Append(const std::string& record);

    // Cuts the file back to its length at opening and closes it.
    void Abandon();
    // Closes the file; returns the reason when the system reports a failure on closing, after
    // cutting the file back to its length at opening.
    std::optional<std::string> Close();

private:
    int descriptor_ = -1;
    off_t openingLength_ = 0;
};

#include "ReportFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

// Length of an open file, or -1.
off_t LengthOf(int descriptor) {
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 ? status.st_size : -1;
}

}  // namespace

CReportFile::~CReportFile() {
    if (IsOpen()) {
        ::close(descriptor_);
    }
}

std::optional<std::string> CReportFile::Open(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        return std::string("it is not a regular file");
    }
    // Without blocking, so that a FIFO put in its place since cannot hold the open up either;
    // the check after opening refuses it.
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return Reason(errno);
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        return Reason(error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return std::string("it is not a regular file");
    }
    descriptor_ = descriptor;
    openingLength_ = status.st_size;
    return std::nullopt;
}

std::optional<std::string> CReportFile::Append(const std::string& record) {
    const off_t before = LengthOf(descriptor_);
    if (before < 0) {
        return Reason(errno);
    }
    std::size_t written = 0;
    while (written < record.size()) {
        const ssize_t count =
            ::write(descriptor_, record.data() + written, record.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            const int error = count < 0 ? errno : ENOSPC;
            if (::ftruncate(descriptor_, before) != 0) {
                return Reason(error) +
                       "; the file could not be cut back to its old length: " + Reason(errno);
            }
            return Reason(error);
        }
        written += static_cast<std::size_t>(count);
    }
    return std::nullopt;
}

void CReportFile::Abandon() {
    if (!IsOpen()) {
        return;
    }
    // Best effort: the run has already failed and says why.
    [[maybe_unused]] const int ignored = ::ftruncate(descriptor_, openingLength_);
    ::close(descriptor_);
    descriptor_ = -1;
}

std::optional<std::string> CReportFile::Close() {
    if (!IsOpen()) {
        return std::nullopt;
    }
    std::optional<std::string> failure;
    if (::fsync(descriptor_) != 0 && errno != EINVAL && errno != EROFS) {
        failure = Reason(errno);
        [[maybe_unused]] const int ignored = ::ftruncate(descriptor_, openingLength_);
    }
    if (::close(descriptor_) != 0 && !failure) {
        failure = Reason(errno);
    }
    descriptor_ = -1;
    return failure;
}

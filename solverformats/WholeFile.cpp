#include "WholeFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

std::string WriteWholeFile(const std::filesystem::path& path, std::string_view text) {
    const std::filesystem::path directory =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string pattern = (directory / ("." + path.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) {
        return std::strerror(errno);
    }
    std::string problem;
    std::size_t written = 0;
    while (written < text.size() && problem.empty()) {
        const ssize_t count = ::write(descriptor, text.data() + written, text.size() - written);
        if (count < 0) {
            if (errno != EINTR) {
                problem = std::strerror(errno);
            }
        } else {
            written += static_cast<std::size_t>(count);
        }
    }
    if (problem.empty() && ::fsync(descriptor) != 0) {
        problem = std::strerror(errno);
    }
    if (::close(descriptor) != 0 && problem.empty()) {
        problem = std::strerror(errno);
    }
    // The temporary file was created with mode 0600; a material file is an ordinary document.
    if (problem.empty()) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(pattern.c_str(), 0666 & ~mask);
    }
    if (problem.empty() && std::rename(pattern.c_str(), path.c_str()) != 0) {
        problem = std::strerror(errno);
    }
    if (!problem.empty()) {
        std::error_code ignored;
        std::filesystem::remove(pattern, ignored);
    }
    return problem;
}

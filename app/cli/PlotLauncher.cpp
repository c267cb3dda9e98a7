#include "PlotLauncher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "CliFailure.h"

extern char** environ;

namespace {

// The folder of the running program, where corvel-plot is built and installed beside it.
std::string ProgramFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return ".";
    }
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

}  // namespace

int RunPlotProgram(int argc, const char* const* argv, const CliStreams& streams) {
#ifdef CORVEL_PLOT_MISSING
    (void)argc;
    (void)argv;
    streams.err << "corvel-cli: plot needs " CORVEL_PLOT_MISSING
                   ", which was missing when corvel-cli was built; the other commands work "
                   "without it\n";
    return kExitBadUsage;
#else
    std::string program = ProgramFolder() + "/corvel-plot";
    if (::access(program.c_str(), X_OK) != 0) {
        streams.err << "corvel-cli: plot needs corvel-plot beside corvel-cli, but " << program
                    << " is missing\n";
        return kExitBadUsage;
    }
    std::vector<char*> arguments = {program.data()};
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(const_cast<char*>(argv[i]));
    }
    arguments.push_back(nullptr);
    // What this process printed before goes out before the plot program's own output.
    streams.out.flush();
    streams.err.flush();
    pid_t child = 0;
    const int failure =
        ::posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments.data(), environ);
    if (failure != 0) {
        streams.err << "corvel-cli: cannot run " << program << ": " << std::strerror(failure)
                    << '\n';
        return kExitRejected;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            streams.err << "corvel-cli: lost " << program << ": " << std::strerror(errno) << '\n';
            return kExitRejected;
        }
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    streams.err << "corvel-cli: " << program << " ended by signal " << WTERMSIG(status) << '\n';
    return kExitRejected;
#endif
}

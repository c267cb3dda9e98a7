#pragma once

#include <new>
#include <ostream>
#include <string>

// Exit statuses of corvel-cli: 0 done, 1 an input the calculator refuses (or a report that could
// not be written), 2 a command line that cannot be understood.
inline constexpr int kExitRejected = 1;
inline constexpr int kExitBadUsage = 2;

// Why the tool stops without a result: the status to exit with and the one-line message for the
// error stream. Thrown before anything is written, caught in the program's main function.
struct CliFailure {
    int status;
    std::string message;
};

[[noreturn]] inline void Reject(std::string message) {
    throw CliFailure{kExitRejected, std::move(message)};
}

[[noreturn]] inline void BadUsage(std::string message) {
    throw CliFailure{kExitBadUsage, std::move(message)};
}

// Runs a command (a callable returning its exit status); a failure it throws, or memory running
// out, becomes its one-line message on `err` and its exit status.
template <typename Command>
int ReportingFailures(std::ostream& err, Command command) {
    try {
        return command();
    } catch (const CliFailure& failure) {
        err << "corvel-cli: " << failure.message << '\n';
        return failure.status;
    } catch (const std::bad_alloc&) {
        err << "corvel-cli: not enough memory\n";
        return kExitRejected;
    }
}

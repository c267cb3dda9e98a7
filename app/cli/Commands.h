#pragma once

#include <ostream>

// corvel-cli as a function: parses the command line, runs the command in the working directory
// and returns the exit status (0 done, 1 rejected input or unwritable report, 2 bad usage).
// Results go to `out`, messages to `err`; on any failure nothing is written to `out` and no
// report file is touched. The user file "userData.dat" is read, never written.
int RunCorvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

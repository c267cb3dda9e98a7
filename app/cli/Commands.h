#pragma once

#include <ostream>

// corvel-cli as a function: parses the command line, runs the command in the working directory
// and returns the exit status (0 done, 1 rejected input, unwritable report or output, 2 bad
// usage). Results go to `out`, messages to `err` (with the progress of long sweeps when
// `errIsTerminal`). A single calculation that fails writes nothing to `out` and leaves the
// report files alone; a sweep that fails part-way has printed the rows before the failing one
// and takes back the report records it appended. The user file "userData.dat" is read, never
// written.
int RunCorvelCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                 bool errIsTerminal = false);

#pragma once

#include <string>
#include <string_view>
#include <vector>

// What every exported file says about itself in its opening comment: the program and version
// that wrote it, the date, the units and the inputs the materials were computed from, so that a
// card found in a solver deck years later can be traced and recomputed.
struct ExportHeader {
    std::string program;              // "Corvel" or "corvel-cli"
    std::string date;                 // when written; CurrentUtcDate() unless a test fixes it
    std::vector<std::string> inputs;  // one input per line: "resin: Hexcel 8552", ...
};

// The program version of this build ("2.2").
std::string CorvelVersion();

// The present moment in UTC, ISO 8601: "2024-05-17 14:03:22 UTC".
std::string CurrentUtcDate();

// The header's lines without a comment marker: who wrote the file for which solver, when, the
// units, then the inputs indented.
std::vector<std::string> HeaderLines(const ExportHeader& header, std::string_view solverName);

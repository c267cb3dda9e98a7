#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "Calculations.h"
#include "CliArguments.h"

// Where the tool writes: its output and error streams, and whether the error stream is a
// terminal (for the progress of long sweeps).
struct CliStreams {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

// What a ply or fabric command computes: its rows in order, each computed on its own (on any
// thread), and what tells them apart in a message.
struct RowPlan {
    ReportKind kind = ReportKind::UDPly;
    std::size_t count = 0;
    bool isSweep = false;
    // The widths of a sweep table's key columns: the widest volume fraction and model names.
    std::vector<std::size_t> keyWidths;
    std::function<Calculation(std::size_t)> compute;
    std::function<std::string(std::size_t)> describe;  // "vf 60 %, elastic CCA, thermal CCA"
    // A one-line remark on the results, "" for none: the packing limit of round fibres at the
    // densest row of a ply or mat. Printed after a table; to the error stream after CSV, JSON or
    // a material card, which programs read.
    std::string note;
};

// Computes the rows, appends their reports when asked and prints them; returns the exit status.
// A single calculation runs every check before anything is written. A sweep streams: rows are
// computed on `options.jobs` threads, printed in order as they come and their reports appended
// one whole record each; a row that is refused (results that are not all finite, inputs the
// library refuses) stops the sweep with status 1 after the rows before it, and every report
// record the run appended is taken back. Output that cannot be written fails the command the same
// way. Failures are thrown as CliFailure.
int Deliver(const RowPlan& plan, const OutputOptions& options, const CliStreams& streams);

// Fails with status 1 when the stream could not take everything written to it.
void CheckOutput(std::ostream& out);

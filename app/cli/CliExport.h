#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Calculations.h"
#include "CliArguments.h"
#include "SolverExport.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

// corvel-cli's material cards for finite-element solvers: `--export calculix|abaqus|nastran`
// prints the calculation's material (one per row of a sweep) instead of its results, or writes it
// whole to `--output FILE`; `--name` names it, otherwise the name is derived from the inputs. In a
// sweep every row's material is named with its volume fraction and models, after `--name` when
// given.

// Adds --export, --output and --name to a calculation command; --export excludes the `printing`
// flags (JSON, CSV), whose output it replaces. A --name that is not a solver label is bad usage.
void AddExportOptions(CLI::App& command, OutputOptions& output,
                      const std::vector<CLI::Option*>& printing);

// Bad usage when the format cannot hold the results asked for: CalculiX and laminate results.
void CheckExportUsage(const OutputOptions& options, bool laminate);

// A material card ready to go out: its format, its text and the file to write (empty: standard
// output).
struct CliExport {
    SolverFormat format;
    std::string text;
    std::string path;
};

// Nothing without --export; otherwise the card of every calculation. A material a solver would
// refuse (a modulus of 0, constants without a positive-definite stiffness) rejects the command
// before anything is written.
std::optional<CliExport> PrepareExport(const std::vector<Calculation>& calculations, bool isSweep,
                                       const OutputOptions& options);

// Prints the card or writes its file whole (a file that cannot be written rejects the command),
// then the report's confirmation, if any: with the card on standard output, on the error stream.
int FinishExport(const CliExport& exported, const std::string& reportConfirmation,
                 std::ostream& out, std::ostream& err);

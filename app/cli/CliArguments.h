#pragma once

#include <ostream>
#include <string>
#include <variant>

#include "ConfigurationDialog.h"
#include "DisplayOptionsDialog.h"

// The command line of corvel-cli, as typed: names and numbers stay texts here and are looked up
// and read by the commands, so their messages name what was typed.

// How results are printed: a table as the result forms show them, JSON, JSON lines (one
// object per line) or CSV.
enum class OutputFormat { Table, Json, JsonLines, Csv };

struct OutputOptions {
    OutputFormat format = OutputFormat::Table;
    bool report = false;  // append the calculator's report to its file in the working directory
    int jobs = 1;         // threads computing the rows of a sweep
    std::string exportFormat;  // calculix, abaqus or nastran: print a material card instead
    std::string outputPath;    // write the material card to this file instead of printing it
    std::string name;          // the material's name; "": derived from the inputs
};

struct ListCommand {
    std::string what;  // resins, fibres, weaves, elastic or thermal
    bool json = false;
};

struct WeaveCommand {
    std::string name;
    bool json = false;
};

struct PlyCommand {
    bool randomMat = false;
    std::string resin;
    std::string fibre;
    std::string vf;
    std::string elastic;  // empty: the first model of the list, as the form starts
    std::string thermal;
    OutputOptions output;
};

struct FabricCommand {
    std::string resin;
    std::string fibre;
    std::string vf;
    std::string weave;
    std::string warpCount;
    std::string fillCount;
    std::string density;
    std::string warpAngle;
    std::string fillAngle;
    std::string results = "3d";
    std::string method = "average";
    std::string model = "iso-stress";
    FabricConfiguration settings;
    std::string abdMinimum;
    std::string thermalMinimum;
    OutputOptions output;
};

// The verification cases and the validation against published laminae, as a terminal report,
// Markdown (docs/validation.md) or JSON.
struct ValidateCommand {
    enum class Format { Text, Markdown, Json };
    Format format = Format::Text;
};

// `plot ud|mat|fabric`: one displayed property against the fibre volume fraction for every model
// of the case, drawn to a PNG image, an SVG drawing or a CSV table. The case's options are those
// of its calculating command (without the output options), --vf being the range, 5:75:1 unless
// given.
struct PlotCommand {
    bool fabricCase = false;
    PlyCommand ply;  // ud (ply.randomMat false) and mat
    FabricCommand fabric;
    std::string property;
    std::string current;  // the volume fraction [%] drawn as a vertical line; "" for none
    std::string outputPath;
};

inline constexpr const char* kDefaultPlotRange = "5:75:1";

using CliCommand = std::variant<ListCommand, WeaveCommand, PlyCommand, FabricCommand,
                                ValidateCommand, PlotCommand>;

// Either the command to run or the status to exit with at once: 0 after printing help, 2 after
// a usage error (the message already printed to `err`).
struct ParsedCommandLine {
    CliCommand command;
    int exitStatus = -1;  // -1: run the command
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err);

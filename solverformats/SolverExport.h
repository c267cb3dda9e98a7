#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ExportHeader.h"
#include "LaminateSection.h"
#include "SolidMaterial.h"

// The three solver formats and the one entry point that writes a file of materials in any of
// them. CalculiX and Abaqus share their keyword input; CalculiX has no general shell section, so
// laminate results go only to Abaqus and Nastran.

enum class SolverFormat { CalculiX, Abaqus, Nastran };

// A 3D material for solid elements, or a shell section given by its ABD matrix.
using ExportedMaterial = std::variant<SolidMaterial, LaminateSection>;

// One file: its header and its materials (one for a calculation, one per row for a sweep).
struct ExportDocument {
    ExportHeader header;
    std::vector<ExportedMaterial> materials;
};

// The file's text, or why it cannot be written (then text is empty).
struct ExportText {
    std::string text;
    std::string problem;

    bool Written() const { return problem.empty(); }
};

// Refuses a document the format cannot hold (laminate results for CalculiX) or a material a
// solver would refuse (ExportProblem), naming the material; otherwise the header comment, then
// each material. Nastran numbers its entries from 1 in the order of the materials.
ExportText WriteSolverInput(SolverFormat format, const ExportDocument& document);

// Why the format cannot hold laminate results, or "" when it can.
std::string LaminateRefusal(SolverFormat format);

// "CalculiX", "Abaqus", "Nastran".
const char* SolverName(SolverFormat format);

// "calculix", "abaqus" or "nastran" in any case; nothing for another word.
std::optional<SolverFormat> ParseSolverFormat(std::string_view text);

// The file dialog's filter of the format ("CalculiX input (*.inp)") and its file extension
// (".inp", ".bdf").
const char* FileFilter(SolverFormat format);
const char* FileExtension(SolverFormat format);

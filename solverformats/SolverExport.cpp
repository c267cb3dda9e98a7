#include "SolverExport.h"

#include <cctype>
#include <sstream>

#include "AbaqusInput.h"
#include "NastranBulk.h"

namespace {

bool IsLaminate(const ExportedMaterial& material) {
    return std::holds_alternative<LaminateSection>(material);
}

const std::string& NameOf(const ExportedMaterial& material) {
    return std::visit([](const auto& m) -> const std::string& { return m.name; }, material);
}

std::string ProblemOf(const ExportedMaterial& material) {
    return std::visit([](const auto& m) { return ExportProblem(m); }, material);
}

}  // namespace

std::string LaminateRefusal(SolverFormat format) {
    if (format == SolverFormat::CalculiX) {
        return "CalculiX has no general shell section for laminate (ABD) results; export them "
               "for Abaqus or Nastran, or export 3D results for CalculiX";
    }
    return "";
}

ExportText WriteSolverInput(SolverFormat format, const ExportDocument& document) {
    for (const ExportedMaterial& material : document.materials) {
        if (IsLaminate(material) && !LaminateRefusal(format).empty()) {
            return {"", LaminateRefusal(format)};
        }
        const std::string problem = ProblemOf(material);
        if (!problem.empty()) {
            return {"", "material " + NameOf(material) + " cannot be exported: " + problem};
        }
    }
    std::ostringstream out;
    const std::vector<std::string> header = HeaderLines(document.header, SolverName(format));
    int number = 0;
    if (format == SolverFormat::Nastran) {
        WriteNastranComments(out, header);
        for (const ExportedMaterial& material : document.materials) {
            ++number;
            out << "$\n";
            if (IsLaminate(material)) {
                WriteNastranLaminate(out, std::get<LaminateSection>(material), number,
                                     3 * number - 2);
            } else {
                WriteNastranSolid(out, std::get<SolidMaterial>(material), number);
            }
        }
    } else {
        WriteKeywordComments(out, header);
        for (const ExportedMaterial& material : document.materials) {
            out << "**\n";
            if (IsLaminate(material)) {
                WriteShellGeneralSection(out, std::get<LaminateSection>(material));
            } else {
                WriteMaterialKeywords(out, std::get<SolidMaterial>(material));
            }
        }
    }
    return {out.str(), ""};
}

const char* SolverName(SolverFormat format) {
    switch (format) {
        case SolverFormat::CalculiX:
            return "CalculiX";
        case SolverFormat::Abaqus:
            return "Abaqus";
        case SolverFormat::Nastran:
            break;
    }
    return "Nastran";
}

std::optional<SolverFormat> ParseSolverFormat(std::string_view text) {
    std::string lowered;
    for (char c : text) {
        lowered += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (SolverFormat format :
         {SolverFormat::CalculiX, SolverFormat::Abaqus, SolverFormat::Nastran}) {
        std::string name = SolverName(format);
        for (char& c : name) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (name == lowered) {
            return format;
        }
    }
    return std::nullopt;
}

const char* FileFilter(SolverFormat format) {
    switch (format) {
        case SolverFormat::CalculiX:
            return "CalculiX input (*.inp)";
        case SolverFormat::Abaqus:
            return "Abaqus input (*.inp)";
        case SolverFormat::Nastran:
            break;
    }
    return "Nastran bulk data (*.bdf *.nas)";
}

const char* FileExtension(SolverFormat format) {
    return format == SolverFormat::Nastran ? ".bdf" : ".inp";
}

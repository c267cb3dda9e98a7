#include "ResultExport.h"

#include <filesystem>

#include "WholeFile.h"

namespace {

constexpr const char* kExportCaption = "Export";

bool HasLaminate(const ExportDocument& document) {
    for (const ExportedMaterial& material : document.materials) {
        if (std::holds_alternative<LaminateSection>(material)) {
            return true;
        }
    }
    return false;
}

std::string FirstName(const ExportDocument& document) {
    if (document.materials.empty()) {
        return "material";
    }
    return std::visit([](const auto& m) { return m.name; }, document.materials.front());
}

Message Warning(const std::string& text) {
    return Message{text, kExportCaption, MessageIcon::Exclamation};
}

}  // namespace

std::vector<SolverFormat> CResultExport::Formats() const {
    std::vector<SolverFormat> formats;
    for (SolverFormat format :
         {SolverFormat::CalculiX, SolverFormat::Abaqus, SolverFormat::Nastran}) {
        if (!HasLaminate(document_) || LaminateRefusal(format).empty()) {
            formats.push_back(format);
        }
    }
    return formats;
}

void CResultExport::Run(IWindowSystem& windowSystem) {
    const std::vector<SolverFormat> formats = Formats();
    if (document_.materials.empty()) {
        windowSystem.ShowMessage(Warning("There are no results to export."));
        return;
    }
    const ExportText probe = WriteSolverInput(formats.front(), document_);
    if (!probe.Written()) {
        windowSystem.ShowMessage(Warning(probe.problem));
        return;
    }
    SaveFileQuestion question{
        "Export material", {}, FirstName(document_) + FileExtension(formats.front())};
    for (SolverFormat format : formats) {
        question.filters.push_back(FileFilter(format));
    }
    const SaveFileAnswer answer = windowSystem.AskSaveFile(question);
    if (answer.path.empty()) {
        return;
    }
    const bool known = answer.filter >= 0 && answer.filter < static_cast<int>(formats.size());
    const SolverFormat format = formats[known ? answer.filter : 0];
    std::filesystem::path path = answer.path;
    if (!path.has_extension()) {
        path += FileExtension(format);
    }
    ExportDocument document = document_;
    document.header.date = CurrentUtcDate();
    const ExportText text = WriteSolverInput(format, document);
    const std::string problem = text.Written() ? WriteWholeFile(path, text.text) : text.problem;
    if (!problem.empty()) {
        windowSystem.ShowMessage(
            Warning("The material could not be written to '" + path.string() + "': " + problem));
        return;
    }
    windowSystem.ShowMessage(Message{
        std::string(SolverName(format)) + " material written to file: '" + path.string() + "'",
        kProgramCaption, MessageIcon::Information});
}

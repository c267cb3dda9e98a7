#pragma once

#include <vector>

#include "SolverExport.h"
#include "WindowSystem.h"

// The "Export..." command of a result form: writes the calculation's material card for a
// finite-element solver. The user picks the file and, by its file type, the format in a save-file
// dialog; CalculiX is not offered for laminate results, which it cannot hold. A file name typed
// without an extension gets the format's. The file is written whole or not at all, and a message
// confirms it or says why not (a material a solver would refuse is refused before the dialog).
class CResultExport {
public:
    // The document of the calculation shown; it replaces the previous one. Its header is dated
    // when the file is written.
    void SetDocument(ExportDocument document) { document_ = std::move(document); }
    const ExportDocument& Document() const { return document_; }

    // The formats offered, in the dialog's order.
    std::vector<SolverFormat> Formats() const;

    void Run(IWindowSystem& windowSystem);

private:
    ExportDocument document_;
};

#include "ResultsABDDialog.h"

CResultsABDDialog::CResultsABDDialog(IWindowSystem& windowSystem)
    : CResultsForm(windowSystem, "ABD RESULTS", "Create Output", ResultCase::Fabric,
                   FabricLaminateProperties()) {}

bool CResultsABDDialog::IsRightAligned(std::size_t field) {
    return field <= FabricABDResults::D66 || field >= FabricABDResults::A16OverA11;
}

#include "ResultsUDDialog.h"

namespace {

const CResultTableForm<UDResults>::Rows kRows = {{
    {"  Ex", "[GPa]  "},
    {"  Ey = Ez", "[GPa]  "},
    {"  Gxy = Gxz", "[GPa]  "},
    {"  Gyz", "[GPa]  "},
    {"  ν xy = ν xz", "[]  "},
    {"  ν yx = ν zx", "[]  "},
    {"  ν yz = ν zy", "[]  "},
    {"  α x", "[ppm/K]  "},
    {"  α y = α z", "[ppm/K]  "},
}};

}  // namespace

CResultsUDDialog::CResultsUDDialog(IWindowSystem& windowSystem)
    : CResultTableForm(windowSystem, "MicroMechanical Model Results", "Create Output",
                       ResultCase::UDPly, UDPlyProperties(), kRows) {}

const CResultsUDDialog::Rows& CResultsUDDialog::RowTexts() {
    return kRows;
}

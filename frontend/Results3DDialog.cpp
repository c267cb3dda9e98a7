#include "Results3DDialog.h"

namespace {

const CResultTableForm<Fabric3DResults>::Rows kRows = {{
    {"  Ex", "[GPa]  "},
    {"  Ey", "[GPa]  "},
    {"  Ez", "[GPa]  "},
    {"  Gxy", "[GPa]  "},
    {"  Gxz", "[GPa]  "},
    {"  Gyz", "[GPa]  "},
    {"  ν xy", "[]  "},
    {"  ν xz", "[]  "},
    {"  ν yz", "[]  "},
    {"  ν yx", "[]  "},
    {"  ν zx", "[]  "},
    {"  ν zy", "[]  "},
    {"  α x", "[ppm/K]  "},
    {"  α y", "[ppm/K]  "},
    {"  α z", "[ppm/K]  "},
    {"  α xy", "[ppm/K]  "},
    {"  C16/C11", "[]  "},
    {"  C26/C22", "[]  "},
}};

}  // namespace

CResults3DDialog::CResults3DDialog(IWindowSystem& windowSystem)
    : CResultTableForm(windowSystem, "3D Results", "Create Output File", ResultCase::Fabric,
                       Fabric3DProperties(), kRows) {}

const CResults3DDialog::Rows& CResults3DDialog::RowTexts() {
    return kRows;
}

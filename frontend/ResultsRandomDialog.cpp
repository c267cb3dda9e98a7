#include "ResultsRandomDialog.h"

namespace {

const CResultTableForm<RandomMatResults>::Rows kRows = {{
    {"  Ex = Ey", "[GPa]  "},
    {"  Ez", "[GPa]  "},
    {"  Gxy", "[GPa]  "},
    {"  Gyz = Gzx", "[GPa]  "},
    {"  ν xy = ν yx", "[]  "},
    {"  ν zx = ν zy", "[]  "},
    {"  ν xz = ν yz", "[]  "},
    {"  α x = α y", "[ppm/K]  "},
    {"  α z", "[ppm/K]  "},
}};

}  // namespace

CResultsRandomDialog::CResultsRandomDialog(IWindowSystem& windowSystem)
    : CResultTableForm(windowSystem, "Random Model Results", "Create Output", ResultCase::RandomMat,
                       RandomMatProperties(), kRows) {}

const CResultsRandomDialog::Rows& CResultsRandomDialog::RowTexts() {
    return kRows;
}

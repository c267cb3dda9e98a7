#pragma once

#include "Control.h"
#include "ResultRecords.h"
#include "ResultsForm.h"

// "ABD RESULTS": the woven fabric as a laminate, from WFProperties models 1 and 2, laid out as
// the relation {NT; MT} = [A B; . D] {epsilon; kappa}: the upper triangles of A [MN/m], B [kN]
// and D [N m] row by row, the thermal resultants NT and MT, the free thermal strains [%/K] and
// curvatures [1/(m K)] per kelvin, and the four coupling ratios. Entries below the minimum
// displayed values arrive as 0 in the record. "Create Output" and "Return".
class CResultsABDDialog : public CResultsForm<FabricABDResults> {
public:
    explicit CResultsABDDialog(IWindowSystem& windowSystem);

    // The matrix entries and coupling ratios are right-aligned in their fields; the thermal
    // vectors are not.
    static bool IsRightAligned(std::size_t field);

    const CLabel aGroup{"A  [MN/m]"};
    const CLabel bGroup{"B  [kN]"};
    const CLabel dGroup{"D  [N m]"};
    const CLabel ntGroup{"NT [N/(m K)]"};
    const CLabel mtGroup{"MT [N/K]"};
    const CLabel equalsSign{"="};
    const CLabel strainSymbol{"ε"};
    const CLabel strainUnit{"    [%/K]"};
    const CLabel curvatureSymbol{"κ"};
    const CLabel curvatureUnit{"    [1/(m K)]"};
    const CLabel couplingGroup{"Coupling Terms"};
    const CLabel a16OverA11Label{"A16/A11"};
    const CLabel a26OverA22Label{"A26/A22"};
    const CLabel d16OverD11Label{"D16/D11"};
    const CLabel d26OverD22Label{"D26/D22"};
};

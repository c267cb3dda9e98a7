#pragma once

#include "ResultRecords.h"
#include "ResultsForm.h"

// "MicroMechanical Model Results": the UD ply's elastic constants [GPa] and expansion
// coefficients [ppm/K] from UDMixel, with "Create Output" and "Return".
class CResultsUDDialog : public CResultTableForm<UDResults> {
public:
    explicit CResultsUDDialog(IWindowSystem& windowSystem);

    // The label and unit of each row, in the record's order.
    static const Rows& RowTexts();
};

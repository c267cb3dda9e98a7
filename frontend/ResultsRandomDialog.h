#pragma once

#include "ResultRecords.h"
#include "ResultsForm.h"

// "Random Model Results": the random mat's in-plane isotropic constants [GPa] and expansion
// coefficients [ppm/K] from RNDProperties, with "Create Output" and "Return".
class CResultsRandomDialog : public CResultTableForm<RandomMatResults> {
public:
    explicit CResultsRandomDialog(IWindowSystem& windowSystem);

    // The label and unit of each row, in the record's order.
    static const Rows& RowTexts();
};

#pragma once

#include "ResultRecords.h"
#include "ResultsForm.h"

// "3D Results": the woven fabric's 3D engineering constants [GPa], expansion coefficients
// [ppm/K] and in-plane coupling ratios from WFProperties model 0, with "Create Output File" and
// "Return".
class CResults3DDialog : public CResultTableForm<Fabric3DResults> {
public:
    explicit CResults3DDialog(IWindowSystem& windowSystem);

    // The label and unit of each row, in the record's order.
    static const Rows& RowTexts();
};

#pragma once

#include <functional>

#include "FormView.h"
#include "MaterialsDialog.h"

class QTableWidget;

// "Materials": the group "Resins" over the group "Fibres", each a table with a column per
// property (the unit in its header) and the user and date, built-in rows greyed; below them the
// note on the selected row and "Edit...", "Delete" and "Close". A double-click on a row edits it.
class CMaterialsView : public CFormView {
public:
    CMaterialsView(CMaterialsDialog& form, QWidget* parent);

private:
    QTableWidget* MakeTable(CTable& table, const char* name, std::function<void(int)> select);

    CMaterialsDialog& form_;
};

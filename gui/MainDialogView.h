#pragma once

#include "FormView.h"
#include "MainDialog.h"

class CShortcutPassage;
class QMenuBar;

// The "Plycalc" main form: the menu bar, then the groups top to bottom (case, materials, the
// weave group or the micromechanical group in one shared place, the inputs, results format and
// calculation method), then "Calculate" (the default button), "Chart..." and "Exit". Which controls
// show follows the form's case layout.
class CMainDialogView : public CFormView {
public:
    CMainDialogView(CMainDialog& form, QWidget* parent);

private:
    // The menus of the form; their shortcuts are handed to the passage.
    QMenuBar* MakeMenuBar(CShortcutPassage& passage);
    QWidget* MakeCaseGroup();
    QWidget* MakeMaterialGroup();
    QWidget* MakeModelPlace();
    QWidget* MakeWeaveGroup();
    QWidget* MakeMicromechanicalGroup();
    QLayout* MakeInputRows();
    QLayout* MakeFormatAndMethodGroups();

    CMainDialog& form_;
};

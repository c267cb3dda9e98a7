#pragma once

#include <functional>

#include "FibreDialog.h"
#include "FormView.h"
#include "ResinDialog.h"

class QGridLayout;

// A creation form's view: name, user and date above the group "Properties" (whose rows the
// concrete view fills), then "Create" and "Cancel".
class CMaterialView : public CFormView {
protected:
    using CFormView::CFormView;
    // Builds the whole form, top to bottom (which is also the tab order); `addPropertyRows`
    // fills the grid of the "Properties" group.
    void LayOut(CMaterialForm& form, const std::function<void(QGridLayout*)>& addPropertyRows);
};

// "User defined resin": name, user and date, then the group "Properties" with E [GPa], nu and
// alpha [ppm/K], and "Create" and "Cancel".
class CResinView : public CMaterialView {
public:
    CResinView(CResinDialog& form, QWidget* parent);
};

// "User defined material" (a fibre): name, user and date, then the group "Properties" with the
// four moduli [GPa], nu12, the two expansion coefficients [ppm/K] and the density [Kg/m3], and
// "Create" and "Cancel".
class CFibreView : public CMaterialView {
public:
    CFibreView(CFibreDialog& form, QWidget* parent);
};

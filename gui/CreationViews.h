#pragma once

#include "FibreDialog.h"
#include "FormView.h"
#include "ResinDialog.h"

class QGridLayout;

// "User defined resin": name, user and date, then the group "Properties" with E [GPa], nu and
// alpha [ppm/K], and "Create" and "Cancel".
class CResinView : public CFormView {
public:
    CResinView(CResinDialog& form, QWidget* parent);
};

// "User defined material" (a fibre): name, user and date, then the group "Properties" with the
// four moduli [GPa], nu12, the two expansion coefficients [ppm/K] and the density [Kg/m3], and
// "Create" and "Cancel".
class CFibreView : public CFormView {
public:
    CFibreView(CFibreDialog& form, QWidget* parent);
};

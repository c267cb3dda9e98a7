#pragma once

#include <functional>

#include "AboutDialog.h"
#include "ConfigurationDialog.h"
#include "DisplayOptionsDialog.h"
#include "FormView.h"

class QGridLayout;
class QLabel;
class QSlider;

// "CONFIGURATION": the Gauss-point slider and the grouped percentage sliders (warp and fill
// undulation, fibre height and width, finite-element accuracy from "Fine" to "Coarse"), each with
// a read-out of its position, and "OK" and "Cancel".
class CConfigurationView : public CFormView {
public:
    CConfigurationView(CConfigurationDialog& form, QWidget* parent);

private:
    QSlider* MakeSlider(CSlider& slider, const char* name);
    void AddSliderRow(QGridLayout* grid, int row, const CLabel& label, CSlider& slider,
                      const char* name);

    CConfigurationDialog& form_;
};

// "DISPLAY OPTIONS": the two minimum displayed values, each a read-only field stepped by a
// horizontal spin button a decade at a time, and "OK" and "Cancel".
class CDisplayOptionsView : public CFormView {
public:
    CDisplayOptionsView(CDisplayOptionsDialog& form, QWidget* parent);

private:
    QWidget* MakeMinimumGroup(const CLabel& caption, const CLabel& label, const CNumberField& field,
                              const CSpinButton& spin,
                              const std::function<void(SpinDirection)>& step, const char* name);

    CDisplayOptionsDialog& form_;
};

// "About Plycalc": the program's name and version and OK.
class CAboutView : public CFormView {
public:
    CAboutView(CAboutDialog& form, QWidget* parent);
};

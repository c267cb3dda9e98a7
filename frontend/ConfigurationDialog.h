#pragma once

#include "Control.h"
#include "Form.h"
#include "Slider.h"

// The settings of the woven-fabric models, each a slider position. Percentages reach the
// library as fractions (value x 0.01) in the fabric array; gaussPoints is the number of Gauss
// points per direction; accuracy (0 fine .. 100 coarse) sets how far the finite-element grid is
// coarsened.
struct FabricConfiguration {
    int gaussPoints = 8;
    int warpUndulation = 100;
    int fillUndulation = 100;
    int fibreHeight = 95;  // % of the layer height
    int fibreWidth = 85;   // % of the unit-cell width
    int accuracy = 0;

    bool operator==(const FabricConfiguration&) const = default;
};

// The "CONFIGURATION" form. It keeps the stored settings for the whole run (they start from the
// defaults at every run): opening places each slider at its setting, "OK" stores the six
// positions and "Cancel" leaves the settings as they were.
class CConfigurationDialog : public CForm {
public:
    explicit CConfigurationDialog(IWindowSystem& windowSystem);

    const FabricConfiguration& Settings() const { return settings_; }

    CSlider& GaussPointsSlider() { return gaussPoints_; }
    CSlider& WarpUndulationSlider() { return warpUndulation_; }
    CSlider& FillUndulationSlider() { return fillUndulation_; }
    CSlider& FibreHeightSlider() { return fibreHeight_; }
    CSlider& FibreWidthSlider() { return fibreWidth_; }
    CSlider& AccuracySlider() { return accuracy_; }

    // Static texts, top to bottom, for a view.
    const CLabel gaussPointsLabel{"Gauss Points :"};
    const CLabel warpGroup{"WARP:"};
    const CLabel warpUndulationLabel{"Undulation [%]:"};
    const CLabel fillGroup{"FILL:"};
    const CLabel fillUndulationLabel{"Undulation [%]:"};
    const CLabel fibreHeightGroup{"FIBRE HEIGHT:"};
    const CLabel fibreHeightLabel{"% of layer height:"};
    const CLabel fibreWidthGroup{"FIBRE WIDTH:"};
    const CLabel fibreWidthLabel{"% of unit cell width:"};
    const CLabel accuracyGroup{"ACCURACY (Finite Elements Analysis):"};
    const CLabel fineLabel{"Fine"};
    const CLabel coarseLabel{"Coarse"};
    const CButton okButton{"OK", true};
    const CButton cancelButton{"Cancel"};

protected:
    void OnInitDialog() override;
    void DoFieldExchange(CFieldExchange& exchange) override;

private:
    FabricConfiguration settings_;
    CSlider gaussPoints_;
    CSlider warpUndulation_;
    CSlider fillUndulation_;
    CSlider fibreHeight_;
    CSlider fibreWidth_;
    CSlider accuracy_;
};

#include "SettingsViews.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kSliderWidth = 220;

}  // namespace

CConfigurationView::CConfigurationView(CConfigurationDialog& form, QWidget* parent)
    : CFormView(form, parent), form_(form) {
    auto* layout = new QVBoxLayout(this);

    auto* gauss = new QGridLayout;
    AddSliderRow(gauss, 0, form_.gaussPointsLabel, form_.GaussPointsSlider(), "gaussPointsSlider");
    layout->addLayout(gauss);
    QGroupBox* firstGroup = nullptr;

    const auto addGroup = [&](const CLabel& caption, const CLabel& label, CSlider& slider,
                              const char* name) {
        QGroupBox* group = MakeGroup(caption);
        auto* grid = new QGridLayout(group);
        AddSliderRow(grid, 0, label, slider, name);
        layout->addWidget(group);
        firstGroup = firstGroup ? firstGroup : group;
    };
    addGroup(form_.warpGroup, form_.warpUndulationLabel, form_.WarpUndulationSlider(),
             "warpUndulationSlider");
    addGroup(form_.fillGroup, form_.fillUndulationLabel, form_.FillUndulationSlider(),
             "fillUndulationSlider");
    addGroup(form_.fibreHeightGroup, form_.fibreHeightLabel, form_.FibreHeightSlider(),
             "fibreHeightSlider");
    addGroup(form_.fibreWidthGroup, form_.fibreWidthLabel, form_.FibreWidthSlider(),
             "fibreWidthSlider");

    IndentLikeGroup(gauss, firstGroup);

    QGroupBox* accuracy = MakeGroup(form_.accuracyGroup);
    auto* accuracyRow = new QHBoxLayout(accuracy);
    accuracyRow->addWidget(MakeLabel(form_.fineLabel));
    accuracyRow->addWidget(MakeSlider(form_.AccuracySlider(), "accuracySlider"), 1);
    accuracyRow->addWidget(MakeLabel(form_.coarseLabel));
    layout->addWidget(accuracy);

    layout->addLayout(
        MakeButtonRow({MakeButton(form_.okButton, [this] { form_.PressOK(); }),
                       MakeButton(form_.cancelButton, [this] { form_.PressCancel(); })}));
}

QSlider* CConfigurationView::MakeSlider(CSlider& slider, const char* name) {
    auto* widget = new QSlider(Qt::Horizontal, this);
    widget->setObjectName(name);
    widget->setTickPosition(QSlider::TicksBelow);
    widget->setMinimumWidth(kSliderWidth);
    Bind<CSliderMirror>(slider, widget, Command([] {}));
    return widget;
}

// Label, slider and its position; every label column has the same width, so the sliders of the
// groups line up.
void CConfigurationView::AddSliderRow(QGridLayout* grid, int row, const CLabel& label,
                                      CSlider& slider, const char* name) {
    QLabel* labelWidget = MakeLabel(label);
    labelWidget->setMinimumWidth(
        labelWidget->fontMetrics().horizontalAdvance("% of unit cell width:") + 8);
    QSlider* widget = MakeSlider(slider, name);
    grid->addWidget(labelWidget, row, 0);
    grid->addWidget(widget, row, 1);
    auto* readout = new QLabel(this);
    readout->setMinimumWidth(readout->fontMetrics().horizontalAdvance("100") + 4);
    readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Bind<CSliderReadoutMirror>(slider, readout);
    grid->addWidget(readout, row, 2);
    grid->setColumnStretch(1, 1);
}

CDisplayOptionsView::CDisplayOptionsView(CDisplayOptionsDialog& form, QWidget* parent)
    : CFormView(form, parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeMinimumGroup(
        form_.abdGroup, form_.abdLabel, form_.AbdMinimumField(), form_.abdSpin,
        [this](SpinDirection d) { form_.StepAbdMinimum(d); }, "abdMinimum"));
    layout->addWidget(MakeMinimumGroup(
        form_.thermalGroup, form_.thermalLabel, form_.ThermalMinimumField(), form_.thermalSpin,
        [this](SpinDirection d) { form_.StepThermalMinimum(d); }, "thermalMinimum"));
    layout->addLayout(
        MakeButtonRow({MakeButton(form_.okButton, [this] { form_.PressOK(); }),
                       MakeButton(form_.cancelButton, [this] { form_.PressCancel(); })}));
}

// The field cannot be typed into: only the spin steps change the value it shows.
QWidget* CDisplayOptionsView::MakeMinimumGroup(const CLabel& caption, const CLabel& label,
                                               const CNumberField& field, const CSpinButton& spin,
                                               const std::function<void(SpinDirection)>& step,
                                               const char* name) {
    QGroupBox* group = MakeGroup(caption);
    auto* row = new QHBoxLayout(group);
    row->addWidget(MakeLabel(label));
    QLineEdit* value = MakeNumberDisplay(field, (std::string(name) + "Field").c_str());
    value->setAlignment(Qt::AlignRight);
    row->addWidget(value, 1);
    auto* decrease = new QToolButton(group);
    auto* increase = new QToolButton(group);
    decrease->setObjectName(std::string(name) + "Decrease");
    increase->setObjectName(std::string(name) + "Increase");
    row->addWidget(decrease);
    row->addWidget(increase);
    Bind<CSpinMirror>(spin, decrease, increase, [this, step](SpinDirection direction) {
        RunCommand([step, direction] { step(direction); });
    });
    return group;
}

CAboutView::CAboutView(CAboutDialog& form, QWidget* parent) : CFormView(form, parent) {
    auto* layout = new QVBoxLayout(this);
    QLabel* version = MakeLabel(form.VersionText());
    version->setAlignment(Qt::AlignCenter);
    QFont larger = version->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.2);
    version->setFont(larger);
    layout->addWidget(version);
    layout->addSpacing(12);
    layout->addLayout(MakeButtonRow({MakeButton(form.OkButton(), [&form] { form.PressOK(); })}));
    layout->setContentsMargins(24, 18, 24, 12);
    setMinimumWidth(280);
}

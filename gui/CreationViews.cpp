#include "CreationViews.h"

#include <functional>

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Name, user and date above the properties; their label column is as wide as the properties'
// so that every field starts in one column.
constexpr int kLabelColumnWidth = 70;

QGridLayout* MakeGrid() {
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, kLabelColumnWidth);
    grid->setColumnStretch(1, 1);
    return grid;
}

}  // namespace

void CMaterialView::LayOut(CMaterialForm& form,
                           const std::function<void(QGridLayout*)>& addPropertyRows) {
    auto* layout = new QVBoxLayout(this);
    QGridLayout* identity = MakeGrid();
    AddFieldRow(identity, 0, form.nameLabel, MakeTextField(form.NameField(), "nameField"));
    AddFieldRow(identity, 1, form.userLabel, MakeTextField(form.UserField(), "userField"));
    AddFieldRow(identity, 2, form.dateLabel, MakeTextField(form.DateField(), "dateField"));
    layout->addLayout(identity);

    QGroupBox* properties = MakeGroup(form.propertiesGroup);
    QGridLayout* propertyGrid = MakeGrid();
    addPropertyRows(propertyGrid);
    properties->setLayout(propertyGrid);
    layout->addWidget(properties);
    IndentLikeGroup(identity, properties);

    layout->addLayout(
        MakeButtonRow({MakeButton(form.createButton, [&form] { form.PressCreate(); }),
                       MakeButton(form.cancelButton, [&form] { form.PressCancel(); })}));
}

CResinView::CResinView(CResinDialog& form, QWidget* parent) : CMaterialView(form, parent) {
    LayOut(form, [this, &form](QGridLayout* grid) {
        AddFieldRow(grid, 0, form.eLabel, MakeNumberField(form.EField(), "eField"), &form.eUnit);
        AddFieldRow(grid, 1, form.nuLabel, MakeNumberField(form.NuField(), "nuField"),
                    &form.nuUnit);
        AddFieldRow(grid, 2, form.alphaLabel, MakeNumberField(form.AlphaField(), "alphaField"),
                    &form.alphaUnit);
    });
}

CFibreView::CFibreView(CFibreDialog& form, QWidget* parent) : CMaterialView(form, parent) {
    LayOut(form, [this, &form](QGridLayout* grid) {
        AddFieldRow(grid, 0, form.e1Label, MakeNumberField(form.E1Field(), "e1Field"),
                    &form.modulusUnit);
        AddFieldRow(grid, 1, form.e2Label, MakeNumberField(form.E2Field(), "e2Field"),
                    &form.modulusUnit);
        AddFieldRow(grid, 2, form.g12Label, MakeNumberField(form.G12Field(), "g12Field"),
                    &form.modulusUnit);
        AddFieldRow(grid, 3, form.g23Label, MakeNumberField(form.G23Field(), "g23Field"),
                    &form.modulusUnit);
        AddFieldRow(grid, 4, form.nu12Label, MakeNumberField(form.Nu12Field(), "nu12Field"),
                    &form.nu12Unit);
        AddFieldRow(grid, 5, form.alpha1Label, MakeNumberField(form.Alpha1Field(), "alpha1Field"),
                    &form.alphaUnit);
        AddFieldRow(grid, 6, form.alpha2Label, MakeNumberField(form.Alpha2Field(), "alpha2Field"),
                    &form.alphaUnit);
        AddFieldRow(grid, 7, form.densityLabel,
                    MakeNumberField(form.DensityField(), "densityField"), &form.densityUnit);
    });
}

#include "MaterialsView.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

CMaterialsView::CMaterialsView(CMaterialsDialog& form, QWidget* parent)
    : CFormView(form, parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    const std::pair<const CLabel*, QTableWidget*> groups[] = {
        {&form.resinsGroup,
         MakeTable(form.ResinTable(), "resinTable", [&form](int row) { form.SelectResin(row); })},
        {&form.fibresGroup,
         MakeTable(form.FibreTable(), "fibreTable", [&form](int row) { form.SelectFibre(row); })},
    };
    for (const auto& [caption, table] : groups) {
        QGroupBox* group = MakeGroup(*caption);
        auto* groupLayout = new QVBoxLayout(group);
        groupLayout->addWidget(table);
        layout->addWidget(group, 1);
    }
    QLabel* note = MakeLabel(form.selectionNote);
    note->setObjectName("selectionNote");
    layout->addWidget(note);
    QHBoxLayout* buttons =
        MakeButtonRow({MakeButton(form.editButton, [&form] { form.EditSelected(); }),
                       MakeButton(form.deleteButton, [&form] { form.DeleteSelected(); }),
                       MakeButton(form.closeButton, [&form] { form.PressClose(); })});
    layout->addLayout(buttons);
}

// Selecting a row runs the form's selection command for its table; a double-click edits.
QTableWidget* CMaterialsView::MakeTable(CTable& table, const char* name,
                                        std::function<void(int)> select) {
    auto* widget = new QTableWidget(this);
    widget->setObjectName(name);
    Bind<CTableMirror>(table, widget, Command([&table, select] { select(table.Selection()); }),
                       Command([&table, select, this] {
                           select(table.Selection());
                           form_.EditSelected();
                       }));
    return widget;
}

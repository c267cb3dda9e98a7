#include "ResultViews.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ResultRecords.h"

namespace {

// Six significant digits with sign and exponent fit in this width. The values take the focus
// only when clicked (to copy them).
constexpr int kValueWidth = 100;

std::string ValueFieldName(std::size_t field) {
    return "value" + std::to_string(field);
}

}  // namespace

template <typename Record>
QLayout* CResultsView::MakeHeading(const CResultsForm<Record>& form) {
    auto* heading = new QVBoxLayout;
    QLabel* summary = MakeLabel(form.Summary());
    summary->setObjectName("summary");
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A fabric's summary is longer than its table is wide: it wraps rather than widening the
    // value column.
    summary->setWordWrap(true);
    heading->addWidget(summary);
    auto* thickness = new QHBoxLayout;
    QLineEdit* value = MakeNumberDisplay(form.ThicknessField(), "thickness");
    value->setMinimumWidth(kValueWidth);
    value->setMaximumWidth(kValueWidth + 20);
    value->setAlignment(Qt::AlignRight);
    value->setFocusPolicy(Qt::ClickFocus);
    QLabel* label = MakeLabel(form.ThicknessLabel());
    label->setBuddy(value);
    thickness->addWidget(label);
    thickness->addWidget(value);
    thickness->addWidget(MakeLabel(form.ThicknessUnit()));
    thickness->addStretch(1);
    heading->addLayout(thickness);
    return heading;
}

// The form opens with the focus on "Return", so that Enter leaves it as it does from a value; Tab
// goes through the buttons in their order on the form.
template <typename Record>
QLayout* CResultsView::MakeButtons(CResultsForm<Record>& form) {
    QPushButton* copy = MakeButton(form.copyButton, [&form] { form.PressCopy(); });
    QPushButton* exportButton = MakeButton(form.exportButton, [&form] { form.PressExport(); });
    QPushButton* output = MakeButton(form.outputButton, [&form] { form.PressOutput(); });
    QPushButton* returnButton = MakeButton(form.returnButton, [&form] { form.PressReturn(); });
    returnButton->setFocus(Qt::OtherFocusReason);
    return MakeButtonRow({copy, exportButton, output, returnButton});
}

void CResultsView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        CFormView::keyPressEvent(event);
        return;
    }
    const auto* focused = dynamic_cast<const CButton*>(ControlOf(QApplication::focusWidget()));
    RunCommand([this, focused] { pressEnter_(focused); });
}

template <typename Record>
CResultTableView<Record>::CResultTableView(CResultTableForm<Record>& form, QWidget* parent)
    : CResultsView(form, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MakeHeading(form));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    QLabel* headings[] = {MakeLabel(form.propertyHeading), MakeLabel(form.unitHeading),
                          MakeLabel(form.valueHeading)};
    for (int column = 0; column < 3; ++column) {
        QFont bold = headings[column]->font();
        bold.setBold(true);
        headings[column]->setFont(bold);
        grid->addWidget(headings[column], 0, column);
    }
    for (std::size_t i = 0; i < Record::kFieldCount; ++i) {
        const int row = static_cast<int>(i) + 1;
        QLineEdit* value = MakeNumberField(form.ValueField(i), ValueFieldName(i).c_str());
        value->setMinimumWidth(kValueWidth);
        value->setAlignment(Qt::AlignRight);
        value->setFocusPolicy(Qt::ClickFocus);
        grid->addWidget(MakeLabel(form.RowLabel(i)), row, 0);
        grid->addWidget(MakeLabel(form.RowUnit(i)), row, 1);
        grid->addWidget(value, row, 2);
    }
    layout->addLayout(grid);
    QLabel* note = MakeLabel(form.Note());
    note->setObjectName("note");
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addLayout(MakeButtons(form));
}

template class CResultTableView<UDResults>;
template class CResultTableView<RandomMatResults>;
template class CResultTableView<Fabric3DResults>;

CResultsABDView::CResultsABDView(CResultsABDDialog& form, QWidget* parent)
    : CResultsView(form, parent), form_(form) {
    using F = FabricABDResults;
    auto* relation = new QGridLayout;
    relation->addWidget(MakeVectorGroup(form_.ntGroup, F::NTx), 0, 0);
    relation->addWidget(MakeVectorGroup(form_.mtGroup, F::MTx), 1, 0);
    QLabel* equals = MakeLabel(form_.equalsSign);
    QFont large = equals->font();
    large.setPointSizeF(large.pointSizeF() * 2.0);
    equals->setFont(large);
    relation->addWidget(equals, 0, 1, 2, 1, Qt::AlignCenter);
    relation->addWidget(MakeMatrixGroup(form_.aGroup, F::A11), 0, 2);
    relation->addWidget(MakeMatrixGroup(form_.bGroup, F::B11), 0, 3);
    relation->addWidget(MakeMatrixGroup(form_.dGroup, F::D11), 1, 3);
    relation->addWidget(MakeVectorGroup(form_.strainSymbol, form_.strainUnit, F::EpsilonX), 0, 4);
    relation->addWidget(MakeVectorGroup(form_.curvatureSymbol, form_.curvatureUnit, F::KappaX), 1,
                        4);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(MakeHeading(form));
    layout->addLayout(relation);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeCouplingGroup());
    bottom->addStretch(1);
    layout->addLayout(bottom);
    layout->addLayout(MakeButtons(form));
}

QLineEdit* CResultsABDView::MakeValueField(std::size_t field) {
    QLineEdit* value = MakeNumberField(form_.ValueField(field), ValueFieldName(field).c_str());
    value->setMinimumWidth(kValueWidth);
    value->setMaximumWidth(kValueWidth + 20);
    value->setFocusPolicy(Qt::ClickFocus);
    if (CResultsABDDialog::IsRightAligned(field)) {
        value->setAlignment(Qt::AlignRight);
    }
    return value;
}

// The upper triangle of a symmetric 3x3 matrix, row by row: 11 12 16 / 22 26 / 66.
QWidget* CResultsABDView::MakeMatrixGroup(const CLabel& caption, std::size_t firstField) {
    QGroupBox* group = MakeGroup(caption);
    auto* grid = new QGridLayout(group);
    std::size_t field = firstField;
    for (int row = 0; row < 3; ++row) {
        for (int column = row; column < 3; ++column) {
            grid->addWidget(MakeValueField(field++), row, column);
        }
    }
    return group;
}

QWidget* CResultsABDView::MakeVectorGroup(const CLabel& caption, std::size_t firstField) {
    QGroupBox* group = MakeGroup(caption);
    auto* column = new QVBoxLayout(group);
    for (std::size_t i = 0; i < 3; ++i) {
        column->addWidget(MakeValueField(firstField + i));
    }
    return group;
}

// A vector named by its symbol, with its unit beside the symbol in the caption row.
QWidget* CResultsABDView::MakeVectorGroup(const CLabel& symbol, const CLabel& unit,
                                          std::size_t firstField) {
    auto* group = new QGroupBox(this);
    auto* column = new QVBoxLayout(group);
    auto* heading = new QHBoxLayout;
    heading->addWidget(MakeLabel(symbol));
    heading->addWidget(MakeLabel(unit));
    heading->addStretch(1);
    column->addLayout(heading);
    for (std::size_t i = 0; i < 3; ++i) {
        column->addWidget(MakeValueField(firstField + i));
    }
    return group;
}

QWidget* CResultsABDView::MakeCouplingGroup() {
    using F = FabricABDResults;
    QGroupBox* group = MakeGroup(form_.couplingGroup);
    auto* grid = new QGridLayout(group);
    const CLabel* labels[] = {&form_.a16OverA11Label, &form_.a26OverA22Label,
                              &form_.d16OverD11Label, &form_.d26OverD22Label};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(MakeLabel(*labels[i]), 0, 2 * i);
        grid->addWidget(MakeValueField(F::A16OverA11 + i), 0, 2 * i + 1);
    }
    return group;
}

#include "FormView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Wide enough for %g with 15 significant digits and an exponent.
constexpr int kNumberFieldWidth = 130;

}  // namespace

CFormView::CFormView(CForm& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(QString::fromStdString(form.Title()));
    setModal(true);
}

void CFormView::Refresh() {
    for (const auto& mirror : mirrors_) {
        mirror->Refresh();
    }
}

void CFormView::RunCommand(const ViewCommand& command) {
    command();
    if (!form_.IsOpen()) {
        QDialog::done(form_.Result() == FormResult::Accepted ? QDialog::Accepted
                                                             : QDialog::Rejected);
        return;
    }
    Refresh();
    // Controls shown or hidden move the others now, not at the next turn of the event loop, so
    // the widgets are where they are drawn before the next event arrives.
    if (layout() != nullptr) {
        layout()->activate();
    }
    FocusRefusedField();
}

void CFormView::accept() {
    RunCommand([this] { form_.PressOK(); });
}

void CFormView::reject() {
    RunCommand([this] { form_.PressCancel(); });
}

const CControl* CFormView::ControlOf(const QWidget* widget) const {
    for (const auto& mirror : mirrors_) {
        if (mirror->Widget() == widget) {
            return &mirror->Control();
        }
    }
    return nullptr;
}

ViewCommand CFormView::Command(ViewCommand command) {
    return [this, command = std::move(command)] { RunCommand(command); };
}

void CFormView::FocusRefusedField() {
    const CControl* failed = form_.TakeFocusRequest();
    if (failed == nullptr) {
        return;
    }
    for (const auto& mirror : mirrors_) {
        if (&mirror->Control() == failed) {
            mirror->Widget()->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(mirror->Widget())) {
                edit->selectAll();
            }
            return;
        }
    }
}

QLabel* CFormView::MakeLabel(const CLabel& label) {
    auto* widget = new QLabel(this);
    Bind<CLabelMirror>(label, widget);
    return widget;
}

QGroupBox* CFormView::MakeGroup(const CLabel& caption) {
    auto* widget = new QGroupBox(this);
    Bind<CGroupMirror>(caption, widget);
    return widget;
}

QPushButton* CFormView::MakeButton(const CButton& button, ViewCommand clicked) {
    auto* widget = new QPushButton(this);
    widget->setAutoDefault(false);
    widget->setDefault(button.IsDefault());
    Bind<CButtonMirror>(button, widget, Command(std::move(clicked)));
    return widget;
}

QComboBox* CFormView::MakeList(CListControl& list, ViewCommand closedUp, const char* name) {
    auto* widget = new QComboBox(this);
    widget->setObjectName(name);
    widget->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Bind<CListMirror>(list, widget, Command(std::move(closedUp)));
    return widget;
}

QLineEdit* CFormView::MakeNumberField(CNumberField& field, const char* name) {
    auto* widget = new QLineEdit(this);
    widget->setObjectName(name);
    widget->setMinimumWidth(kNumberFieldWidth);
    Bind<CNumberFieldMirror>(field, widget);
    return widget;
}

QLineEdit* CFormView::MakeNumberDisplay(const CNumberField& field, const char* name) {
    auto* widget = new QLineEdit(this);
    widget->setObjectName(name);
    widget->setMinimumWidth(kNumberFieldWidth);
    Bind<CNumberFieldMirror>(field, widget);
    return widget;
}

QLineEdit* CFormView::MakeTextField(CTextField& field, const char* name) {
    auto* widget = new QLineEdit(this);
    widget->setObjectName(name);
    widget->setMinimumWidth(kNumberFieldWidth);
    Bind<CTextFieldMirror>(field, widget);
    return widget;
}

void CFormView::AddFieldRow(QGridLayout* grid, int row, const CLabel& label, QWidget* field,
                            const CLabel* unit) {
    QLabel* labelWidget = MakeLabel(label);
    labelWidget->setBuddy(field);
    grid->addWidget(labelWidget, row, 0);
    grid->addWidget(field, row, 1);
    if (unit != nullptr) {
        grid->addWidget(MakeLabel(*unit), row, 2);
    }
}

void CFormView::IndentLikeGroup(QGridLayout* grid, QGroupBox* group) {
    group->ensurePolished();
    const int left = group->contentsMargins().left() + group->layout()->contentsMargins().left();
    const int right = group->contentsMargins().right() + group->layout()->contentsMargins().right();
    grid->setContentsMargins(left, 0, right, 0);
}

QHBoxLayout* CFormView::MakeButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

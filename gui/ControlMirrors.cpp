#include "ControlMirrors.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// A widget hides and greys out as its control does. isHidden() is the widget's own flag, which
// does not depend on whether the window is shown yet.
void MirrorFlags(const CControl& control, QWidget* widget) {
    if (widget->isHidden() == control.IsVisible()) {
        widget->setVisible(control.IsVisible());
    }
    widget->setEnabled(control.IsEnabled());
}

}  // namespace

void CLabelMirror::Refresh() {
    widget_->setText(ToQt(label_.Text()));
    MirrorFlags(label_, widget_);
}

QWidget* CLabelMirror::Widget() const {
    return widget_;
}

void CGroupMirror::Refresh() {
    widget_->setTitle(ToQt(caption_.Text()));
    MirrorFlags(caption_, widget_);
}

QWidget* CGroupMirror::Widget() const {
    return widget_;
}

CButtonMirror::CButtonMirror(const CButton& button, QAbstractButton* widget, ViewCommand clicked)
    : button_(button), widget_(widget) {
    QObject::connect(widget_, &QAbstractButton::clicked, widget_,
                     [clicked = std::move(clicked)] { clicked(); });
}

void CButtonMirror::Refresh() {
    widget_->setText(ToQt(button_.Caption()));
    MirrorFlags(button_, widget_);
}

QWidget* CButtonMirror::Widget() const {
    return widget_;
}

CListMirror::CListMirror(CListControl& list, QComboBox* widget, ViewCommand closedUp)
    : list_(list), widget_(widget) {
    QObject::connect(widget_, &QComboBox::activated, widget_,
                     [this, closedUp = std::move(closedUp)](int index) {
                         list_.Select(index);
                         closedUp();
                     });
}

// The entries are rewritten only when they differ, so an open pop-up is not disturbed.
void CListMirror::Refresh() {
    const QSignalBlocker blocker(widget_);
    if (!shown_ || shownRevision_ != list_.Revision()) {
        QStringList texts;
        texts.reserve(list_.Count());
        for (int i = 0; i < list_.Count(); ++i) {
            texts.append(ToQt(list_.Text(i)));
        }
        widget_->clear();
        widget_->addItems(texts);
        shownRevision_ = list_.Revision();
        shown_ = true;
    }
    widget_->setCurrentIndex(list_.Selection());
    MirrorFlags(list_, widget_);
}

QWidget* CListMirror::Widget() const {
    return widget_;
}

CNumberFieldMirror::CNumberFieldMirror(CNumberField& field, QLineEdit* widget)
    : field_(field), widget_(widget), typeable_(true) {
    QObject::connect(widget_, &QLineEdit::textEdited, widget_,
                     [&field](const QString& text) { field.SetText(text.toStdString()); });
}

CNumberFieldMirror::CNumberFieldMirror(const CNumberField& field, QLineEdit* widget)
    : field_(field), widget_(widget), typeable_(false) {}

// Setting the same text again would move the cursor to the end while the user types.
void CNumberFieldMirror::Refresh() {
    const QString text = ToQt(field_.Text());
    if (widget_->text() != text) {
        widget_->setText(text);
        widget_->setCursorPosition(0);
    }
    widget_->setReadOnly(field_.IsReadOnly() || !typeable_);
    MirrorFlags(field_, widget_);
}

QWidget* CNumberFieldMirror::Widget() const {
    return widget_;
}

CTextFieldMirror::CTextFieldMirror(CTextField& field, QLineEdit* widget)
    : field_(field), widget_(widget) {
    QObject::connect(widget_, &QLineEdit::textEdited, widget_,
                     [this](const QString& text) { field_.SetText(text.toStdString()); });
}

void CTextFieldMirror::Refresh() {
    const QString text = ToQt(field_.Text());
    if (widget_->text() != text) {
        widget_->setText(text);
    }
    MirrorFlags(field_, widget_);
}

QWidget* CTextFieldMirror::Widget() const {
    return widget_;
}

// The buttons are not auto-exclusive: Qt would otherwise keep its own idea of which one is
// checked, and a group with nothing selected could not be shown.
CRadioMirror::CRadioMirror(CRadioGroup& group, std::vector<QAbstractButton*> buttons,
                           std::vector<ViewCommand> clicked)
    : group_(group), buttons_(std::move(buttons)) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QAbstractButton* button = buttons_[i];
        button->setCheckable(true);
        button->setAutoExclusive(false);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [command = clicked.at(i)] { command(); });
    }
}

void CRadioMirror::Refresh() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QAbstractButton* button = buttons_[i];
        const QSignalBlocker blocker(button);
        button->setText(ToQt(group_.Caption(static_cast<int>(i))));
        button->setChecked(static_cast<int>(i) == group_.Selection());
        MirrorFlags(group_, button);
    }
}

QWidget* CRadioMirror::Widget() const {
    return buttons_.empty() ? nullptr : buttons_.front();
}

CSliderMirror::CSliderMirror(CSlider& slider, QSlider* widget, ViewCommand moved)
    : slider_(slider), widget_(widget) {
    QObject::connect(widget_, &QSlider::valueChanged, widget_,
                     [this, moved = std::move(moved)](int position) {
                         slider_.SetPosition(position);
                         moved();
                     });
}

void CSliderMirror::Refresh() {
    const QSignalBlocker blocker(widget_);
    widget_->setRange(slider_.Minimum(), slider_.Maximum());
    widget_->setTickInterval(slider_.TickStep());
    widget_->setPageStep(slider_.TickStep());
    widget_->setValue(slider_.Position());
    MirrorFlags(slider_, widget_);
}

QWidget* CSliderMirror::Widget() const {
    return widget_;
}

void CSliderReadoutMirror::Refresh() {
    widget_->setNum(slider_.Position());
    MirrorFlags(slider_, widget_);
}

QWidget* CSliderReadoutMirror::Widget() const {
    return widget_;
}

CSpinMirror::CSpinMirror(const CSpinButton& spin, QToolButton* decrease, QToolButton* increase,
                         std::function<void(SpinDirection)> stepped)
    : spin_(spin), decrease_(decrease), increase_(increase) {
    decrease_->setArrowType(Qt::LeftArrow);
    increase_->setArrowType(Qt::RightArrow);
    decrease_->setAutoRepeat(true);
    increase_->setAutoRepeat(true);
    QObject::connect(decrease_, &QToolButton::clicked, decrease_,
                     [stepped] { stepped(SpinDirection::Decreasing); });
    QObject::connect(increase_, &QToolButton::clicked, increase_,
                     [stepped] { stepped(SpinDirection::Increasing); });
}

void CSpinMirror::Refresh() {
    MirrorFlags(spin_, decrease_);
    MirrorFlags(spin_, increase_);
}

QWidget* CSpinMirror::Widget() const {
    return increase_;
}

CTableMirror::CTableMirror(CTable& table, QTableWidget* widget, ViewCommand selected,
                           ViewCommand activated)
    : table_(table), widget_(widget) {
    widget_->setSelectionBehavior(QAbstractItemView::SelectRows);
    widget_->setSelectionMode(QAbstractItemView::SingleSelection);
    widget_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget_->verticalHeader()->hide();
    widget_->horizontalHeader()->setStretchLastSection(true);
    QObject::connect(widget_, &QTableWidget::itemSelectionChanged, widget_,
                     [this, selected = std::move(selected)] {
                         const QModelIndexList rows = widget_->selectionModel()->selectedRows();
                         table_.Select(rows.isEmpty() ? -1 : rows.front().row());
                         selected();
                     });
    QObject::connect(widget_, &QTableWidget::cellDoubleClicked, widget_,
                     [this, activated = std::move(activated)](int row, int) {
                         table_.Select(row);
                         activated();
                     });
}

// Wide enough for every column and high enough for a few rows more than the catalogue's, up to
// what fits a screen; beyond that the table scrolls.
void CTableMirror::ShowRows() {
    widget_->clear();
    widget_->setColumnCount(table_.ColumnCount());
    widget_->setRowCount(table_.RowCount());
    QStringList headers;
    for (const std::string& header : table_.Headers()) {
        headers.append(ToQt(header));
    }
    widget_->setHorizontalHeaderLabels(headers);
    const QColor fixedColour = widget_->palette().color(QPalette::Disabled, QPalette::Text);
    for (int row = 0; row < table_.RowCount(); ++row) {
        const CTable::Row& shown = table_.RowAt(row);
        for (int column = 0; column < table_.ColumnCount(); ++column) {
            auto* item = new QTableWidgetItem(ToQt(shown.cells[column]));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (shown.fixed) {
                item->setForeground(fixedColour);
            }
            widget_->setItem(row, column, item);
        }
    }
    widget_->ensurePolished();
    widget_->horizontalHeader()->ensurePolished();
    widget_->resizeColumnsToContents();
    constexpr int kMaximumWidth = 1200;
    constexpr int kMaximumRows = 12;
    // The stretched last column is never narrower than the header's default section.
    const QHeaderView* header = widget_->horizontalHeader();
    const int lastColumn = header->count() - 1;
    const int lastWidth = lastColumn < 0 ? 0 : header->sectionSize(lastColumn);
    const int frame = 2 * widget_->frameWidth();
    const int width = header->length() - lastWidth +
                      std::max(lastWidth, header->defaultSectionSize()) + frame +
                      widget_->verticalScrollBar()->sizeHint().width();
    widget_->setMinimumWidth(std::min(width, kMaximumWidth));
    const int rowHeight = widget_->verticalHeader()->defaultSectionSize();
    const int rows = std::min(table_.RowCount(), kMaximumRows) + 1;
    widget_->setMinimumHeight(widget_->horizontalHeader()->sizeHint().height() + rows * rowHeight +
                              frame);
}

void CTableMirror::Refresh() {
    const QSignalBlocker blocker(widget_);
    if (!shown_ || shownRevision_ != table_.Revision()) {
        ShowRows();
        shownRevision_ = table_.Revision();
        shown_ = true;
    }
    if (table_.Selection() < 0) {
        widget_->clearSelection();
    } else {
        widget_->selectRow(table_.Selection());
    }
    MirrorFlags(table_, widget_);
}

QWidget* CTableMirror::Widget() const {
    return widget_;
}

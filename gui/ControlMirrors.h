#pragma once

#include <functional>
#include <vector>

#include "Control.h"
#include "DropDownList.h"
#include "NumberField.h"
#include "RadioGroup.h"
#include "Slider.h"
#include "SpinButton.h"
#include "TableControl.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QTableWidget;
class QToolButton;
class QWidget;

// A binding of one headless control to the widget that shows it. Refresh() copies everything the
// control holds (text, entries, selection, range, visible and enabled flags) into the widget;
// what the user does to the widget is written into the control and handed to the view as a
// command, after which the view refreshes every mirror. The headless control is the truth: a
// widget never keeps a state of its own across a refresh.
class CControlMirror {
public:
    virtual ~CControlMirror() = default;
    virtual void Refresh() = 0;
    // The control and its widget, so a view can move the focus to a field that did not parse.
    virtual const CControl& Control() const = 0;
    virtual QWidget* Widget() const = 0;
};

// A user action forwarded to the form (the view wraps it so that it refreshes afterwards).
using ViewCommand = std::function<void()>;

// A static text: a label, a unit or a group caption.
class CLabelMirror : public CControlMirror {
public:
    CLabelMirror(const CLabel& label, QLabel* widget) : label_(label), widget_(widget) {}
    void Refresh() override;
    const CControl& Control() const override { return label_; }
    QWidget* Widget() const override;

private:
    const CLabel& label_;
    QLabel* widget_;
};

// A group box whose caption is a headless label; hiding the label hides the whole group.
class CGroupMirror : public CControlMirror {
public:
    CGroupMirror(const CLabel& caption, QGroupBox* widget) : caption_(caption), widget_(widget) {}
    void Refresh() override;
    const CControl& Control() const override { return caption_; }
    QWidget* Widget() const override;

private:
    const CLabel& caption_;
    QGroupBox* widget_;
};

// A push button; a click runs its command.
class CButtonMirror : public CControlMirror {
public:
    CButtonMirror(const CButton& button, QAbstractButton* widget, ViewCommand clicked);
    void Refresh() override;
    const CControl& Control() const override { return button_; }
    QWidget* Widget() const override;

private:
    const CButton& button_;
    QAbstractButton* widget_;
};

// A drop-down list. Choosing an entry (QComboBox::activated, whether from the pop-up or from the
// keyboard) selects it in the list and then runs the close-up command.
class CListMirror : public CControlMirror {
public:
    CListMirror(CListControl& list, QComboBox* widget, ViewCommand closedUp);
    void Refresh() override;
    const CControl& Control() const override { return list_; }
    QWidget* Widget() const override;

private:
    CListControl& list_;
    QComboBox* widget_;
    // The list's texts are shown again only when they changed: a list may hold many thousands.
    unsigned shownRevision_ = 0;
    bool shown_ = false;
};

// A number field. Typing writes the text into the field as it is; the form parses it. A field
// the form only writes is bound through the const constructor and cannot be typed into.
class CNumberFieldMirror : public CControlMirror {
public:
    CNumberFieldMirror(CNumberField& field, QLineEdit* widget);
    CNumberFieldMirror(const CNumberField& field, QLineEdit* widget);
    void Refresh() override;
    const CControl& Control() const override { return field_; }
    QWidget* Widget() const override;

private:
    const CNumberField& field_;
    QLineEdit* widget_;
    bool typeable_;
};

// A free-text field (names, user, date).
class CTextFieldMirror : public CControlMirror {
public:
    CTextFieldMirror(CTextField& field, QLineEdit* widget);
    void Refresh() override;
    const CControl& Control() const override { return field_; }
    QWidget* Widget() const override;

private:
    CTextField& field_;
    QLineEdit* widget_;
};

// A group of radio buttons (or checkable push buttons). A click runs the command of the button
// clicked; the checked marks then follow the group's selection, so a command that refuses the
// click leaves the marks as they were.
class CRadioMirror : public CControlMirror {
public:
    CRadioMirror(CRadioGroup& group, std::vector<QAbstractButton*> buttons,
                 std::vector<ViewCommand> clicked);
    void Refresh() override;
    const CControl& Control() const override { return group_; }
    QWidget* Widget() const override;

private:
    CRadioGroup& group_;
    std::vector<QAbstractButton*> buttons_;
};

// A slider; moving the thumb sets the position, then runs the command (which refreshes the view,
// for instance a read-out of the position).
class CSliderMirror : public CControlMirror {
public:
    CSliderMirror(CSlider& slider, QSlider* widget, ViewCommand moved);
    void Refresh() override;
    const CControl& Control() const override { return slider_; }
    QWidget* Widget() const override;

private:
    CSlider& slider_;
    QSlider* widget_;
};

// The position of a slider shown as a number beside it.
class CSliderReadoutMirror : public CControlMirror {
public:
    CSliderReadoutMirror(const CSlider& slider, QLabel* widget)
        : slider_(slider), widget_(widget) {}
    void Refresh() override;
    const CControl& Control() const override { return slider_; }
    QWidget* Widget() const override;

private:
    const CSlider& slider_;
    QLabel* widget_;
};

// A spin button as two arrow buttons: the right arrow steps in the increasing direction, the
// left arrow in the decreasing one.
class CSpinMirror : public CControlMirror {
public:
    CSpinMirror(const CSpinButton& spin, QToolButton* decrease, QToolButton* increase,
                std::function<void(SpinDirection)> stepped);
    void Refresh() override;
    const CControl& Control() const override { return spin_; }
    QWidget* Widget() const override;

private:
    const CSpinButton& spin_;
    QToolButton* decrease_;
    QToolButton* increase_;
};

// A read-only table, one row selected at a time. Selecting a row (by mouse or keyboard) selects
// it in the table and runs `selected`; a double-click on a row selects it and runs `activated`.
// The rows are shown again only when they changed; fixed rows are shown in the disabled text
// colour.
class CTableMirror : public CControlMirror {
public:
    CTableMirror(CTable& table, QTableWidget* widget, ViewCommand selected, ViewCommand activated);
    void Refresh() override;
    const CControl& Control() const override { return table_; }
    QWidget* Widget() const override;

private:
    void ShowRows();

    CTable& table_;
    QTableWidget* widget_;
    unsigned shownRevision_ = 0;
    bool shown_ = false;
};

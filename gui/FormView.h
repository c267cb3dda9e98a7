#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QDialog>

#include "ControlMirrors.h"
#include "Form.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// Base of the Qt views: a modal QDialog over one headless form. A view builds its widgets, binds
// each to its control through a mirror and forwards the user's actions to the form's commands.
// After every command it either closes (the form has ended itself) or refreshes every mirror and,
// after a refusal, moves the focus to the field it was about (a number that did not parse, a
// value a check refused) with its text selected. Escape and the close box are the form's
// cancel; Enter clicks the default button. The view never decides anything itself.
class CFormView : public QDialog {
public:
    CFormView(CForm& form, QWidget* parent);

    CForm& Form() { return form_; }
    // Copies every control into its widget.
    void Refresh();
    // Runs a command of the form and shows its outcome.
    void RunCommand(const ViewCommand& command);

    void accept() override;
    void reject() override;

    // The control a widget of this view shows, or nullptr.
    const CControl* ControlOf(const QWidget* widget) const;

protected:
    // A command that refreshes the view (or closes it) after it has run.
    ViewCommand Command(ViewCommand command);

    template <typename Mirror, typename... Arguments>
    Mirror& Bind(Arguments&&... arguments) {
        mirrors_.push_back(std::make_unique<Mirror>(std::forward<Arguments>(arguments)...));
        return static_cast<Mirror&>(*mirrors_.back());
    }

    // Widgets created and bound in one step. The name is the widget's object name.
    QLabel* MakeLabel(const CLabel& label);
    QGroupBox* MakeGroup(const CLabel& caption);
    // The default button is the one Enter clicks; no other button takes Enter when focused.
    QPushButton* MakeButton(const CButton& button, ViewCommand clicked);
    QComboBox* MakeList(CListControl& list, ViewCommand closedUp, const char* name);
    QLineEdit* MakeNumberField(CNumberField& field, const char* name);
    // A number field that only shows what the form writes into it.
    QLineEdit* MakeNumberDisplay(const CNumberField& field, const char* name);
    QLineEdit* MakeTextField(CTextField& field, const char* name);
    // "label  field  unit" as one row of a grid; the unit may be absent.
    void AddFieldRow(QGridLayout* grid, int row, const CLabel& label, QWidget* field,
                     const CLabel* unit = nullptr);
    // Indents a grid outside any group as far as the contents of the group, so that its fields
    // line up with the group's.
    static void IndentLikeGroup(QGridLayout* grid, QGroupBox* group);
    // The form's buttons, right-aligned at the bottom.
    QHBoxLayout* MakeButtonRow(std::initializer_list<QPushButton*> buttons);

private:
    void FocusRefusedField();

    CForm& form_;
    std::vector<std::unique_ptr<CControlMirror>> mirrors_;
};

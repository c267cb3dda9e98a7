#pragma once

#include <string>

#include "WindowSystem.h"

class CControl;
class CNumberField;
class CTextField;
class CRadioGroup;
class CSlider;

// The field exchange of one form: moves values between the form's variables and its controls.
// Showing (saving == false) writes every variable into its control. Saving reads each control in
// turn; the first number field whose text does not parse shows "Please enter a number." and ends
// the exchange, so that field and every later one keep their variables' previous values. Hidden
// number fields are not read while saving: they keep their variables' values and cannot stop
// the exchange.
class CFieldExchange {
public:
    CFieldExchange(IWindowSystem& windowSystem, bool saving)
        : windowSystem_(windowSystem), saving_(saving) {}

    bool IsSaving() const { return saving_; }
    bool Failed() const { return failedControl_ != nullptr; }
    // The number field that did not parse (a view moves the focus there), or nullptr.
    const CControl* FailedControl() const { return failedControl_; }

    // Doubles show with 15 significant digits, single-precision values with 6.
    void Number(CNumberField& field, double& value);
    void Number(CNumberField& field, float& value);
    void Text(CTextField& field, std::string& value);
    // The index of the selected button (-1: none).
    void Radio(CRadioGroup& group, int& value);
    void Slider(CSlider& slider, int& value);

private:
    template <typename Real>
    void ExchangeNumber(CNumberField& field, Real& value);

    IWindowSystem& windowSystem_;
    bool saving_;
    const CControl* failedControl_ = nullptr;
    bool focusRequested_ = false;
};

// Base of every modal form. A form is a plain object holding its state and its controls; a
// window system runs it (RunModal), and a view mirrors the controls after every command it
// forwards. The form ends itself with EndDialog; the base's OK reads the fields and accepts,
// its Cancel cancels.
class CForm {
public:
    CForm(IWindowSystem& windowSystem, std::string title)
        : windowSystem_(windowSystem), title_(std::move(title)) {}
    virtual ~CForm() = default;
    CForm(const CForm&) = delete;
    CForm& operator=(const CForm&) = delete;

    const std::string& Title() const { return title_; }
    bool IsOpen() const { return open_; }
    // How the form last ended; Cancelled before it has ever been run.
    FormResult Result() const { return result_; }
    // The control the last refusal was about, or nullptr: the number field that failed the last
    // field exchange, or the field a check of the form refused. Cleared by the next field
    // exchange that reads the fields.
    const CControl* FailedControl() const { return failedControl_; }
    // The control a view moves the focus to (its text selected) after a command, once: the
    // refused control when a refusal came since the last call, otherwise nullptr.
    const CControl* TakeFocusRequest() {
        const CControl* control = focusRequested_ ? failedControl_ : nullptr;
        focusRequested_ = false;
        return control;
    }

    // Called by the window system when the form is shown: marks it open and initialises it.
    void BeginModal();
    // The accept button (OK, Create, ...) and the cancel button (Cancel, Return, close box).
    void PressOK() { OnOK(); }
    void PressCancel() { OnCancel(); }

protected:
    // Default: show every variable in its control.
    virtual void OnInitDialog() { UpdateData(false); }
    // Default: read the fields and, if they all parse, close as accepted.
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(FormResult::Cancelled); }
    virtual void DoFieldExchange(CFieldExchange&) {}

    // Runs the field exchange; false when a field did not parse (the message has been shown).
    bool UpdateData(bool saveAndValidate);
    // A check refused what `control` holds: the view brings the user there.
    void RefuseControl(const CControl& control) {
        failedControl_ = &control;
        focusRequested_ = true;
    }
    void EndDialog(FormResult result);

    MessageAnswer ShowMessage(const Message& message) { return windowSystem_.ShowMessage(message); }
    FormResult RunChild(CForm& child) { return windowSystem_.RunModal(child); }
    IWindowSystem& WindowSystem() { return windowSystem_; }

private:
    IWindowSystem& windowSystem_;
    std::string title_;
    bool open_ = false;
    FormResult result_ = FormResult::Cancelled;
    const CControl* failedControl_ = nullptr;
    bool focusRequested_ = false;
};

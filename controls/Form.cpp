#include "Form.h"

#include "NumberField.h"
#include "RadioGroup.h"
#include "Slider.h"

template <typename Real>
void CFieldExchange::ExchangeNumber(CNumberField& field, Real& value) {
    if (!saving_) {
        field.ShowValue(value);
        return;
    }
    if (Failed() || !field.IsVisible()) {
        return;
    }
    if (!field.ParseValue(value)) {
        failedControl_ = &field;
        windowSystem_.ShowMessage(Message{"Please enter a number."});
    }
}

void CFieldExchange::Number(CNumberField& field, double& value) {
    ExchangeNumber(field, value);
}

void CFieldExchange::Number(CNumberField& field, float& value) {
    ExchangeNumber(field, value);
}

void CFieldExchange::Text(CTextField& field, std::string& value) {
    if (!saving_) {
        field.SetText(value);
    } else if (!Failed()) {
        value = field.Text();
    }
}

void CFieldExchange::Radio(CRadioGroup& group, int& value) {
    if (!saving_) {
        group.Select(value);
    } else if (!Failed()) {
        value = group.Selection();
    }
}

void CFieldExchange::Slider(CSlider& slider, int& value) {
    if (!saving_) {
        slider.SetPosition(value);
    } else if (!Failed()) {
        value = slider.Position();
    }
}

void CForm::BeginModal() {
    open_ = true;
    failedControl_ = nullptr;
    focusRequested_ = false;
    OnInitDialog();
}

void CForm::OnOK() {
    if (UpdateData(true)) {
        EndDialog(FormResult::Accepted);
    }
}

bool CForm::UpdateData(bool saveAndValidate) {
    CFieldExchange exchange(windowSystem_, saveAndValidate);
    DoFieldExchange(exchange);
    failedControl_ = exchange.FailedControl();
    focusRequested_ = failedControl_ != nullptr;
    return !exchange.Failed();
}

void CForm::EndDialog(FormResult result) {
    result_ = result;
    open_ = false;
}

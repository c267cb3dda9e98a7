#include "MaterialForm.h"

#include "MaterialText.h"

CMaterialForm::CMaterialForm(IWindowSystem& windowSystem, std::string title,
                             std::string refusalCaption, std::string kind)
    : CForm(windowSystem, std::move(title)),
      refusalCaption_(std::move(refusalCaption)),
      kind_(std::move(kind)) {}

void CMaterialForm::PresetIdentity() {
    name_.clear();
    user_.clear();
    date_ = "00/00/0000";
    createButton.SetCaption("Create");
}

void CMaterialForm::PresetIdentity(const std::string& name, const std::string& user,
                                   const std::string& date) {
    name_ = name;
    user_ = user;
    date_ = date;
    createButton.SetCaption("Save");
}

void CMaterialForm::ExchangeIdentity(CFieldExchange& exchange) {
    exchange.Text(nameField_, name_);
    exchange.Text(userField_, user_);
    exchange.Text(dateField_, date_);
}

void CMaterialForm::Refuse(const std::string& text) {
    ShowMessage(Message{text, refusalCaption_, MessageIcon::Exclamation});
}

bool CMaterialForm::AcceptIdentity(const std::string& emptyNameText) {
    if (name_.empty()) {
        Refuse(emptyNameText);
        return false;
    }
    if (std::string refusal = MaterialTextRefusal(name_, user_, date_, kind_); !refusal.empty()) {
        Refuse(refusal);
        return false;
    }
    return true;
}

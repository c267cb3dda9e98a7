#pragma once

#include <string>

#include "Control.h"
#include "Form.h"

// What the resin and fibre creation forms share: the material's identity (name, user, date),
// the "Properties" group title, the "Create" and "Cancel" buttons, and refusals shown as
// exclamation messages under the form's own caption, leaving the form open with what was typed.
// The same form edits a user material: filled with its values, its accept button reads "Save"
// and the checks are those of a creation.
class CMaterialForm : public CForm {
public:
    void PressCreate() { PressOK(); }

    CTextField& NameField() { return nameField_; }
    CTextField& UserField() { return userField_; }
    CTextField& DateField() { return dateField_; }

    const CLabel propertiesGroup{"Properties"};
    const CLabel nameLabel{"Name"};
    const CLabel userLabel{"User"};
    const CLabel dateLabel{"Date"};
    CButton createButton{"Create", true};
    const CButton cancelButton{"Cancel"};

protected:
    // `refusalCaption` is the caption of every refusal; `kind` ("resin" or "fibre") words the
    // refusal of a name the user-material file cannot keep.
    CMaterialForm(IWindowSystem& windowSystem, std::string title, std::string refusalCaption,
                  std::string kind);

    // The blank identity of a new creation.
    void PresetIdentity();
    // The identity of a material to edit.
    void PresetIdentity(const std::string& name, const std::string& user, const std::string& date);
    void ExchangeIdentity(CFieldExchange& exchange);
    void Refuse(const std::string& text);
    // Refuses an empty name with `emptyNameText`, and texts the user-material file cannot keep;
    // true when the identity is accepted.
    bool AcceptIdentity(const std::string& emptyNameText);

    std::string name_;
    std::string user_;
    std::string date_;

private:
    std::string refusalCaption_;
    std::string kind_;
    CTextField nameField_;
    CTextField userField_;
    CTextField dateField_;
};

#pragma once

#include <string>

#include "Control.h"

// An edit field for one number. It holds text only: the owning form's field exchange shows a
// variable in it (%g notation, 15 significant digits for doubles, 6 for single-precision values;
// NumberFormat.h) and reads the text back as a whole number with blanks around it, including
// "nan" and "inf" (result fields can show them) and overflowing literals such as "1e999" (read
// as infinity); range checks are the form's business.
class CNumberField : public CControl {
public:
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }

    // A read-only field shows values but cannot be typed into.
    bool IsReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    void ShowValue(double value);
    void ShowValue(float value);
    // False, with value untouched, when the text is not a number.
    bool ParseValue(double& value) const;
    bool ParseValue(float& value) const;

private:
    std::string text_;
    bool readOnly_ = false;
};

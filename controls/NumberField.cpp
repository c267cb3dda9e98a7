#include "NumberField.h"

#include "NumberFormat.h"

void CNumberField::ShowValue(double value) {
    text_ = FormatGeneral(value, kFieldDigits);
}

void CNumberField::ShowValue(float value) {
    text_ = FormatGeneral(value, kResultDigits);
}

bool CNumberField::ParseValue(double& value) const {
    return ParseNumber(text_, value);
}

// A single-precision field reads its text as a double and rounds that to the nearest float.
bool CNumberField::ParseValue(float& value) const {
    double parsed = 0.0;
    if (!ParseNumber(text_, parsed)) {
        return false;
    }
    value = static_cast<float>(parsed);
    return true;
}

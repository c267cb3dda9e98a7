#include "NumberField.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 6;

std::string FormatGeneral(double value, int significantDigits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
    return buffer;
}

bool OnlyBlanksFrom(const char* text) {
    while (*text != '\0') {
        if (!std::isspace(static_cast<unsigned char>(*text))) {
            return false;
        }
        ++text;
    }
    return true;
}

// Whole-text conversion with strtod/strtof: at least one character converted and nothing but
// blanks after it. Range errors are accepted (overflow reads as infinity, underflow as a tiny
// or zero value), as a typed literal of that size means just that.
template <typename Real, typename Convert>
bool ParseWhole(const std::string& text, Real& value, Convert convert) {
    const char* start = text.c_str();
    char* end = nullptr;
    Real parsed = convert(start, &end);
    if (end == start || !OnlyBlanksFrom(end)) {
        return false;
    }
    value = parsed;
    return true;
}

}  // namespace

void CNumberField::ShowValue(double value) {
    text_ = FormatGeneral(value, kDoubleDigits);
}

void CNumberField::ShowValue(float value) {
    text_ = FormatGeneral(value, kFloatDigits);
}

bool CNumberField::ParseValue(double& value) const {
    return ParseWhole(text_, value, [](const char* s, char** e) { return std::strtod(s, e); });
}

bool CNumberField::ParseValue(float& value) const {
    return ParseWhole(text_, value, [](const char* s, char** e) { return std::strtof(s, e); });
}

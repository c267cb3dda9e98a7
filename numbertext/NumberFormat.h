#pragma once

#include <string>
#include <string_view>

// Number text of the forms, the reports and the user file, in one place. The texts are those of
// the C library's printf in the "C" locale (a point as decimal separator, "inf", "-inf", "nan"
// and "-nan" for non-finite values) whatever locale the program runs in, so a report or a field
// reads the same on every machine.

// Significant digits of the number fields (doubles) and of the result fields (single precision).
inline constexpr int kFieldDigits = 15;
inline constexpr int kResultDigits = 6;

// "%.*g": the shortest of fixed and exponent notation with `significantDigits` digits, trailing
// zeros removed ("72.4", "1e-20", "1.23456789012346e+15").
std::string FormatGeneral(double value, int significantDigits);

// "%*.*f": fixed notation with `decimals` decimals, padded with blanks on the left to `width`.
std::string FormatFixed(double value, int width, int decimals);

// "%*.*e" with an exponent of at least three digits ("1.2000e+001", "0.0000e+000",
// "-5.0000e-007"), padded with blanks on the left to `width`. The reports were first written by
// a C library that always printed three exponent digits; files are compared with them byte for
// byte.
std::string FormatExponent(double value, int width, int decimals);

// Reads a whole text as a number, as a typed field is read: blanks around it are allowed, a
// leading '+' too, "inf", "infinity" and "nan" in any case, and a literal too large for a double
// reads as infinity. False, with `value` untouched, when anything else remains.
bool ParseNumber(std::string_view text, double& value);

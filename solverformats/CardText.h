#pragma once

#include <string>
#include <string_view>

// How numbers and names are written on solver cards, whatever the program's locale.

// Scientific notation with `significantDigits` digits, a point, an upper-case 'E' and at least
// two exponent digits: "4.472622345123E+10", "-2.5E-05". Locale-independent (std::to_chars).
std::string CardReal(double value, int significantDigits);

// Digits of the keyword input of CalculiX and Abaqus: 13 significant digits keep every value to
// a relative 5e-14 and stay within the 20 characters CalculiX reads of a number
// ("-1.234567890123E-100" is 20 characters long).
inline constexpr int kKeywordDigits = 13;

// A name every solver takes as a material or set label: letters, digits and underscores only,
// starting with a letter, at most kMaxLabelLength characters. Each run of other characters becomes
// one underscore ("E-Glass / ACG LTM 10" -> "E_Glass_ACG_LTM_10"), a name not starting with a
// letter gets "M_" in front, and a longer one is cut.
std::string SolverLabel(std::string_view text);
bool IsSolverLabel(std::string_view text);

// The label of `base` and `suffix` joined by an underscore, the base cut first where the whole is
// too long, so that the suffix (what tells the rows of a sweep apart) always survives.
std::string SolverLabel(std::string_view base, std::string_view suffix);

inline constexpr std::size_t kMaxLabelLength = 80;

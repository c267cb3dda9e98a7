#pragma once

#include <array>
#include <string_view>

// The labels of the user-material file's value lines, as the file is written: 16 characters, a
// tab and the value follow. A record's values come in this order; the three texts open every
// record.
inline constexpr int kLabelWidth = 16;

inline constexpr std::array<std::string_view, 6> kResinLabels = {
    "Name   :        ", "User   :        ", "Date   :        ",
    "E      : [ GPa ]", "nu     : [     ]", "Alpha  : [ 1/K ]",
};

inline constexpr std::array<std::string_view, 11> kFibreLabels = {
    "Name   :        ", "User   :        ", "Date   :        ", "E1     : [ GPa ]",
    "E2     : [ GPa ]", "G12    : [ GPa ]", "G23    : [ GPa ]", "nu12   : [     ]",
    "Alpha1 : [ 1/K ]", "Alpha2 : [ 1/K ]", "Density: [Kg/m3]",
};

// The number of text values (name, user, date) that open a record.
inline constexpr int kIdentityValues = 3;

#pragma once

#include <string>

// The list entry that opens a creation form instead of naming a material.
inline constexpr const char* kUserDefinedEntry = "User defined";

// Whether a material's name, user or date text can be stored in the user-material file and read
// back: the file keeps one value per line after a tab, and finds its two sections by the
// whitespace-separated words "RESINS:" and "FIBRES:". So the text must hold no tab and no line
// feed, and none of its words (split at C's whitespace characters) may be one of those markers.
bool IsStorableMaterialText(const std::string& text);

#pragma once

#include <string>

// The list entry that opens a creation form instead of naming a material.
inline constexpr const char* kUserDefinedEntry = "User defined";

// Why a created material's texts cannot be kept, or "" when they can: the name must not be the
// list's "User defined" entry, and no text may break the user-material file (see
// CUserMaterials::FitsInFile). `kind` is "resin" or "fibre".
std::string MaterialTextRefusal(const std::string& name, const std::string& user,
                                const std::string& date, const std::string& kind);

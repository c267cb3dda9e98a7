#pragma once

#include <string>

// The list entry that opens a creation form instead of naming a material.
inline constexpr const char* kUserDefinedEntry = "User defined";

// The refusal of a name that another material of the same kind has, when a material is created
// or edited: the text and the caption of the exclamation message.
inline constexpr const char* kDuplicateResinName = "Please change the resin's name";
inline constexpr const char* kDuplicateResinCaption = "DUPLICATED RESIN'S NAME";
inline constexpr const char* kDuplicateFibreName = "Please change the fibre's name";
inline constexpr const char* kDuplicateFibreCaption = "DUPLICATED FIBRE'S NAME";

// Why a created material's texts cannot be kept, or "" when they can: the name must not be the
// list's "User defined" entry, and no text may break the user-material file (see
// CUserMaterials::FitsInFile). `kind` is "resin" or "fibre".
std::string MaterialTextRefusal(const std::string& name, const std::string& user,
                                const std::string& date, const std::string& kind);

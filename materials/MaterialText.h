#pragma once

// The list entry that opens a creation form instead of naming a material.
inline constexpr const char* kUserDefinedEntry = "User defined";

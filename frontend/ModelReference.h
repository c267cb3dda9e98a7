#pragma once

#include <string_view>

// The model reference, docs/models.md, compiled into the program: every model's formulas,
// assumptions, range of validity and the units and signs of its outputs, in Markdown whose
// formulas are plain text and Unicode. The Help menu shows it; it reads the same from any working
// directory.
std::string_view ModelReferenceMarkdown();

inline constexpr const char* kModelReferenceTitle = "Model reference";

#pragma once

#include <string>
#include <vector>

// How a built-in weave departs from the plain interlacing rule.
enum class WeaveDeviation {
    None,
    AllKind4,              // every cell has kind 4 (only the upper yarn undulates), sign kept
    SwapKinds3And4OnPlus,  // kinds 3 and 4 exchanged in the cells of + crossings
};

// A built-in weave as its m x m interlacing matrix: rows of '+' and '-', one character a crossing.
struct WeaveDefinition {
    std::string name;
    std::vector<std::string> interlacing;
    WeaveDeviation deviation;
};

// The fourteen built-in weaves in construction order.
const std::vector<WeaveDefinition>& BuiltinWeaveDefinitions();

// Expands an m x m interlacing matrix into the 2m x 2m grid of signed crossing kinds, row by
// row. Each crossing becomes a 2x2 block of cells with its sign; in each cell the row yarn
// undulates when the crossing differs from its horizontal neighbour on that side, the column yarn
// when it differs from its vertical neighbour (cyclically). Kind 1: both undulate; 2: neither;
// 3: only the row yarn (the lower yarn); 4: only the column yarn (the upper yarn).
std::vector<short> ExpandInterlacing(const std::vector<std::string>& interlacing,
                                     WeaveDeviation deviation);

#include "DisplayOrder.h"

#include <algorithm>
#include <cctype>

bool DisplayLess(const std::string& a, const std::string& b) {
    auto folded = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return folded(x) < folded(y); });
}

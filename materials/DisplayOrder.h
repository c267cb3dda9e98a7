#pragma once

#include <string>

// Order of the drop-down lists: alphabetical without regard to case, character by character in
// the character set's order (so a blank sorts before digits and letters), a prefix before the
// longer name.
bool DisplayLess(const std::string& a, const std::string& b);

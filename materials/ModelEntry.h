#pragma once

#include <string>

// One entry of the elastic or thermal model lists: the name shown and the code the library takes
// (elastic 1..6, thermal 11..17).
struct ModelEntry {
    std::string name;
    short code;
};

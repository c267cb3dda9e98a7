#include "MaterialText.h"

#include <cctype>

bool IsStorableMaterialText(const std::string& text) {
    if (text.find_first_of("\t\n") != std::string::npos) {
        return false;
    }
    std::string::size_type position = 0;
    while (position < text.size()) {
        auto isBlank = [&](std::string::size_type i) {
            return std::isspace(static_cast<unsigned char>(text[i])) != 0;
        };
        while (position < text.size() && isBlank(position)) {
            ++position;
        }
        std::string::size_type end = position;
        while (end < text.size() && !isBlank(end)) {
            ++end;
        }
        std::string word = text.substr(position, end - position);
        if (word == "RESINS:" || word == "FIBRES:") {
            return false;
        }
        position = end;
    }
    return true;
}

#include "CardText.h"

#include <cctype>
#include <charconv>

namespace {

bool IsLabelCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::string CardReal(double value, int significantDigits) {
    char buffer[64];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                      significantDigits - 1);
    std::string text(buffer, written.ptr);
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string SolverLabel(std::string_view text) {
    std::string label;
    bool gap = false;
    for (char c : text) {
        if (IsLabelCharacter(c)) {
            if (gap && !label.empty()) {
                label += '_';
            }
            label += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    if (label.empty() || !IsLetter(label.front())) {
        label = "M_" + label;
    }
    if (label.size() > kMaxLabelLength) {
        label.resize(kMaxLabelLength);
    }
    while (label.back() == '_') {
        label.pop_back();
    }
    return label;
}

std::string SolverLabel(std::string_view base, std::string_view suffix) {
    const std::string tail = SolverLabel(suffix);
    std::string head = SolverLabel(base);
    const std::size_t room =
        kMaxLabelLength > tail.size() + 1 ? kMaxLabelLength - tail.size() - 1 : 1;
    if (head.size() > room) {
        head.resize(room);
    }
    return SolverLabel(head + "_" + tail);
}

bool IsSolverLabel(std::string_view text) {
    if (text.empty() || text.size() > kMaxLabelLength || !IsLetter(text.front())) {
        return false;
    }
    for (char c : text) {
        if (!IsLabelCharacter(c)) {
            return false;
        }
    }
    return true;
}

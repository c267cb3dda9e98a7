#include "ShownProperties.h"

#include <cctype>
#include <utility>

#include "Results3DDialog.h"
#include "ResultsRandomDialog.h"
#include "ResultsUDDialog.h"

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(' ');
    const std::size_t end = text.find_last_not_of(' ');
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

// "[GPa]  " -> "GPa", "[]  " -> "".
std::string BareUnit(const std::string& unit) {
    std::string text = Trimmed(unit);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

// The Greek letters of the labels, in UTF-8, with their names.
const std::pair<const char*, const char*> kGreekNames[] = {
    {"ν", "nu"}, {"α", "alpha"}, {"ε", "epsilon"}, {"κ", "kappa"}};

// What is compared when a property is named: letters and digits in lower case, Greek spelt out.
std::string Key(const std::string& text) {
    std::string key;
    for (char c : SpeltOut(text)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return key;
}

// The label as a whole and each name it equates.
std::vector<std::string> Keys(const std::string& label) {
    std::vector<std::string> keys = {Key(label)};
    std::size_t begin = 0;
    for (std::size_t end = label.find('='); end != std::string::npos;
         end = label.find('=', begin)) {
        keys.push_back(Key(label.substr(begin, end - begin)));
        begin = end + 1;
    }
    if (begin > 0) {
        keys.push_back(Key(label.substr(begin)));
    }
    return keys;
}

template <typename Rows>
std::vector<ShownProperty> FromRows(const Rows& rows) {
    std::vector<ShownProperty> properties;
    for (const ResultRowText& row : rows) {
        properties.push_back({Trimmed(row.label), BareUnit(row.unit)});
    }
    return properties;
}

}  // namespace

std::string NameWithUnit(const ShownProperty& property) {
    return property.label + " [" + property.unit + "]";
}

const std::vector<ShownProperty>& UDPlyProperties() {
    static const std::vector<ShownProperty> properties = FromRows(CResultsUDDialog::RowTexts());
    return properties;
}

const std::vector<ShownProperty>& RandomMatProperties() {
    static const std::vector<ShownProperty> properties = FromRows(CResultsRandomDialog::RowTexts());
    return properties;
}

const std::vector<ShownProperty>& Fabric3DProperties() {
    static const std::vector<ShownProperty> properties = FromRows(CResults3DDialog::RowTexts());
    return properties;
}

const std::vector<ShownProperty>& FabricLaminateProperties() {
    // clang-format off
    static const std::vector<ShownProperty> properties = {
        {"A11", "MN/m"}, {"A12", "MN/m"}, {"A16", "MN/m"},
        {"A22", "MN/m"}, {"A26", "MN/m"}, {"A66", "MN/m"},
        {"B11", "kN"}, {"B12", "kN"}, {"B16", "kN"},
        {"B22", "kN"}, {"B26", "kN"}, {"B66", "kN"},
        {"D11", "N m"}, {"D12", "N m"}, {"D16", "N m"},
        {"D22", "N m"}, {"D26", "N m"}, {"D66", "N m"},
        {"NT x", "N/(m K)"}, {"NT y", "N/(m K)"}, {"NT xy", "N/(m K)"},
        {"MT x", "N/K"}, {"MT y", "N/K"}, {"MT xy", "N/K"},
        {"ε x", "%/K"}, {"ε y", "%/K"}, {"ε xy", "%/K"},
        {"κ x", "1/(m K)"}, {"κ y", "1/(m K)"}, {"κ xy", "1/(m K)"},
        {"A16/A11", ""}, {"A26/A22", ""}, {"D16/D11", ""}, {"D26/D22", ""},
    };
    // clang-format on
    return properties;
}

std::string SpeltOut(const std::string& label) {
    std::string text = label;
    for (const auto& [letter, name] : kGreekNames) {
        const std::size_t length = std::char_traits<char>::length(letter);
        for (std::size_t at = text.find(letter); at != std::string::npos; at = text.find(letter)) {
            text.replace(at, length, name);
        }
    }
    return text;
}

std::optional<std::size_t> FindProperty(const std::vector<ShownProperty>& properties,
                                        const std::string& typed) {
    const std::string wanted = Key(typed);
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < properties.size() && !wanted.empty(); ++i) {
        for (const std::string& key : Keys(properties[i].label)) {
            if (key == wanted) {
                if (found && *found != i) {
                    return std::nullopt;
                }
                found = i;
            }
        }
    }
    return found;
}

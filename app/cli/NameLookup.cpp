#include "NameLookup.h"

#include <algorithm>
#include <cctype>

namespace {

// Lower case, blanks trimmed and each run of blanks reduced to one.
std::string Normalised(const std::string& text) {
    std::string result;
    bool pendingBlank = false;
    for (unsigned char c : text) {
        if (std::isspace(c) != 0) {
            pendingBlank = !result.empty();
            continue;
        }
        if (pendingBlank) {
            result += ' ';
            pendingBlank = false;
        }
        result += static_cast<char>(std::tolower(c));
    }
    return result;
}

// Levenshtein distance: single-character insertions, deletions and substitutions.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> previous(b.size() + 1);
    std::vector<std::size_t> current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        previous[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substitution = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::string JoinQuoted(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "\"" : ", \"") + name + "\"";
    }
    return joined;
}

}  // namespace

NameMatch LookUpName(const std::vector<std::string>& names, const std::string& typed) {
    NameMatch match;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == typed) {
            match.index = static_cast<int>(i);
            return match;
        }
    }
    const std::string key = Normalised(typed);
    int loose = -1;
    int looseCount = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (Normalised(names[i]) == key) {
            loose = static_cast<int>(i);
            ++looseCount;
        }
    }
    if (looseCount == 1) {
        match.index = loose;
        return match;
    }
    // A typo of up to a third of the name (at least two characters), or a part of the name.
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const std::string& name : names) {
        const std::string candidate = Normalised(name);
        const std::size_t distance = EditDistance(key, candidate);
        const std::size_t allowed = std::max<std::size_t>(2, candidate.size() / 3);
        const bool contains = !key.empty() && candidate.find(key) != std::string::npos;
        if (distance <= allowed || contains) {
            ranked.emplace_back(contains ? 0 : distance, name);
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [distance, name] : ranked) {
        match.closeMatches.push_back(name);
    }
    return match;
}

std::string UnknownNameMessage(const std::string& what, const std::string& typed,
                               const NameMatch& match, const std::vector<std::string>& names) {
    std::string message = "unknown " + what + " \"" + typed + "\"";
    if (!match.closeMatches.empty()) {
        return message + "; did you mean " + JoinQuoted(match.closeMatches) + "?";
    }
    return message + "; known: " + JoinQuoted(names);
}

#pragma once

#include <string>
#include <vector>

// Finding what the user typed in one of the calculator's lists. A name matches exactly first;
// failing that, it matches an entry that differs only in letter case and in runs of blanks
// ("satin 5h" finds "Satin  5H") when exactly one entry does. Anything else is unknown, and the
// lookup offers the entries that are close: those within a small edit distance of the typed
// name, or containing it, ignoring case and blanks as above.
struct NameMatch {
    int index = -1;                         // position in the searched list, -1 when unknown
    std::vector<std::string> closeMatches;  // when unknown: nearest first
};

NameMatch LookUpName(const std::vector<std::string>& names, const std::string& typed);

// The one-line refusal of an unknown name: `unknown <what> "<typed>"`, followed by the close
// matches ("did you mean ...?") or, when nothing is close, by every known name.
std::string UnknownNameMessage(const std::string& what, const std::string& typed,
                               const NameMatch& match, const std::vector<std::string>& names);

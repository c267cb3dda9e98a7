#pragma once

#include <algorithm>
#include <string>
#include <vector>

// Order of the drop-down lists: alphabetical without regard to case, character by character in
// the character set's order (so a blank sorts before digits and letters), a prefix before the
// longer name.
bool DisplayLess(const std::string& a, const std::string& b);

// One entry of a list shown in display order: its name and what it stands for (a record, a
// weave, a model entry). The entry does not own what the reference points to.
template <typename Reference>
struct DisplayEntry {
    std::string name;
    Reference reference;
};

template <typename Reference>
using DisplayList = std::vector<DisplayEntry<Reference>>;

// Puts a list into display order. Entries with equal names keep the order they were added in, as
// the form's sorted lists insert them; n log n, however many entries.
template <typename Reference>
void SortForDisplay(DisplayList<Reference>& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const auto& a, const auto& b) { return DisplayLess(a.name, b.name); });
}

// The names of a list, top to bottom.
template <typename Reference>
std::vector<std::string> DisplayNames(const DisplayList<Reference>& list) {
    std::vector<std::string> names;
    names.reserve(list.size());
    for (const DisplayEntry<Reference>& entry : list) {
        names.push_back(entry.name);
    }
    return names;
}

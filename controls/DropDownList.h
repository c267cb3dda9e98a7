#pragma once

#include <cassert>
#include <string>
#include <vector>

#include "Control.h"

// The entries of a drop-down list as a window shows them: texts in display order and the index
// of the selected entry (-1 for none). A sorted list inserts each new entry after every entry
// that does not order after it under the list's comparison (so equal texts keep their insertion
// order); an unsorted list appends. The selected entry stays selected when others are inserted
// before it. Indices are 0-based display positions.
class CListControl : public CControl {
public:
    using TextOrder = bool (*)(const std::string&, const std::string&);

    // textOrder: the "less" of the sorted display, or nullptr for an unsorted list.
    explicit CListControl(TextOrder textOrder = nullptr) : textOrder_(textOrder) {}

    int Count() const { return static_cast<int>(texts_.size()); }
    const std::string& Text(int index) const {
        assert(index >= 0 && index < Count());
        return texts_[index];
    }
    bool IsSorted() const { return textOrder_ != nullptr; }
    // Changes whenever the texts do, so that a view can tell whether to show them again.
    unsigned Revision() const { return revision_; }

    int Selection() const { return selection_; }
    // Selects an entry; an index outside the list clears the selection.
    void Select(int index) { selection_ = (index >= 0 && index < Count()) ? index : -1; }
    // The selected entry's text, or "" when nothing is selected.
    std::string SelectedText() const { return selection_ < 0 ? std::string() : texts_[selection_]; }

protected:
    // Inserts the text at its display position and returns that position.
    int InsertText(std::string text);
    // Adds many texts at once, each where InsertText would put it had they come one by one, in
    // n log n rather than one shift of the list per text. Returns where each entry of the new
    // list came from: an index below the old count is an old entry, count + k the k-th new text.
    std::vector<std::size_t> MergeTexts(std::vector<std::string> texts);
    void ClearTexts() {
        texts_.clear();
        selection_ = -1;
        ++revision_;
    }

private:
    std::vector<std::string> texts_;
    TextOrder textOrder_;
    int selection_ = -1;
    unsigned revision_ = 0;
};

// A drop-down list whose entries each carry a reference of type Reference: a material's
// property array, a weave, a model code. The list does not own what the references point to.
template <typename Reference>
class CDropDownList : public CListControl {
public:
    explicit CDropDownList(TextOrder textOrder = nullptr) : CListControl(textOrder) {}

    // Adds an entry at its display position and returns that position.
    int AddEntry(std::string text, Reference reference) {
        int position = InsertText(std::move(text));
        references_.insert(references_.begin() + position, std::move(reference));
        return position;
    }
    // Adds entries as AddEntry would one after the other, in n log n however many there are.
    void AddEntries(std::vector<std::pair<std::string, Reference>> entries) {
        std::vector<std::string> texts;
        texts.reserve(entries.size());
        for (auto& entry : entries) {
            texts.push_back(std::move(entry.first));
        }
        const std::size_t oldCount = references_.size();
        const std::vector<std::size_t> origins = MergeTexts(std::move(texts));
        std::vector<Reference> merged;
        merged.reserve(origins.size());
        for (std::size_t origin : origins) {
            merged.push_back(origin < oldCount ? std::move(references_[origin])
                                               : std::move(entries[origin - oldCount].second));
        }
        references_ = std::move(merged);
    }
    void Clear() {
        ClearTexts();
        references_.clear();
    }
    const Reference& ReferenceAt(int index) const {
        assert(index >= 0 && index < Count());
        return references_[index];
    }
    // The selected entry's reference, or nullptr when nothing is selected.
    const Reference* SelectedReference() const {
        return Selection() < 0 ? nullptr : &references_[Selection()];
    }

private:
    std::vector<Reference> references_;
};

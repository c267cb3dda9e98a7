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

    int Selection() const { return selection_; }
    // Selects an entry; an index outside the list clears the selection.
    void Select(int index) { selection_ = (index >= 0 && index < Count()) ? index : -1; }
    // The selected entry's text, or "" when nothing is selected.
    std::string SelectedText() const { return selection_ < 0 ? std::string() : texts_[selection_]; }

protected:
    // Inserts the text at its display position and returns that position.
    int InsertText(std::string text);
    void ClearTexts() {
        texts_.clear();
        selection_ = -1;
    }

private:
    std::vector<std::string> texts_;
    TextOrder textOrder_;
    int selection_ = -1;
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

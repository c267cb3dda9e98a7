#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Control.h"

// A group of radio buttons of which at most one is selected (-1: none). The visible and enabled
// flags apply to every button of the group; push-like buttons look like toggled push buttons.
class CRadioGroup : public CControl {
public:
    explicit CRadioGroup(std::vector<std::string> captions, bool pushLike = false)
        : captions_(std::move(captions)), pushLike_(pushLike) {}

    int Count() const { return static_cast<int>(captions_.size()); }
    const std::string& Caption(int index) const { return captions_[index]; }
    bool IsPushLike() const { return pushLike_; }

    int Selection() const { return selection_; }
    void Select(int index) { selection_ = (index >= 0 && index < Count()) ? index : -1; }

private:
    std::vector<std::string> captions_;
    bool pushLike_;
    int selection_ = -1;
};

#include "DropDownList.h"

#include <algorithm>

int CListControl::InsertText(std::string text) {
    auto position = texts_.end();
    if (textOrder_ != nullptr) {
        position = std::upper_bound(texts_.begin(), texts_.end(), text, textOrder_);
    }
    int index = static_cast<int>(position - texts_.begin());
    texts_.insert(position, std::move(text));
    if (selection_ >= index) {
        ++selection_;
    }
    return index;
}

#include "DropDownList.h"

#include <algorithm>

int CListControl::InsertText(std::string text) {
    auto position = texts_.end();
    if (textOrder_ != nullptr) {
        position = std::upper_bound(texts_.begin(), texts_.end(), text, textOrder_);
    }
    int index = static_cast<int>(position - texts_.begin());
    texts_.insert(position, std::move(text));
    ++revision_;
    if (selection_ >= index) {
        ++selection_;
    }
    return index;
}

std::vector<std::size_t> CListControl::MergeTexts(std::vector<std::string> texts) {
    const std::size_t oldCount = texts_.size();
    std::vector<std::size_t> newOrder(texts.size());
    for (std::size_t k = 0; k < newOrder.size(); ++k) {
        newOrder[k] = oldCount + k;
    }
    auto textOf = [&](std::size_t origin) -> const std::string& {
        return origin < oldCount ? texts_[origin] : texts[origin - oldCount];
    };
    std::vector<std::size_t> origins(oldCount);
    for (std::size_t i = 0; i < oldCount; ++i) {
        origins[i] = i;
    }
    if (textOrder_ == nullptr) {
        origins.insert(origins.end(), newOrder.begin(), newOrder.end());
    } else {
        // Equal texts keep their order, and an old entry stays ahead of an equal new one.
        auto less = [&](std::size_t a, std::size_t b) { return textOrder_(textOf(a), textOf(b)); };
        std::stable_sort(newOrder.begin(), newOrder.end(), less);
        std::vector<std::size_t> merged(oldCount + newOrder.size());
        std::merge(origins.begin(), origins.end(), newOrder.begin(), newOrder.end(), merged.begin(),
                   less);
        origins = std::move(merged);
    }
    std::vector<std::string> mergedTexts;
    mergedTexts.reserve(origins.size());
    int selection = -1;
    for (std::size_t i = 0; i < origins.size(); ++i) {
        mergedTexts.push_back(
            std::move(origins[i] < oldCount ? texts_[origins[i]] : texts[origins[i] - oldCount]));
        if (selection_ >= 0 && origins[i] == static_cast<std::size_t>(selection_)) {
            selection = static_cast<int>(i);
        }
    }
    texts_ = std::move(mergedTexts);
    selection_ = selection;
    ++revision_;
    return origins;
}

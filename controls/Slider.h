#pragma once

#include <algorithm>

#include "Control.h"

// A horizontal slider with an integer range, tick marks every tickStep and a position kept
// within the range.
class CSlider : public CControl {
public:
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int TickStep() const { return tickStep_; }
    int Position() const { return position_; }

    void SetRange(int minimum, int maximum) {
        minimum_ = minimum;
        maximum_ = std::max(minimum, maximum);
        position_ = std::clamp(position_, minimum_, maximum_);
    }
    void SetTickStep(int tickStep) { tickStep_ = tickStep; }
    // Moves the thumb; a position outside the range stops at its nearer end.
    void SetPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int tickStep_ = 1;
    int position_ = 0;
};

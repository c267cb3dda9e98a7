#include "MatchBlock.h"

namespace {

constexpr int kArrangements[4][4] = {
    {0, 1, 2, 3},  // as given
    {1, 0, 3, 2},  // mirrored left-right
    {2, 3, 0, 1},  // mirrored top-bottom
    {3, 2, 1, 0},  // turned half round
};

bool Equal(const short* a, const short* b, const int (&order)[4]) {
    for (int i = 0; i < 4; ++i) {
        if (a[i] != b[order[i]]) {
            return false;
        }
    }
    return true;
}

// Codes are 16-bit: their sum is taken in 16 bits, so -32768 is its own negation.
bool Opposite(const short* a, const short* b, const int (&order)[4]) {
    for (int i = 0; i < 4; ++i) {
        if (static_cast<short>(a[i] + b[order[i]]) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

short MatchBlock(const short* a, const short* b) {
    for (const auto& order : kArrangements) {
        if (Equal(a, b, order)) {
            return 1;
        }
    }
    for (const auto& order : kArrangements) {
        if (Opposite(a, b, order)) {
            return -1;
        }
    }
    return 0;
}

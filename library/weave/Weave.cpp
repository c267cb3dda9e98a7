#include <algorithm>
#include <limits>
#include <new>

#include "weftcore.h"

namespace {

// Cells of a cols x rows grid: 0 when a dimension is not positive or the count does not fit in
// an int, which makes an empty weave.
int CellCount(int cols, int rows) {
    if (cols <= 0 || rows <= 0 || cols > std::numeric_limits<int>::max() / rows) {
        return 0;
    }
    return cols * rows;
}

}  // namespace

CWeave::CWeave() : pattern_(nullptr), cols_(0), rows_(0) {}

// Sizes that cannot be stored, and memory that cannot be had, leave the weave empty: a
// constructor of the exported class throws nothing.
CWeave::CWeave(int cols, int rows, const short* cells) : pattern_(nullptr), cols_(0), rows_(0) {
    const int count = cells == nullptr ? 0 : CellCount(cols, rows);
    if (count == 0) {
        return;
    }
    pattern_ = new (std::nothrow) short[count];
    if (pattern_ == nullptr) {
        return;
    }
    std::copy(cells, cells + count, pattern_);
    cols_ = cols;
    rows_ = rows;
}

CWeave::CWeave(const CWeave& other) : CWeave(other.cols_, other.rows_, other.pattern_) {}

CWeave::~CWeave() {
    delete[] pattern_;
}

int CWeave::MaxReduction() const {
    // A zero dimension is divisible by every power of two: the empty grid cannot be coarsened.
    if (cols_ <= 0 || rows_ <= 0 || cols_ % 2 != 0) {
        return 0;
    }
    int count = 0;
    // Once d exceeds cols_, cols_ % d != 0 ends the loop; d is wide enough not to overflow first.
    for (long long d = 2;; d *= 2) {
        if (rows_ % d != 0) {
            return count;
        }
        ++count;
        if (cols_ % (2 * d) != 0) {
            return count;
        }
    }
}

#include <algorithm>

#include "weftcore.h"

namespace {

int CellCount(int cols, int rows) {
    return cols > 0 && rows > 0 ? cols * rows : 0;
}

}  // namespace

CWeave::CWeave() : pattern_(nullptr), cols_(0), rows_(0) {}

CWeave::CWeave(int cols, int rows, const short* cells)
    : pattern_(new short[CellCount(cols, rows)]), cols_(cols), rows_(rows) {
    std::copy(cells, cells + CellCount(cols, rows), pattern_);
}

CWeave::CWeave(const CWeave& other)
    : pattern_(other.pattern_ ? new short[CellCount(other.cols_, other.rows_)] : nullptr),
      cols_(other.cols_),
      rows_(other.rows_) {
    if (other.pattern_) {
        std::copy(other.pattern_, other.pattern_ + CellCount(cols_, rows_), pattern_);
    }
}

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

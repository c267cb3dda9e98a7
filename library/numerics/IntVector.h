#pragma once

#include <algorithm>

// Dense vector of 32-bit integers with 1-based access. Owns its buffer; copies are deep.
class CIntVector {
public:
    explicit CIntVector(int n, bool zero = true) : data_(new int[n > 0 ? n : 0]), n_(n) {
        if (zero) {
            std::fill(data_, data_ + n_, 0);
        }
    }
    CIntVector(const CIntVector& other) : data_(new int[other.n_]), n_(other.n_) {
        std::copy(other.data_, other.data_ + n_, data_);
    }
    CIntVector& operator=(const CIntVector&) = delete;
    ~CIntVector() { delete[] data_; }

    int& operator()(int i) { return data_[i - 1]; }
    int operator()(int i) const { return data_[i - 1]; }
    int Size() const { return n_; }

private:
    int* data_;
    int n_;
};

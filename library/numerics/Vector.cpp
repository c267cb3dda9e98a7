#include "Vector.h"

#include <algorithm>

CVector::CVector(int n, bool zero) : data_(new double[n > 0 ? n : 0]), n_(n) {
    if (zero) {
        Fill(0.0);
    }
}

CVector::CVector(const CVector& other) : data_(new double[other.n_]), n_(other.n_) {
    std::copy(other.data_, other.data_ + n_, data_);
}

CVector::~CVector() {
    delete[] data_;
}

void CVector::Fill(double v) {
    std::fill(data_, data_ + n_, v);
}

CVector& CVector::operator=(const CVector& other) {
    if (this != &other) {
        std::copy(other.data_, other.data_ + n_, data_);
    }
    return *this;
}

CVector CVector::operator+(const CVector& other) const {
    CVector sum(n_, false);
    for (int i = 0; i < n_; ++i) {
        sum.data_[i] = data_[i] + other.data_[i];
    }
    return sum;
}

CVector& CVector::operator+=(const CVector& other) {
    for (int i = 0; i < n_; ++i) {
        data_[i] += other.data_[i];
    }
    return *this;
}

CVector CVector::operator*(double s) const {
    CVector scaled(n_, false);
    for (int i = 0; i < n_; ++i) {
        scaled.data_[i] = data_[i] * s;
    }
    return scaled;
}

CVector& CVector::operator*=(double s) {
    for (int i = 0; i < n_; ++i) {
        data_[i] *= s;
    }
    return *this;
}

CVector CVector::SubVector(int first, int last) const {
    CVector part(last - first + 1, false);
    std::copy(data_ + first - 1, data_ + last, part.data_);
    return part;
}

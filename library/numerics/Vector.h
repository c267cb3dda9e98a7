#pragma once

// Dense vector of doubles with 1-based access and value semantics. Owns its buffer. Assignment
// copies the target's own count of elements without reallocating: shapes must agree.
class CVector {
public:
    explicit CVector(int n, bool zero = true);
    CVector(const CVector& other);
    ~CVector();

    double& operator()(int i) { return data_[i - 1]; }
    double operator()(int i) const { return data_[i - 1]; }
    int Size() const { return n_; }
    double* Data() { return data_; }
    const double* Data() const { return data_; }

    void Fill(double v);
    CVector& operator=(const CVector& other);
    CVector operator+(const CVector& other) const;
    CVector& operator+=(const CVector& other);
    CVector operator*(double s) const;
    CVector& operator*=(double s);
    // Elements first..last (1-based, inclusive) as a new vector.
    CVector SubVector(int first, int last) const;

private:
    double* data_;
    int n_;
};

#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <utility>

// An owning array of trivially copyable T obtained from the C heap: Allocate reports exhausted
// memory as false instead of throwing, which is how the package keeps its promise never to throw.
// Contents are uninitialised unless Allocate is asked to zero them.
template <typename T>
class CCholeskyBuffer {
public:
    CCholeskyBuffer() = default;
    ~CCholeskyBuffer() { std::free(data_); }
    CCholeskyBuffer(const CCholeskyBuffer&) = delete;
    CCholeskyBuffer& operator=(const CCholeskyBuffer&) = delete;
    CCholeskyBuffer(CCholeskyBuffer&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
    CCholeskyBuffer& operator=(CCholeskyBuffer&& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        return *this;
    }

    // Replaces the contents by `count` elements (at least one is obtained, so that a buffer of
    // size 0 is still valid); false when memory runs out, the buffer then being empty.
    bool Allocate(std::size_t count, bool zeroed = false);
    void Release() {
        std::free(data_);
        data_ = nullptr;
        size_ = 0;
    }

    T* Data() { return data_; }
    const T* Data() const { return data_; }
    std::size_t Size() const { return size_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }

private:
    T* data_ = nullptr;
    std::size_t size_ = 0;
};

// Whether the next block request may be served: false when a failure injected by
// CholeskyFailNthAllocation falls due (the test hook, declared in SparseCholesky.h and defined
// beside it).
bool CholeskyAllocationAllowed();

template <typename T>
bool CCholeskyBuffer<T>::Allocate(std::size_t count, bool zeroed) {
    Release();
    if (!CholeskyAllocationAllowed()) {
        return false;
    }
    const std::size_t bytes = (count > 0 ? count : 1) * sizeof(T);
    data_ = static_cast<T*>(zeroed ? std::calloc(1, bytes) : std::malloc(bytes));
    if (data_ == nullptr) {
        return false;
    }
    size_ = count;
    return true;
}

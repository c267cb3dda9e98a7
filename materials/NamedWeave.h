#pragma once

#include <string>

#include "weftcore.h"

// A library weave pattern with the name the weave list shows.
class CNamedWeave : public CWeave {
public:
    // An n x n pattern of n * n cell codes, row by row.
    CNamedWeave(int n, const short* cells, std::string name)
        : CWeave(n, n, cells), name_(std::move(name)) {}

    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

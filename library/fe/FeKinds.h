#pragma once

#include <vector>

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// The element properties of one level of a weave pattern: for each kind k = 1..K its laminate
// ABD matrix, thermal resultants (NT, MT per kelvin) and yarn-load resultants, each in a normal
// and a flipped version (the cell turned upside down: coupling blocks and moments negated).
// A pattern code p >= 1 selects the normal version of kind p, p <= -1 the flipped one of kind -p.
class CFeKinds {
public:
    // Appends a kind from its normal version; the flipped one follows by the sign rule.
    void Add(const CMatrix& abd, const CVector& thermal, const CVector& yarnLoads);

    int Count() const { return static_cast<int>(abd_.size()); }
    const CMatrix& ABD(short code) const;
    const CVector& Thermal(short code) const;
    const CVector& YarnLoads(short code) const;

private:
    std::vector<CMatrix> abd_, abdFlipped_;
    std::vector<CVector> thermal_, thermalFlipped_;
    std::vector<CVector> yarnLoads_, yarnLoadsFlipped_;
};

// A pattern of codes, nx per row, with the kinds its codes select.
struct FePattern {
    int nx;
    int ny;
    std::vector<short> cells;
    CFeKinds kinds;
};

// One coarsening step: every 2x2 block of cells becomes one cell. Blocks that are the same up to
// mirroring left-right or top-bottom or turning half round share a kind, those equal to the
// negation of an earlier one take its kind flipped; a new kind is the mean of its four cells'.
// nx and ny must be even.
FePattern CoarsenPattern(const FePattern& fine);

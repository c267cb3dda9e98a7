#include "FeKinds.h"

#include <array>
#include <cstddef>

#include "woven/FlippedCell.h"
#include "woven/MatchBlock.h"

void CFeKinds::Add(const CMatrix& abd, const CVector& thermal, const CVector& yarnLoads) {
    abd_.push_back(abd);
    abdFlipped_.push_back(FlippedABD(abd));
    thermal_.push_back(thermal);
    thermalFlipped_.push_back(FlippedResultants(thermal));
    yarnLoads_.push_back(yarnLoads);
    yarnLoadsFlipped_.push_back(FlippedResultants(yarnLoads));
}

const CMatrix& CFeKinds::ABD(short code) const {
    return code >= 1 ? abd_[code - 1] : abdFlipped_[-code - 1];
}

const CVector& CFeKinds::Thermal(short code) const {
    return code >= 1 ? thermal_[code - 1] : thermalFlipped_[-code - 1];
}

const CVector& CFeKinds::YarnLoads(short code) const {
    return code >= 1 ? yarnLoads_[code - 1] : yarnLoadsFlipped_[-code - 1];
}

FePattern CoarsenPattern(const FePattern& fine) {
    FePattern coarse{fine.nx / 2, fine.ny / 2, {}, {}};
    coarse.cells.resize(static_cast<size_t>(coarse.nx) * coarse.ny);
    std::vector<std::array<short, 4>> blocks;
    for (int j = 0; j < coarse.ny; ++j) {
        for (int i = 0; i < coarse.nx; ++i) {
            auto at = [&](int row, int col) { return fine.cells[row * fine.nx + col]; };
            std::array<short, 4> block = {at(2 * j, 2 * i), at(2 * j, 2 * i + 1),
                                          at(2 * j + 1, 2 * i), at(2 * j + 1, 2 * i + 1)};
            short value = 0;
            for (int b = static_cast<int>(blocks.size()) - 1; b >= 0 && value == 0; --b) {
                short sign = MatchBlock(blocks[b].data(), block.data());
                value = static_cast<short>(sign * (b + 1));
            }
            if (value == 0) {
                blocks.push_back(block);
                value = static_cast<short>(blocks.size());
            }
            coarse.cells[j * coarse.nx + i] = value;
        }
    }
    for (const auto& block : blocks) {
        const CFeKinds& k = fine.kinds;
        CMatrix abd =
            (((k.ABD(block[0]) + k.ABD(block[1])) + k.ABD(block[2])) + k.ABD(block[3])) * 0.25;
        CVector thermal = (((k.Thermal(block[0]) + k.Thermal(block[1])) + k.Thermal(block[2])) +
                           k.Thermal(block[3])) *
                          0.25;
        CVector yarnLoads =
            (((k.YarnLoads(block[0]) + k.YarnLoads(block[1])) + k.YarnLoads(block[2])) +
             k.YarnLoads(block[3])) *
            0.25;
        coarse.kinds.Add(abd, thermal, yarnLoads);
    }
    return coarse;
}

#pragma once

#include <array>

// Catalogue pair used for the hand-derived values: resin "Hexcel 8552", fibre "Hercules AS4".
inline const std::array<double, 3> kHexcel8552 = {3.64e9, 0.37, 6.5e-5};
inline const std::array<double, 8> kHerculesAS4 = {221e9, 15e9,  20e9,   5e9,
                                                   0.27,  -4e-7, 1.2e-5, 1790};

// A fibre identical to an isotropic resin: every model must give back the resin.
inline std::array<double, 8> FibreLikeResin(const std::array<double, 3>& resin) {
    double G = resin[0] / ((resin[1] + 1.0) * 2.0);
    return {resin[0], resin[0], G, G, resin[1], resin[2], resin[2], 1000};
}

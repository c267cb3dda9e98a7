// Weftcore: the numeric library of Corvel.
//
// Micromechanics of fibre-reinforced plies, random mats and woven fabrics behind three entry
// points and one class. Every argument is owned by the caller and only read during the call; the
// library keeps no state between calls, throws nothing and validates (almost) nothing: degenerate
// inputs come back as non-finite numbers.
//
// Units: SI throughout (Pa, 1/K, kg/m^3, kg/m^2, 1/m, radians). Expansion coefficients returned by
// UDMixel, RNDProperties and the 3D fabric model are multiplied by 1e6 (10^-6/K).
//
// Property arrays:
//   resin  [3]: Em, nu_m, alpha_m
//   fibre  [8]: Ef1, Ef2, Gf12, Gf23, nu_f12, alpha_f1, alpha_f2, density
//   fabric [7]: warp undulation ratio, fill undulation ratio, fibre height ratio, fibre width
//               ratio, warp count [1/m], fill count [1/m], areal density [kg/m^2]
#pragma once

#define WEFTCORE_API __attribute__((visibility("default")))

// Elastic model codes: 1 rule of mixtures, 2 CCA, 3 Puck, 4 Chamis, 5 Halpin-Tsai (circular
// fibres), 6 Halpin-Tsai (rectangular fibres). Thermal model codes: 11 rule of mixtures, 12 and
// 15 Chamis, 13 Schneider, 14 Shapery, 16 ChamberLain hexagonal, 17 ChamberLain square.
//
// out[9] = E1, E2 (= E3), G12 (= G13), G23, nu12 (= nu13), nu23, nu21, alpha1*1e6, alpha2*1e6.
// An unknown model code returns without writing out.
WEFTCORE_API void UDMixel(double vf, const double* resin, const double* fibre, short mechModel,
                          short thermModel, double* out);

// Random mat of the same fibre, resin and models as UDMixel, in-plane isotropic.
// out[9] = Ex (= Ey), Ez, Gxy, Gyz (= Gzx), nu_xy, nu_zx, nu_xz, alpha_x*1e6, alpha_z*1e6.
// An unknown model code returns without writing out.
WEFTCORE_API void RNDProperties(double vf, const double* resin, const double* fibre,
                                short mechModel, short thermModel, double* out);

// A weave pattern: a periodic grid of quarter yarn crossings, each cell a signed crossing kind.
// Kind 1: both yarns undulate; 2: neither; 3: only the lower yarn; 4: only the upper yarn.
// A negative code is the same cell mirrored through the fabric's mid-plane. Cells are stored row
// by row: cols cells per row, rows rows. Immutable after construction; owns its pattern.
class WEFTCORE_API CWeave {
public:
    CWeave();
    // Copies cols * rows codes from cells, which must hold that many.
    CWeave(int cols, int rows, const short* cells);
    CWeave(const CWeave& other);
    CWeave& operator=(const CWeave&) = delete;
    virtual ~CWeave();

    // Largest k >= 0 such that 2^k divides both dimensions: how many times the grid can be
    // coarsened by merging 2x2 blocks of cells. 0 for the empty weave.
    int MaxReduction() const;

    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    // Code of the cell in row `row` and column `col`, both 0-based.
    short Cell(int row, int col) const { return pattern_[row * cols_ + col]; }
    const short* Pattern() const { return pattern_; }

private:
    short* pattern_;
    int cols_;
    int rows_;
};

// Woven fabric of one weave. model 0: 3D engineering constants by averaging (out[19]);
// 1: laminate A, B, D and thermal resultants by averaging (out[41]); 2: the same by finite
// elements (out[41]). isoStrain selects stiffness (true) or compliance (false) averaging.
// fillAngle and warpAngle are the in-plane yarn directions in radians; cellFactors holds two
// yarn-load factors read by models 1 and 2; reductions is the coarsening level of model 2.
// Returns false with out untouched for a null weave or equal yarn angles, true otherwise (also
// for an unknown model number, with out untouched).
WEFTCORE_API bool WFProperties(short model, bool isoStrain, const CWeave* weave, short gaussPoints,
                               double vf, const double* resin, const double* fibre,
                               const double* fabric, double fillAngle, double warpAngle,
                               const double* cellFactors, int reductions, double* out);

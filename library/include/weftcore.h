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
#define WEFTCORE_HIDDEN __attribute__((visibility("hidden")))

// Elastic model codes: 1 rule of mixtures, 2 CCA, 3 Puck, 4 Chamis, 5 Halpin-Tsai (circular
// fibres), 6 Halpin-Tsai (rectangular fibres). Thermal model codes: 11 rule of mixtures, 12 and
// 15 Chamis, 13 Schneider, 14 Shapery, 16 ChamberLain hexagonal, 17 ChamberLain square.
//
// out[9] = E1, E2 (= E3), G12 (= G13), G23, nu12 (= nu13), nu23, nu21, alpha1*1e6, alpha2*1e6.
// An unknown model code, or a null array, returns without writing out.
WEFTCORE_API void UDMixel(double vf, const double* resin, const double* fibre, short mechModel,
                          short thermModel, double* out);

// Random mat of the same fibre, resin and models as UDMixel, in-plane isotropic.
// out[9] = Ex (= Ey), Ez, Gxy, Gyz (= Gzx), nu_xy, nu_zx, nu_xz, alpha_x*1e6, alpha_z*1e6.
// An unknown model code, or a null array, returns without writing out.
WEFTCORE_API void RNDProperties(double vf, const double* resin, const double* fibre,
                                short mechModel, short thermModel, double* out);

// A weave pattern: a periodic grid of quarter yarn crossings, each cell a signed crossing kind.
// Kind 1: both yarns undulate; 2: neither; 3: only the lower yarn; 4: only the upper yarn.
// A negative code is the same cell mirrored through the fabric's mid-plane. Cells are stored row
// by row: cols cells per row, rows rows. Immutable after construction; owns its pattern.
class WEFTCORE_API CWeave {
public:
    CWeave();
    // Copies cols * rows codes from cells, which must hold that many. Sizes that are not positive
    // or whose product does not fit in an int, a null `cells`, or memory that cannot be had give
    // the empty weave (0 x 0) instead.
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

    // The finite-element model of one repeat behind WFProperties model 2 (same arguments, out[41]).
    // False, out untouched, when the solver ran out of memory. Internal to the library: not
    // exported.
    // `progress` (may be null) is asked at the start of the assembly, the factorisation and the
    // load cases as WFPropertiesWithProgress describes; it returning true stops the model there,
    // which then returns false with out untouched.
    WEFTCORE_HIDDEN bool FeAbdProperties(bool isoStrain, short gaussPoints, double vf,
                                         const double* resin, const double* fibre,
                                         const double* fabric, double fillAngle, double warpAngle,
                                         const double* cellFactors, int reductions, double* out,
                                         bool (*progress)(int, void*) = nullptr,
                                         void* user = nullptr) const;

private:
    short* pattern_;
    int cols_;
    int rows_;
};

// Woven fabric of one weave, modelled per quarter yarn crossing of the pattern, each crossing
// sampled at gaussPoints x gaussPoints Gauss points (1..11).
//   model 0: 3D properties by averaging, out[19]:
//     Ex, Ey, Ez, Gxy, Gxz, Gyz, nu_xy, nu_xz, nu_yz, nu_yx, nu_zx, nu_zy,
//     alpha_x, alpha_y, alpha_z, alpha_xy (all *1e6), S16/Ex, S26/Ey, thickness h [m].
//   model 1: laminate properties by averaging, out[41]:
//     A11 A12 A16 A22 A26 A66, B11 B12 B16 B22 B26 B66, D11 D12 D16 D22 D26 D66,
//     A16/A11, A26/A22, D16/D11, D26/D22, NTx NTy NTxy MTx MTy MTxy (per kelvin),
//     free thermal strains ex ey gxy and curvatures kx ky kxy (per kelvin), h [m],
//     force and moment resultants of the yarn-axis loads (x, y, xy each).
//     No scale factor: N/m, N, N m, N/(m K), N/K, 1/K, 1/(m K). B and the moments take
//     curvatures positive when the upper face shortens; a negative pattern code is the crossing
//     turned upside down and flips B and every moment.
//   model 2: the same 41 values by a periodic plate finite-element model of one repeat, one
//     element per pattern cell; reductions > 0 first merges 2x2 blocks of cells that many times
//     (at most MaxReduction()). Entries 35..40 are the resultants of the yarn-load case.
// isoStrain selects stiffness (true) or compliance (false) averaging over the points of a
// crossing. fillAngle and warpAngle are the in-plane directions of the lower and upper yarn in
// radians; cellFactors holds the two yarn-axis load values read by models 1 and 2; reductions is
// the coarsening level of model 2. The thickness is fabric[6] / (vf * fibre[7]) / |sin(angle
// between the yarns)|.
//
// Returns false with out untouched for a null weave or equal yarn angles, and when memory runs out
// (no exception leaves the library). Returns true with out
// untouched for a model number other than 0, 1, 2. For models 0..2 also returns false with out
// untouched when: resin, fibre, fabric or out is null (or cellFactors, for models 1 and 2);
// gaussPoints is outside 1..11; no pattern code has magnitude 1..4 (an empty weave included);
// for model 2, any code has another magnitude; a yarn count, the areal density or the fibre
// density is not positive; the fabric's fibre does not fit in its yarns (the fibre fraction
// inside a yarn, what the volume fraction leaves after the resin pocket, outside [0, 1]). In models
// 0 and 1 codes of other magnitudes among valid ones add no crossing but count in the average.
// Other degenerate inputs are computed as given: a volume fraction of 0 gives non-finite results, a
// width ratio of 1 without undulation meaningless ones.
WEFTCORE_API bool WFProperties(short model, bool isoStrain, const CWeave* weave, short gaussPoints,
                               double vf, const double* resin, const double* fibre,
                               const double* fabric, double fillAngle, double warpAngle,
                               const double* cellFactors, int reductions, double* out);

// The stages of a woven-fabric calculation as WFPropertiesWithProgress reports them, in the
// order they run. The averaging models (0 and 1) are one stage; the finite-element model (2)
// assembles the stiffness of one repeat (with the laminates of its crossing kinds), factors the
// periodic system once, then solves its eight load cases and homogenises them. Every model ends
// with kWFStageFinished, before out is written.
enum WFStage : int {
    kWFStageAveraging = 0,
    kWFStageAssembly = 1,
    kWFStageFactorisation = 2,
    kWFStageCases = 3,
    kWFStageFinished = 4,
};

// Called on the calculating thread at each stage boundary with the stage about to begin (a
// WFStage) and the caller's `user` pointer. Returning true cancels: the calculation stops there
// and WFPropertiesWithProgress returns false with out untouched. A plain function pointer, so
// that it crosses the library boundary without either side's C++ runtime types.
typedef bool (*WFProgressCallback)(int stage, void* user);

// WFProperties with progress and cancellation: the same arguments, checks and results, bit for
// bit, as WFProperties. `progress` may be null (then this is WFProperties). Inputs refused before
// the calculation starts (see WFProperties) return without a call to `progress`; a model number
// other than 0, 1, 2 returns true without one. A calculation cancelled by `progress` stops at the
// stage boundary where it was asked, the work of the stage under way being finished first; it
// returns false with out untouched, as a refusal does: the caller knows which it asked for.
WEFTCORE_API bool WFPropertiesWithProgress(short model, bool isoStrain, const CWeave* weave,
                                           short gaussPoints, double vf, const double* resin,
                                           const double* fibre, const double* fabric,
                                           double fillAngle, double warpAngle,
                                           const double* cellFactors, int reductions, double* out,
                                           WFProgressCallback progress, void* user);

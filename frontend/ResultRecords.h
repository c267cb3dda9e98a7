#pragma once

#include <array>
#include <cstddef>

// The result records of the four calculation kinds: the library's output array in display units,
// each value scaled from the double result and then rounded to single precision (out[i] * scale,
// then float). A record is what the result forms show (six significant digits) and, after the
// forms have read their displayed texts back into it, what the reports print. Plain data: no
// window system and no files.
//
// Values are kept in display order; the named indices say which is which.

// UD ply from UDMixel: moduli [GPa], Poisson's ratios, expansion [ppm/K].
struct UDResults {
    enum Field { E1, E2, G12, G23, Nu12, Nu21, Nu23, Alpha1, Alpha2, kFieldCount };
    std::array<float, kFieldCount> values{};

    float operator[](Field field) const { return values[field]; }
    static UDResults FromLibrary(const double* out);
};

// Random mat from RNDProperties: in-plane isotropic, z through the thickness.
struct RandomMatResults {
    enum Field { Ex, Ez, Gxy, Gyz, NuXY, NuZX, NuXZ, AlphaX, AlphaZ, kFieldCount };
    std::array<float, kFieldCount> values{};

    float operator[](Field field) const { return values[field]; }
    static RandomMatResults FromLibrary(const double* out);
};

// Woven fabric as 3D engineering constants (WFProperties model 0) and the in-plane coupling
// ratios C16/C11 and C26/C22. The fabric thickness (out[18], metres) is not part of the record.
struct Fabric3DResults {
    // clang-format off
    enum Field {
        Ex, Ey, Ez, Gxy, Gxz, Gyz,
        NuXY, NuXZ, NuYZ, NuYX, NuZX, NuZY,
        AlphaX, AlphaY, AlphaZ, AlphaXY,
        C16OverC11, C26OverC22,
        kFieldCount
    };
    // clang-format on
    std::array<float, kFieldCount> values{};

    float operator[](Field field) const { return values[field]; }
    static Fabric3DResults FromLibrary(const double* out);
    // The fabric thickness in millimetres, for the report.
    static double ThicknessMillimetres(const double* out) { return out[18] * 1000.0; }
};

// Woven fabric as a laminate (WFProperties models 1 and 2): the upper triangles of A [MN/m],
// B [kN] and D [N m], the thermal force and moment resultants per kelvin, the free thermal strains
// [%/K] and curvatures [1/(m K)], and the coupling ratios. The thickness (out[34]) is not part of
// the record.
struct FabricABDResults {
    // clang-format off
    enum Field {
        A11, A12, A16, A22, A26, A66,
        B11, B12, B16, B22, B26, B66,
        D11, D12, D16, D22, D26, D66,
        NTx, NTy, NTxy,
        MTx, MTy, MTxy,
        EpsilonX, EpsilonY, EpsilonXY,
        KappaX, KappaY, KappaXY,
        A16OverA11, A26OverA22, D16OverD11, D26OverD22,
        kFieldCount
    };
    // clang-format on
    std::array<float, kFieldCount> values{};

    float operator[](Field field) const { return values[field]; }
    // The minimum displayed values, in the library's units: entries of A, B, D and the coupling
    // ratios (N/m, N, N m) below abdMinimum and thermal entries (N/(m K), N/K, 1/K, 1/(m K))
    // below thermalMinimum are cleared before scaling; a value equal to its minimum stays.
    static FabricABDResults FromLibrary(const double* out, double abdMinimum,
                                        double thermalMinimum);
    static double ThicknessMillimetres(const double* out) { return out[34] * 1000.0; }
};

// The value a result field holds after the form has read its display text (six significant
// digits) back in single precision: 12345.678901 shows as 12345.7 and becomes 12345.7001953125.
// Non-finite values stay as they are.
float DisplayedValue(float value);

// A record as the forms hand it to the reports after the read-back of every field; for writing
// the same reports without a form.
template <typename Record>
Record AsDisplayed(Record record) {
    for (float& value : record.values) {
        value = DisplayedValue(value);
    }
    return record;
}

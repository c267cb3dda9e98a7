#include "AbaqusInput.h"

#include <array>

#include "CardText.h"

namespace {

// Voigt positions of the library's order 1, 2, 3, 23, 13, 12 for the solvers' order 11, 22, 33,
// 12, 13, 23.
constexpr std::array<int, 6> kLibraryIndexOfSolverIndex = {0, 1, 2, 5, 4, 3};

std::string Real(double value) {
    return CardReal(value, kKeywordDigits);
}

// Data lines of eight values at most.
void WriteDataLines(std::ostream& out, const std::vector<double>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        out << Real(values[i]);
        const bool lineEnds = i + 1 == values.size() || (i + 1) % 8 == 0;
        out << (lineEnds ? "\n" : ", ");
    }
}

// The upper triangle of a symmetric 6x6 matrix column by column: m11, m12, m22, m13, m23, m33...
template <typename Entry>
std::vector<double> UpperTriangleByColumns(Entry entry) {
    std::vector<double> values;
    for (int column = 0; column < 6; ++column) {
        for (int row = 0; row <= column; ++row) {
            values.push_back(entry(row, column));
        }
    }
    return values;
}

std::string VectorText(const Vector3& v) {
    return Real(v[0]) + ", " + Real(v[1]) + ", " + Real(v[2]);
}

}  // namespace

void WriteKeywordComments(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out << "** " << line << '\n';
    }
}

void WriteMaterialKeywords(std::ostream& out, const SolidMaterial& m) {
    WriteKeywordComments(out, m.notes);
    out << "*MATERIAL, NAME=" << m.name << '\n';
    if (!HasShearCoupling(m)) {
        WriteKeywordComments(out, {"E1, E2, E3, nu12, nu13, nu23, G12, G13 / G23 [Pa]; "
                                   "nu_ij = -eps_j/eps_i under stress along i"});
        out << "*ELASTIC, TYPE=ENGINEERING CONSTANTS\n";
        WriteDataLines(out, {m.E1, m.E2, m.E3, m.nu12, m.nu13, m.nu23, m.G12, m.G13, m.G23});
        WriteKeywordComments(out, {"alpha11, alpha22, alpha33 [1/K]"});
        out << "*EXPANSION, TYPE=ORTHO\n";
        WriteDataLines(out, {m.alpha1, m.alpha2, m.alpha3});
    } else {
        Matrix6 stiffness{};
        InvertPositiveDefinite(Compliance(m), stiffness);
        WriteKeywordComments(
            out, {"In-plane shear couples with the normal directions (yarns not symmetric about "
                  "the axes):",
                  "anisotropic stiffness D1111, D1122, D2222, D1133, D2233, D3333, D1112, ..., "
                  "D2323 [Pa]"});
        out << "*ELASTIC, TYPE=ANISO\n";
        WriteDataLines(out, UpperTriangleByColumns([&](int row, int column) {
                           return stiffness[kLibraryIndexOfSolverIndex[row]]
                                           [kLibraryIndexOfSolverIndex[column]];
                       }));
        WriteKeywordComments(out, {"alpha11, alpha22, alpha33, alpha12, alpha13, alpha23 [1/K]; "
                                   "alpha12 is half the engineering shear strain per kelvin"});
        out << "*EXPANSION, TYPE=ANISO\n";
        WriteDataLines(out, {m.alpha1, m.alpha2, m.alpha3, 0.5 * m.gamma12PerKelvin, 0.0, 0.0});
    }
    if (m.density) {
        out << "*DENSITY\n";
        WriteDataLines(out, {*m.density});
    } else {
        WriteKeywordComments(out, {"No *DENSITY: " + m.noDensityReason});
    }
}

void WriteShellGeneralSection(std::ostream& out, const LaminateSection& corvelSigns) {
    const LaminateSection section = InSolverConvention(corvelSigns);
    WriteKeywordComments(out, section.notes);
    WriteKeywordComments(
        out,
        {"Section stiffness: (N11, N22, N12, M11, M22, M12) against (e11, e22, g12, k11, k22, "
         "k12),",
         "curvature positive when the face on the positive normal side lengthens; N/m, N, N m.",
         "Thickness " + Real(section.thickness) +
             " m (already in the stiffness; for offsets and contact)."});
    out << "*SHELL GENERAL SECTION, ELSET=" << section.name;
    if (section.arealDensity) {
        out << ", DENSITY=" << Real(*section.arealDensity);
    }
    out << '\n';
    const Matrix6 abd = SectionStiffness(section);
    WriteDataLines(out,
                   UpperTriangleByColumns([&](int row, int column) { return abd[row][column]; }));
    WriteKeywordComments(
        out,
        {"Thermal response per kelvin, same signs (this section card has no field for it):",
         "  NT [N/(m K)]: " + VectorText(section.NT), "  MT [N/K]: " + VectorText(section.MT),
         "  free strains e11, e22, g12 [1/K]: " + VectorText(section.strainPerKelvin),
         "  free curvatures k11, k22, k12 [1/(m K)]: " + VectorText(section.curvaturePerKelvin),
         "The laminate model gives no transverse shear stiffness: shear-flexible shell elements "
         "need *TRANSVERSE SHEAR STIFFNESS."});
}

#include "NastranBulk.h"

#include "CardText.h"

namespace {

std::string Int(int value) {
    return std::to_string(value);
}

std::string VectorText(const Vector3& v) {
    return NastranReal(v[0]) + " " + NastranReal(v[1]) + " " + NastranReal(v[2]);
}

std::vector<std::string> Mat2Fields(int materialId, const Matrix3& G, const std::string& density,
                                    const Vector3* expansion) {
    std::vector<std::string> fields = {
        Int(materialId),      NastranReal(G[0][0]), NastranReal(G[0][1]), NastranReal(G[0][2]),
        NastranReal(G[1][1]), NastranReal(G[1][2]), NastranReal(G[2][2]), density};
    if (expansion != nullptr) {
        for (double value : *expansion) {
            fields.push_back(NastranReal(value));
        }
    }
    return fields;
}

Matrix3 Scaled(const Matrix3& m, double factor) {
    Matrix3 scaled = m;
    for (auto& row : scaled) {
        for (double& value : row) {
            value *= factor;
        }
    }
    return scaled;
}

}  // namespace

std::string NastranReal(double value) {
    std::string text = CardReal(value, 10);
    if (text.size() > kLargeFieldWidth) {
        text = CardReal(value, 9);
    }
    return text;
}

std::string LargeFieldEntry(std::string_view name, const std::vector<std::string>& fields) {
    std::size_t used = fields.size();
    while (used > 0 && fields[used - 1].empty()) {
        --used;
    }
    std::string text;
    std::string line = std::string(name) + "*";
    line.resize(kNameFieldWidth, ' ');
    auto endLine = [&] {
        while (line.back() == ' ') {
            line.pop_back();
        }
        text += line + '\n';
        line = "*";
        line.resize(kNameFieldWidth, ' ');
    };
    for (std::size_t i = 0; i < used; ++i) {
        if (i > 0 && i % kLargeFieldsPerLine == 0) {
            endLine();
        }
        const std::string& field = fields[i];
        line += std::string(kLargeFieldWidth - std::min(field.size(), kLargeFieldWidth), ' ') +
                field.substr(0, kLargeFieldWidth);
    }
    endLine();
    return text;
}

void WriteNastranComments(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out << "$ " << line << '\n';
    }
}

void WriteNastranSolid(std::ostream& out, const SolidMaterial& m, int materialId) {
    WriteNastranComments(out, {"Material " + m.name + ", MID " + Int(materialId)});
    WriteNastranComments(out, m.notes);
    const std::string density = m.density ? NastranReal(*m.density) : "";
    if (!m.density) {
        WriteNastranComments(out, {"No RHO: " + m.noDensityReason});
    }
    if (!HasShearCoupling(m)) {
        out << LargeFieldEntry(
            "MAT8", {Int(materialId), NastranReal(m.E1), NastranReal(m.E2), NastranReal(m.nu12),
                     NastranReal(m.G12), NastranReal(m.G13), NastranReal(m.G23), density,
                     NastranReal(m.alpha1), NastranReal(m.alpha2)});
        return;
    }
    const Matrix6 S = Compliance(m);
    // In-plane compliance in the order 1, 2, 12 (library Voigt positions 0, 1, 5).
    const int plane[3] = {0, 1, 5};
    Matrix3 planeCompliance{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            planeCompliance[i][j] = S[plane[i]][plane[j]];
        }
    }
    Matrix3 Q{};
    InvertPositiveDefinite(planeCompliance, Q);
    WriteNastranComments(out,
                         {"In-plane shear couples with the normal directions: MAT2 "
                          "plane-stress stiffness; G13 = " +
                          NastranReal(m.G13) + ", G23 = " + NastranReal(m.G23) + " Pa for a MID3"});
    const Vector3 expansion = {m.alpha1, m.alpha2, m.gamma12PerKelvin};
    out << LargeFieldEntry("MAT2", Mat2Fields(materialId, Q, density, &expansion));
}

void WriteNastranLaminate(std::ostream& out, const LaminateSection& corvelSigns, int propertyId,
                          int firstMaterialId) {
    const LaminateSection section = InSolverConvention(corvelSigns);
    const double T = section.thickness;
    const bool coupled = HasMembraneBendingCoupling(section);
    const int membraneId = firstMaterialId;
    const int bendingId = firstMaterialId + 1;
    const int couplingId = firstMaterialId + 2;
    WriteNastranComments(out, {"Shell section " + section.name + ", PID " + Int(propertyId)});
    WriteNastranComments(out, section.notes);
    WriteNastranComments(
        out, {"T = " + NastranReal(T) + " m; membrane MID1 = A/T, bending MID2 = 12 D/T^3" +
                  std::string(coupled ? ", coupling MID4 = B/T^2" : "; B = 0, no MID4"),
              "Curvature positive when the face on the positive normal side lengthens."});
    std::vector<std::string> shell = {Int(propertyId),
                                      Int(membraneId),
                                      NastranReal(T),
                                      Int(bendingId),
                                      NastranReal(1.0),
                                      "",
                                      "",
                                      ""};
    if (coupled) {
        shell.insert(shell.end(), {"", "", Int(couplingId)});
    }
    out << LargeFieldEntry("PSHELL", shell);

    Matrix3 membraneCompliance{};
    InvertPositiveDefinite(section.A, membraneCompliance);
    const Vector3 expansion = Multiply(membraneCompliance, section.NT);
    const std::string density = section.arealDensity ? NastranReal(*section.arealDensity / T) : "";
    out << LargeFieldEntry("MAT2",
                           Mat2Fields(membraneId, Scaled(section.A, 1.0 / T), density, &expansion));
    out << LargeFieldEntry(
        "MAT2", Mat2Fields(bendingId, Scaled(section.D, 12.0 / (T * T * T)), "", nullptr));
    if (coupled) {
        out << LargeFieldEntry(
            "MAT2", Mat2Fields(couplingId, Scaled(section.B, 1.0 / (T * T)), "", nullptr));
    }
    WriteNastranComments(
        out, {"Thermal response per kelvin, same signs (MID1's A1, A2, A3 give NT):",
              "  NT [N/(m K)]: " + VectorText(section.NT), "  MT [N/K]: " + VectorText(section.MT),
              "  free strains [1/K]: " + VectorText(section.strainPerKelvin),
              "  free curvatures [1/(m K)]: " + VectorText(section.curvaturePerKelvin)});
}

// Nastran bulk data read back at its fixed columns: the plane-stress materials of 3D results and
// the PSHELL equivalent of a laminate rebuild Corvel's values.
#include <gtest/gtest.h>

#include "CardParsing.h"
#include "ExportFixtures.h"
#include "Tolerance.h"

namespace {

// Ten significant digits on the cards; the rebuilt matrices take products of a few of them.
constexpr double kCardTolerance = 1e-6;

std::vector<BulkEntry> Export(const LibraryCase& c) {
    const ExportText text = WriteSolverInput(SolverFormat::Nastran, c.document);
    EXPECT_TRUE(text.Written()) << text.problem;
    return BulkEntries(text.text);
}

Matrix3 Upper(const double* out, double sign = 1.0) {
    Matrix3 m = SymmetricFromUpper(out);
    for (auto& row : m) {
        for (double& value : row) {
            value *= sign;
        }
    }
    return m;
}

Matrix3 Times(const Matrix3& m, double factor) {
    return Upper(std::array<double, 6>{m[0][0], m[0][1], m[0][2], m[1][1], m[1][2], m[2][2]}.data(),
                 factor);
}

}  // namespace

TEST(NastranBulk, RealsFillOneLargeFieldAtMost) {
    for (double value : {-1.2345678901234e-100, 4.4726198e10, -0.0, 1.0, -2.5e-300}) {
        const std::string text = NastranReal(value);
        EXPECT_LE(text.size(), kLargeFieldWidth) << text;
        EXPECT_TRUE(RelativelyNear(std::stod(text), value, 1e-8)) << text;
    }
    // Fields past the fourth go to a continuation line; blank trailing fields are left out.
    EXPECT_EQ(LargeFieldEntry("MAT8", {"1", "2.0", "", "", "5.0", "", ""}),
              "MAT8*                  1             2.0\n*                    5.0\n");
}

TEST(NastranBulk, PlyIsAMat8WithItsInPlaneConstantsAndExpansion) {
    const CExportCases cases;
    const LibraryCase ud = cases.Ply(false);
    const std::vector<BulkEntry> entries = Export(ud);
    ASSERT_EQ(entries.size(), 1u);
    const BulkEntry& mat8 = entries[0];
    EXPECT_EQ(mat8.name, "MAT8");
    ASSERT_EQ(mat8.fields.size(), 10u);  // MID .. RHO on the first line pair, A1 A2 after
    const double* o = ud.out.data();
    EXPECT_EQ(mat8.Int(0), 1);
    const double expected[] = {o[0], o[1], o[4], o[2], o[2], o[3]};  // E1 E2 NU12 G12 G1Z G2Z
    for (int k = 0; k < 6; ++k) {
        EXPECT_TRUE(RelativelyNear(mat8.Real(1 + k), expected[k], kCardTolerance)) << k;
    }
    EXPECT_EQ(mat8.fields[7], "") << "a ply has no density";
    EXPECT_TRUE(RelativelyNear(mat8.Real(8), o[7] * 1e-6, kCardTolerance));
    EXPECT_TRUE(RelativelyNear(mat8.Real(9), o[8] * 1e-6, kCardTolerance));
}

TEST(NastranBulk, ShearingFabricIsAMat2WhoseStiffnessInvertsItsInPlaneCompliance) {
    const CExportCases cases;
    const LibraryCase twill = cases.Fabric("Twill 2x1", 0, 60, false);
    const std::vector<BulkEntry> entries = Export(twill);
    ASSERT_EQ(entries.size(), 1u);
    ASSERT_EQ(entries[0].name, "MAT2");
    const double* o = twill.out.data();
    // In-plane compliance of the engineering constants: 1/Ex, -nu_xy/Ex, S16; 1/Ey, S26; 1/Gxy.
    const double compliance[6] = {1 / o[0], -o[6] / o[0], o[16] * o[0],
                                  1 / o[1], o[17] * o[1], 1 / o[3]};
    Matrix3 stiffness{};
    ASSERT_TRUE(InvertPositiveDefinite(SymmetricFromUpper(compliance), stiffness));
    ExpectMatrixNear(Mat2Matrix(entries[0]), stiffness, kCardTolerance, "G");
    EXPECT_TRUE(RelativelyNear(entries[0].Real(7) * o[18], 0.2, kCardTolerance)) << "RHO h";
    EXPECT_TRUE(RelativelyNear(entries[0].Real(10), o[15] * 1e-6, kCardTolerance))
        << "A3, the engineering shear strain per kelvin";
}

TEST(NastranBulk, LaminateIsAPshellWhoseMaterialsRebuildABD) {
    const CExportCases cases;
    const LibraryCase satin = cases.Fabric("Satin  5H", 0, 90, true);
    const std::vector<BulkEntry> entries = Export(satin);
    ASSERT_EQ(entries.size(), 4u);
    const BulkEntry& shell = entries[0];
    ASSERT_EQ(shell.name, "PSHELL");
    // PID MID1 T MID2 12I/T3 MID3 TS/T NSM / Z1 Z2 MID4.
    ASSERT_EQ(shell.fields.size(), 11u);
    EXPECT_EQ(shell.Int(1), entries[1].Int(0));
    EXPECT_EQ(shell.Int(3), entries[2].Int(0));
    EXPECT_EQ(shell.Int(10), entries[3].Int(0));
    EXPECT_EQ(shell.fields[5], "") << "no transverse shear material";
    const double T = shell.Real(2);
    const double* o = satin.out.data();
    EXPECT_TRUE(RelativelyNear(T, o[34], kCardTolerance));
    EXPECT_DOUBLE_EQ(shell.Real(4), 1.0);

    ExpectMatrixNear(Times(Mat2Matrix(entries[1]), T), Upper(o), kCardTolerance, "A");
    ExpectMatrixNear(Times(Mat2Matrix(entries[2]), T * T * T / 12), Upper(o + 12), kCardTolerance,
                     "D");
    // The solver's curvature is positive when the upper face lengthens: B changes sign.
    ExpectMatrixNear(Times(Mat2Matrix(entries[3]), T * T), Upper(o + 6, -1.0), kCardTolerance, "B");
    // Membrane density and expansion: RHO T is the areal density, A alpha gives NT.
    EXPECT_TRUE(RelativelyNear(entries[1].Real(7) * T, 0.2, kCardTolerance));
    const Vector3 alpha = {entries[1].Real(8), entries[1].Real(9), entries[1].Real(10)};
    const Vector3 nt = Multiply(Upper(o), alpha);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(nt[k], o[22 + k], kCardTolerance * std::fabs(o[22])) << "NT " << k;
    }
}

TEST(NastranBulk, BalancedWeaveNeedsNoCouplingMaterial) {
    const CExportCases cases;
    const std::vector<BulkEntry> entries = Export(cases.Fabric("Plain", 0, 90, true));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].fields.size(), 5u) << "PSHELL ends at 12I/T3, no MID4";
}

// The Abaqus general shell section read back: its 21 stiffness terms rebuild [A B; B D] in the
// solver's curvature convention.
#include <gtest/gtest.h>

#include "CardParsing.h"
#include "CardText.h"
#include "ExportFixtures.h"
#include "Tolerance.h"

TEST(ShellSection, StiffnessTermsRebuildTheLaminateWithBTurnedToTheSolversCurvature) {
    const CExportCases cases;
    const LibraryCase satin = cases.Fabric("Satin  5H", 0, 90, true);
    const ExportText text = WriteSolverInput(SolverFormat::Abaqus, satin.document);
    ASSERT_TRUE(text.Written()) << text.problem;
    const DataLines data = KeywordData(text.text, "*SHELL GENERAL SECTION");
    const std::string& name = std::get<LaminateSection>(satin.document.materials[0]).name;
    EXPECT_EQ(data.keywordLine.substr(0, data.keywordLine.find(", DENSITY=")),
              "*SHELL GENERAL SECTION, ELSET=" + name);
    EXPECT_TRUE(RelativelyNear(
        std::stod(data.keywordLine.substr(data.keywordLine.find('=', 30) + 1)), 0.2, 1e-12))
        << "DENSITY is the mass per area";
    EXPECT_EQ(data.perLine, (std::vector<int>{8, 8, 5}));
    ASSERT_EQ(data.values.size(), 21u);

    const Matrix6 abd = SymmetricFromColumns(data.values);
    const double* o = satin.out.data();
    Matrix3 A{}, B{}, D{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            A[i][j] = abd[i][j];
            B[i][j] = -abd[i][j + 3];
            D[i][j] = abd[i + 3][j + 3];
        }
    }
    ExpectMatrixNear(A, SymmetricFromUpper(o), 1e-12, "A");
    ExpectMatrixNear(B, SymmetricFromUpper(o + 6), 1e-12, "B");
    ExpectMatrixNear(D, SymmetricFromUpper(o + 12), 1e-12, "D");
    EXPECT_GT(std::fabs(o[6]), 1e-6 * std::sqrt(o[0] * o[12])) << "the satin's B is not zero";

    // The thermal moments follow B into the solver's convention; the forces keep their sign.
    EXPECT_NE(text.text.find("**   MT [N/K]: " + CardReal(-o[25], kKeywordDigits)),
              std::string::npos);
    EXPECT_NE(text.text.find("**   NT [N/(m K)]: " + CardReal(o[22], kKeywordDigits)),
              std::string::npos);
}

TEST(ShellSection, CalculixCannotTakeLaminates) {
    const CExportCases cases;
    const ExportText text =
        WriteSolverInput(SolverFormat::CalculiX, cases.Fabric("Plain", 0, 90, true).document);
    EXPECT_FALSE(text.Written());
    EXPECT_TRUE(text.text.empty());
    EXPECT_EQ(text.problem, LaminateRefusal(SolverFormat::CalculiX));
    EXPECT_NE(text.problem.find("no general shell section"), std::string::npos);
}

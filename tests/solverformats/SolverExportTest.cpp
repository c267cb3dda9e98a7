// The keyword cards as written, the headers every format opens with, and the materials a solver
// would refuse.
#include <gtest/gtest.h>

#include "CardParsing.h"
#include "CardText.h"
#include "ExportFixtures.h"
#include "Tolerance.h"

namespace {

constexpr SolverFormat kFormats[] = {SolverFormat::CalculiX, SolverFormat::Abaqus,
                                     SolverFormat::Nastran};

}  // namespace

TEST(SolverExport, EveryFileOpensWithProgramVersionDateAndInputs) {
    const CExportCases cases;
    LibraryCase ud = cases.Ply(false);
    ud.document.header.date = "2024-05-17 14:03:22 UTC";
    for (SolverFormat format : kFormats) {
        const ExportText text = WriteSolverInput(format, ud.document);
        ASSERT_TRUE(text.Written()) << text.problem;
        const std::string comment = format == SolverFormat::Nastran ? "$ " : "** ";
        const std::vector<std::string> lines = Lines(text.text);
        EXPECT_EQ(lines[0], comment + SolverName(format) + " material data written by tests " +
                                CorvelVersion() + " on 2024-05-17 14:03:22 UTC");
        for (const char* input : {"resin: ACG LTM 10 (E 3130000000 Pa", "fibre: E-Glass (E1",
                                  "fibre volume fraction 60 %, elastic model"}) {
            EXPECT_NE(text.text.find(input), std::string::npos) << SolverName(format) << input;
        }
    }
    EXPECT_EQ(CorvelVersion(), "2.2");
}

TEST(SolverExport, OrthotropicCardsHoldTheLibrarysConstantsInTheSolversOrder) {
    const CExportCases cases;
    const LibraryCase ud = cases.Ply(false);
    const ExportText text = WriteSolverInput(SolverFormat::CalculiX, ud.document);
    const DataLines elastic = KeywordData(text.text, "*ELASTIC, TYPE=ENGINEERING CONSTANTS");
    EXPECT_EQ(elastic.perLine, (std::vector<int>{8, 1}));
    const double* o = ud.out.data();  // E1, E2, G12, G23, nu12, nu23, nu21, alpha1, alpha2
    const double expected[9] = {o[0], o[1], o[1], o[4], o[4], o[5], o[2], o[2], o[3]};
    ASSERT_EQ(elastic.values.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        EXPECT_TRUE(RelativelyNear(elastic.values[k], expected[k], 1e-12)) << k;
    }
    const DataLines expansion = KeywordData(text.text, "*EXPANSION, TYPE=ORTHO");
    EXPECT_EQ(expansion.values, (std::vector<double>{std::stod(CardReal(o[7] * 1e-6, 13)),
                                                     std::stod(CardReal(o[8] * 1e-6, 13)),
                                                     std::stod(CardReal(o[8] * 1e-6, 13))}));
    // Resins carry no density: the card says so instead of inventing one.
    EXPECT_EQ(text.text.find("\n*DENSITY"), std::string::npos);
    EXPECT_NE(text.text.find("** No *DENSITY: the resin records carry no density"),
              std::string::npos);
    // CalculiX and Abaqus read the same cards; only the header names the solver.
    const std::string abaqus = WriteSolverInput(SolverFormat::Abaqus, ud.document).text;
    EXPECT_EQ(abaqus.substr(abaqus.find("*MATERIAL")),
              text.text.substr(text.text.find("*MATERIAL")));
}

TEST(SolverExport, AnisotropicStiffnessInvertsToTheCompliance) {
    const CExportCases cases;
    const LibraryCase twill = cases.Fabric("Twill 2x1", 0, 60, false);
    const ExportText text = WriteSolverInput(SolverFormat::Abaqus, twill.document);
    const DataLines elastic = KeywordData(text.text, "*ELASTIC, TYPE=ANISO");
    EXPECT_EQ(elastic.perLine, (std::vector<int>{8, 8, 5}));
    ASSERT_EQ(elastic.values.size(), 21u);
    // D in the solvers' order 11, 22, 33, 12, 13, 23.
    const Matrix6 D = SymmetricFromColumns(elastic.values);
    Matrix6 S{};
    ASSERT_TRUE(InvertPositiveDefinite(D, S));
    const double* o = twill.out.data();
    EXPECT_TRUE(RelativelyNear(1 / S[0][0], o[0], 1e-10)) << "Ex";
    EXPECT_TRUE(RelativelyNear(1 / S[2][2], o[2], 1e-10)) << "Ez";
    EXPECT_TRUE(RelativelyNear(-S[0][2] / S[0][0], o[7], 1e-10)) << "nu_xz";
    EXPECT_TRUE(RelativelyNear(1 / S[3][3], o[3], 1e-10)) << "Gxy";
    EXPECT_TRUE(RelativelyNear(1 / S[5][5], o[5], 1e-10)) << "Gyz";
    const DataLines expansion = KeywordData(text.text, "*EXPANSION, TYPE=ANISO");
    ASSERT_EQ(expansion.values.size(), 6u);
    EXPECT_TRUE(RelativelyNear(2 * expansion.values[3], o[15] * 1e-6, 1e-12))
        << "alpha12 is the tensor component";
    EXPECT_TRUE(
        RelativelyNear(KeywordData(text.text, "*DENSITY").values.at(0) * o[18], 0.2, 1e-12));
}

TEST(SolverExport, RefusesMaterialsASolverWouldRejectNamingThem) {
    const CExportCases cases;
    // Puck's model has no transverse shear modulus: G23 = 0.
    const LibraryCase puck = cases.Ply(false, 3);
    ASSERT_EQ(puck.out[3], 0.0);
    for (SolverFormat format : kFormats) {
        const ExportText text = WriteSolverInput(format, puck.document);
        EXPECT_FALSE(text.Written());
        EXPECT_TRUE(text.text.empty());
        EXPECT_NE(text.problem.find("UD_E_Glass_ACG_LTM_10_VF60_model_model cannot be exported: "
                                    "G23 is 0.000000E+00 Pa"),
                  std::string::npos)
            << text.problem;
    }
    SolidMaterial tooLateral = std::get<SolidMaterial>(cases.Ply(false).document.materials[0]);
    tooLateral.nu23 = 1.2;
    EXPECT_NE(ExportProblem(tooLateral).find("no positive-definite stiffness"), std::string::npos);
    tooLateral.nu23 = std::nan("");
    EXPECT_EQ(ExportProblem(tooLateral), "nu23 is not a finite number");

    LaminateSection section =
        std::get<LaminateSection>(cases.Fabric("Plain", 0, 90, true).document.materials[0]);
    EXPECT_EQ(ExportProblem(section), "");
    section.B[0][0] = 2 * std::sqrt(section.A[0][0] * section.D[0][0]);
    EXPECT_EQ(ExportProblem(section), "its ABD matrix is not positive definite");
}

TEST(SolverExport, FormatsAreNamedAnyCase) {
    EXPECT_EQ(ParseSolverFormat("CalculiX"), SolverFormat::CalculiX);
    EXPECT_EQ(ParseSolverFormat("NASTRAN"), SolverFormat::Nastran);
    EXPECT_EQ(ParseSolverFormat("ansys"), std::nullopt);
    EXPECT_STREQ(FileExtension(SolverFormat::Nastran), ".bdf");
}

// The exported 3D materials as CalculiX reads them: a one-element cube of each material is loaded
// in uniaxial tension along 1, 2 and 3, in shear in the three planes and by a uniform temperature
// change; ccx solves it and the strains it prints give back the engineering constants and the
// expansion, which must be Corvel's. Skipped, with a message, when ccx is not installed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "ExportFixtures.h"
#include "Tolerance.h"

namespace {

// ccx prints seven significant digits; constants from ratios of two strains keep about six.
constexpr double kSolverTolerance = 1e-5;
constexpr double kStress = 1e6;             // [Pa]
constexpr double kTemperatureRise = 100.0;  // [K]

std::string FindSolver() {
    if (const char* chosen = std::getenv("CORVEL_CCX")) {
        return chosen;
    }
    const char* path = std::getenv("PATH");
    std::istringstream directories(path ? path : "");
    std::string directory;
    while (std::getline(directories, directory, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(directory) / "ccx";
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate.string();
        }
    }
    return "";
}

// The unit cube's corners: node n sits at kCorner[n - 1].
constexpr int kCorner[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                               {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};

// Nodal forces of a uniform stress whose only non-zero components are sigma_ij = sigma_ji = s:
// each face normal to i carries traction s along j (and, for shear, each face normal to j carries
// s along i), a quarter per corner. The set is self-equilibrated.
std::string StressLoads(int i, int j) {
    std::ostringstream loads;
    auto faceLoads = [&](int normal, int direction) {
        for (int node = 1; node <= 8; ++node) {
            const double sign = kCorner[node - 1][normal] == 1 ? 1.0 : -1.0;
            loads << node << ", " << direction + 1 << ", " << sign * kStress / 4.0 << '\n';
        }
    };
    faceLoads(i, j);
    if (i != j) {
        faceLoads(j, i);
    }
    return loads.str();
}

// The deck: the cube, the exported material, supports that only stop rigid motion (so no strain
// is constrained), then six stress steps and a free thermal expansion.
std::string Deck(const std::string& materialCards, const std::string& materialName) {
    std::ostringstream deck;
    deck << "*NODE, NSET=NALL\n";
    for (int node = 1; node <= 8; ++node) {
        deck << node << ", " << kCorner[node - 1][0] << ", " << kCorner[node - 1][1] << ", "
             << kCorner[node - 1][2] << '\n';
    }
    deck << "*ELEMENT, TYPE=C3D8, ELSET=CUBE\n1, 1, 2, 3, 4, 5, 6, 7, 8\n"
         << materialCards << "*SOLID SECTION, ELSET=CUBE, MATERIAL=" << materialName << '\n'
         << "*BOUNDARY\n1, 1, 3\n2, 2, 3\n4, 3, 3\n"
         << "*INITIAL CONDITIONS, TYPE=TEMPERATURE\nNALL, 0.\n";
    const int steps[6][2] = {{0, 0}, {1, 1}, {2, 2}, {0, 1}, {0, 2}, {1, 2}};
    for (const auto& step : steps) {
        deck << "*STEP\n*STATIC\n*CLOAD, OP=NEW\n"
             << StressLoads(step[0], step[1]) << "*EL PRINT, ELSET=CUBE\nE\n*END STEP\n";
    }
    deck << "*STEP\n*STATIC\n*CLOAD, OP=NEW\n*TEMPERATURE\nNALL, " << kTemperatureRise << '\n'
         << "*EL PRINT, ELSET=CUBE\nE\n*END STEP\n";
    return deck.str();
}

// Strain tensor components exx, eyy, ezz, exy, exz, eyz (shear as tensor components, half the
// engineering strain), averaged over the integration points, one per step of the .dat file.
using Strains = std::array<double, 6>;

std::vector<Strains> ReadStrains(const std::filesystem::path& datFile) {
    std::ifstream in(datFile);
    std::vector<Strains> steps;
    std::string line;
    int points = 0;
    while (std::getline(in, line)) {
        if (line.find("strains (elem, integ.pnt.") != std::string::npos) {
            steps.push_back({});
            points = 0;
            continue;
        }
        std::istringstream fields(line);
        int element = 0, point = 0;
        Strains e{};
        if (!steps.empty() &&
            fields >> element >> point >> e[0] >> e[1] >> e[2] >> e[3] >> e[4] >> e[5]) {
            ++points;
            for (int k = 0; k < 6; ++k) {
                steps.back()[k] += (e[k] - steps.back()[k]) / points;
            }
        }
    }
    return steps;
}

class CalculixRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        solver_ = FindSolver();
        if (solver_.empty()) {
            GTEST_SKIP() << "ccx (Debian package calculix-ccx) is not installed: the CalculiX "
                            "round trip was not run";
        }
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvel-ccx-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
    }
    void TearDown() override {
        if (!directory_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(directory_, ignored);
        }
    }

    // Exports the case for CalculiX, runs the cube and returns the strains of the seven steps.
    std::vector<Strains> Solve(const LibraryCase& c) {
        const ExportText cards = WriteSolverInput(SolverFormat::CalculiX, c.document);
        EXPECT_TRUE(cards.Written()) << cards.problem;
        const std::string& name = std::get<SolidMaterial>(c.document.materials.front()).name;
        std::ofstream(directory_ / "cube.inp") << Deck(cards.text, name);
        const std::string command =
            "cd '" + directory_.string() + "' && '" + solver_ + "' -i cube > cube.log 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << "ccx failed, see " << command;
        std::vector<Strains> strains = ReadStrains(directory_ / "cube.dat");
        EXPECT_EQ(strains.size(), 7u) << "ccx printed no strains for every step";
        strains.resize(7);
        return strains;
    }

    std::string solver_;
    std::filesystem::path directory_;
};

// What the solver's strains say the material is, and what Corvel's output array says.
struct Constants {
    double E1, E2, E3, nu12, nu13, nu23, G12, G13, G23;
    double alpha1, alpha2, alpha3, gamma12;  // per kelvin
};

Constants Measured(const std::vector<Strains>& e) {
    const double dT = kTemperatureRise;
    return {kStress / e[0][0],
            kStress / e[1][1],
            kStress / e[2][2],
            -e[0][1] / e[0][0],
            -e[0][2] / e[0][0],
            -e[1][2] / e[1][1],
            kStress / (2 * e[3][3]),
            kStress / (2 * e[4][4]),
            kStress / (2 * e[5][5]),
            e[6][0] / dT,
            e[6][1] / dT,
            e[6][2] / dT,
            2 * e[6][3] / dT};
}

void ExpectSame(const Constants& measured, const Constants& corvel, const std::string& label) {
    SCOPED_TRACE(label);
    const double m[] = {measured.E1,   measured.E2,     measured.E3,     measured.nu12,
                        measured.nu13, measured.nu23,   measured.G12,    measured.G13,
                        measured.G23,  measured.alpha1, measured.alpha2, measured.alpha3};
    const double c[] = {corvel.E1,   corvel.E2,     corvel.E3,     corvel.nu12,
                        corvel.nu13, corvel.nu23,   corvel.G12,    corvel.G13,
                        corvel.G23,  corvel.alpha1, corvel.alpha2, corvel.alpha3};
    const char* names[] = {"E1",  "E2",  "E3",  "nu12",   "nu13",   "nu23",
                           "G12", "G13", "G23", "alpha1", "alpha2", "alpha3"};
    for (int k = 0; k < 12; ++k) {
        EXPECT_TRUE(RelativelyNear(m[k], c[k], kSolverTolerance)) << names[k];
    }
    // The free shear strain is small beside the normal ones, or zero: compare it on their scale.
    EXPECT_NEAR(measured.gamma12, corvel.gamma12, kSolverTolerance * std::fabs(corvel.alpha2))
        << "gamma12 per kelvin";
}

}  // namespace

TEST_F(CalculixRoundTrip, PliesComeBackWithTheirNineConstantsAndExpansion) {
    const CExportCases cases;
    const LibraryCase ud = cases.Ply(false);
    const double* o = ud.out.data();  // E1, E2, G12, G23, nu12, nu23, nu21, alpha1, alpha2
    ExpectSame(Measured(Solve(ud)),
               {o[0], o[1], o[1], o[4], o[4], o[5], o[2], o[2], o[3], o[7] * 1e-6, o[8] * 1e-6,
                o[8] * 1e-6, 0.0},
               ud.label);

    const LibraryCase mat = cases.Ply(true);
    const double* r = mat.out.data();  // Ex, Ez, Gxy, Gyz, nu_xy, nu_zx, nu_xz, alpha_x, alpha_z
    ExpectSame(Measured(Solve(mat)),
               {r[0], r[0], r[1], r[4], r[6], r[6], r[2], r[3], r[3], r[7] * 1e-6, r[7] * 1e-6,
                r[8] * 1e-6, 0.0},
               mat.label);
}

TEST_F(CalculixRoundTrip, FabricsComeBackOrthotropicOrWithTheirFreeShearStrain) {
    const CExportCases cases;
    // Yarns at 0 and 90 degrees are orthotropic; at 0 and 60 degrees the fabric shears as it
    // heats and is written as anisotropic.
    for (const LibraryCase& fabric :
         {cases.Fabric("Satin  5H", 0, 90, false), cases.Fabric("Twill 2x1", 0, 60, false)}) {
        const double* o = fabric.out.data();
        ExpectSame(Measured(Solve(fabric)),
                   {o[0], o[1], o[2], o[6], o[7], o[8], o[3], o[4], o[5], o[12] * 1e-6,
                    o[13] * 1e-6, o[14] * 1e-6, o[15] * 1e-6},
                   fabric.label);
    }
    EXPECT_NEAR(cases.Fabric("Twill 2x1", 0, 60, false).out[15], -20.2, 0.1)
        << "the free shear strain [ppm/K] the anisotropic card must carry";
}

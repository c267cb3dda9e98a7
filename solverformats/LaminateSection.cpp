#include "LaminateSection.h"

#include <cmath>

#include "CardText.h"

namespace {

constexpr double kCouplingNoise = 1e-12;

bool AllFinite(const Matrix3& m) {
    for (const auto& row : m) {
        for (double value : row) {
            if (!std::isfinite(value)) {
                return false;
            }
        }
    }
    return true;
}

bool AllFinite(const Vector3& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

}  // namespace

LaminateSection InSolverConvention(LaminateSection section) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            section.B[i][j] = -section.B[i][j];
        }
        section.MT[i] = -section.MT[i];
        section.curvaturePerKelvin[i] = -section.curvaturePerKelvin[i];
    }
    return section;
}

Matrix6 SectionStiffness(const LaminateSection& section) {
    Matrix6 abd{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            abd[i][j] = section.A[i][j];
            abd[i][j + 3] = section.B[i][j];
            abd[i + 3][j] = section.B[i][j];
            abd[i + 3][j + 3] = section.D[i][j];
        }
    }
    return abd;
}

bool HasMembraneBendingCoupling(const LaminateSection& section) {
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const double scale = std::sqrt(std::fabs(section.A[i][i] * section.D[j][j]));
            if (std::fabs(section.B[i][j]) > kCouplingNoise * scale) {
                return true;
            }
        }
    }
    return false;
}

std::string ExportProblem(const LaminateSection& section) {
    if (!AllFinite(section.A) || !AllFinite(section.B) || !AllFinite(section.D) ||
        !AllFinite(section.NT) || !AllFinite(section.MT) || !AllFinite(section.strainPerKelvin) ||
        !AllFinite(section.curvaturePerKelvin) || !std::isfinite(section.thickness)) {
        return "its laminate results are not all finite numbers";
    }
    if (!(section.thickness > 0.0)) {
        return "its thickness is " + CardReal(section.thickness, 7) +
               " m; a shell section needs a positive one";
    }
    Matrix6 compliance{};
    if (!InvertPositiveDefinite(SectionStiffness(section), compliance)) {
        return "its ABD matrix is not positive definite";
    }
    if (section.arealDensity &&
        (!std::isfinite(*section.arealDensity) || !(*section.arealDensity > 0.0))) {
        return "its areal density is " + CardReal(*section.arealDensity, 7) +
               " kg/m^2; a solver needs a positive one";
    }
    return "";
}

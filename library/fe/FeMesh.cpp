#include "FeMesh.h"

#include <cmath>

namespace {

// Local nodes of the four triangles of a quadrilateral na nb nc nd: both diagonal splits.
constexpr int kTriangleNodes[4][3] = {{1, 2, 3}, {1, 3, 4}, {1, 2, 4}, {2, 3, 4}};

constexpr int kU = 1;
constexpr int kV = 2;
constexpr int kW = 3;
constexpr int kTheta4 = 4;
constexpr int kTheta5 = 5;

}  // namespace

CMeshSize CMeshSize::For(int nx, int ny) {
    CMeshSize size;
    size.columns1 = nx + 1;
    size.rows1 = ny + 1;
    size.nodeCount = (nx + 1) * (ny + 1);
    size.elementCount = nx * ny;
    size.c1 = 1;
    size.c2 = nx + 1;
    size.c3 = ny * (nx + 1) + 1;
    size.c4 = (nx + 1) * (ny + 1);
    return size;
}

CFeMesh::CFeMesh(const FeSizes& sizes, const CellParams& params, double firstAngle,
                 double secondAngle, const CMeshSize& meshSize, int triangleNodes, int dofCount)
    : params_(params),
      sizes_(sizes),
      firstAngle_(firstAngle),
      secondAngle_(secondAngle),
      meshSize_(meshSize),
      dofCount_(dofCount),
      nodes_(meshSize.nodeCount, 2),
      connectivity_(meshSize.elementCount, sizes.quadNodes),
      triangleNodes_(triangleNodes) {
    int nx = meshSize_.Nx();
    int ny = meshSize_.Ny();
    double a1 = params_.a1;
    double a2 = params_.a2;
    double u = secondAngle_;
    double v = firstAngle_;
    // Centred on the origin: minus half the spans of both edges.
    double x0 = -0.5 * (ny * a2 * std::cos(u) + nx * a1 * std::cos(v));
    double y0 = -0.5 * (ny * a2 * std::sin(u) + nx * a1 * std::sin(v));
    for (int j = 0; j <= ny; ++j) {
        for (int i = 0; i <= nx; ++i) {
            int node = j * (nx + 1) + i + 1;
            nodes_(node, 1) = x0 + i * a1 * std::cos(v) + j * a2 * std::cos(u);
            nodes_(node, 2) = y0 + i * a1 * std::sin(v) + j * a2 * std::sin(u);
        }
    }
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            int element = j * nx + i + 1;
            int na = j * (nx + 1) + i + 1;
            connectivity_(element, 1) = na;
            connectivity_(element, 2) = na + 1;
            connectivity_(element, 3) = na + (nx + 1) + 1;
            connectivity_(element, 4) = na + (nx + 1);
        }
    }
}

double CFeMesh::P1() const {
    return meshSize_.Nx() * params_.a1;
}

double CFeMesh::P2() const {
    return meshSize_.Ny() * params_.a2;
}

CIntMatrix CFeMesh::ElementTriangle(int element, int t) const {
    CIntMatrix triangle(2, triangleNodes_);
    for (int k = 1; k <= triangleNodes_; ++k) {
        int local = kTriangleNodes[t - 1][k - 1];
        triangle(1, k) = local;
        triangle(2, k) = connectivity_(element, local);
    }
    return triangle;
}

CMatrix CFeMesh::TriangleCoordinates(const CIntMatrix& triangle) const {
    CMatrix coords(triangleNodes_, 2);
    for (int k = 1; k <= triangleNodes_; ++k) {
        coords(k, 1) = nodes_(triangle(2, k), 1);
        coords(k, 2) = nodes_(triangle(2, k), 2);
    }
    return coords;
}

double CFeMesh::CornerDof(const CVector& v, int corner, int dof) const {
    const int corners[4] = {meshSize_.c1, meshSize_.c2, meshSize_.c3, meshSize_.c4};
    return v(sizes_.nodeDofs * (corners[corner - 1] - 1) + dof);
}

// The membrane strains come from the corner displacements of the parallelogram cell. The
// curvatures are the cell averages of the rotation field: with the periodic rotations and the
// w jumps across the cell, theta5 = -dw/dx and theta4 = dw/dy integrate to the jumps of the
// rotations at c2 and c3 and to the twist of w over the four corners. They are exact for a
// uniform field on any parallelogram and stay the averages of a heterogeneous solution.
CVector CFeMesh::CornerStrains(const CVector& U) const {
    auto Uc = [&](int corner, int dof) { return CornerDof(U, corner, dof); };
    double P1v = P1();
    double P2v = P2();
    double ax = std::cos(firstAngle_) * P1v;
    double ay = std::sin(firstAngle_) * P1v;
    double bx = std::cos(secondAngle_) * P2v;
    double by = std::sin(secondAngle_) * P2v;
    double D2 = 2.0 * (ax * by - bx * ay);

    CVector strains(6);
    strains(1) = (by * (Uc(4, kU) - Uc(3, kU) + Uc(2, kU) - Uc(1, kU)) +
                  ay * (Uc(1, kU) - Uc(3, kU) - Uc(4, kU) + Uc(2, kU))) /
                 D2;
    strains(2) = -(bx * (Uc(4, kV) - Uc(3, kV) + Uc(2, kV) - Uc(1, kV)) +
                   ax * (Uc(1, kV) - Uc(3, kV) - Uc(4, kV) + Uc(2, kV))) /
                 D2;
    strains(3) = (bx * (Uc(3, kU) - Uc(4, kU) - Uc(2, kU) + Uc(1, kU)) +
                  ax * (Uc(3, kU) - Uc(1, kU) + Uc(4, kU) - Uc(2, kU)) +
                  ay * (Uc(1, kV) - Uc(3, kV) - Uc(4, kV) + Uc(2, kV)) +
                  by * (Uc(4, kV) - Uc(3, kV) + Uc(2, kV) - Uc(1, kV))) /
                 D2;

    double c = std::cos(secondAngle_);
    double s = std::sin(secondAngle_);
    double area = P1v * P2v * s;
    double jumpA4 = Uc(2, kTheta4) - Uc(1, kTheta4);
    double jumpA5 = Uc(2, kTheta5) - Uc(1, kTheta5);
    double jumpB4 = Uc(3, kTheta4) - Uc(1, kTheta4);
    double twistW = Uc(1, kW) + Uc(4, kW) - Uc(2, kW) - Uc(3, kW);
    double T = s * jumpA5 + c * jumpA4;
    strains(4) = (s * s * P2v * T - c * s * twistW) / area;
    strains(5) = (c * c * P2v * T + c * s * twistW - P1v * jumpB4) / area;
    strains(6) = -2.0 * (s * twistW + c * P2v * T) / (P1v * P2v);
    return strains;
}

CVector CFeMesh::CornerResultant(const CVector& R, int j) const {
    auto Qc = [&](int corner, int dof) { return CornerDof(R, corner, dof); };
    double P1v = P1();
    double s = std::sin(secondAngle_);
    double H = s * P2();
    CVector resultant(6);
    switch (j) {
        case 1:
            resultant(1) = (Qc(2, kU) + Qc(4, kU) - Qc(1, kU) - Qc(3, kU)) / (2.0 * H);
            break;
        case 2:
            resultant(2) = (Qc(3, kV) + Qc(4, kV) - Qc(1, kV) - Qc(2, kV)) / (2.0 * P1v);
            break;
        case 3:
            resultant(3) = (Qc(3, kU) + Qc(4, kU) - Qc(1, kU) - Qc(2, kU)) / (2.0 * P1v);
            break;
        case 4:
            resultant(4) = (Qc(2, kTheta5) + Qc(4, kTheta5) - Qc(1, kTheta5) - Qc(3, kTheta5)) /
                           (2.0 * (s * s) * H);
            break;
        case 5:
            resultant(5) =
                (Qc(1, kTheta4) + Qc(2, kTheta4) - Qc(3, kTheta4) - Qc(4, kTheta4)) / (2.0 * P1v);
            break;
        case 6:
            resultant(6) = (Qc(3, kW) - Qc(4, kW) - Qc(1, kW) + Qc(2, kW)) / (8.0 * (s * s));
            break;
        default:
            break;
    }
    return resultant;
}

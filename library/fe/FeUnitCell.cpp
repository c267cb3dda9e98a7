#include "FeUnitCell.h"

#include "FeSolver.h"
#include "FeTriangle.h"

// Stiffness and the two load vectors of the whole mesh. Each quadrilateral is covered twice by
// its four triangles, so its matrices are halved before they are scattered.
void AssembleUnitCell(const CFeMesh& mesh, const FePattern& pattern, const FeSizes& sizes,
                      CFeSparseMatrix& K, CVector& F1, CVector& F2) {
    const int quadDofs = sizes.quadNodes * sizes.nodeDofs;
    const int triangleDofs = sizes.triangleNodes * sizes.triangleNodeDofs;
    CMatrix Ke(quadDofs, quadDofs);
    CVector f1e(quadDofs), f2e(quadDofs);
    CMatrix Kt(triangleDofs, triangleDofs);
    CVector ft1(triangleDofs), ft2(triangleDofs);
    CIntVector triangleNodes(sizes.triangleNodes);
    const CIntMatrix& connectivity = mesh.Connectivity();
    for (int element = pattern.nx * pattern.ny; element >= 1; --element) {
        short code = pattern.cells[element - 1];
        const CMatrix& C = pattern.kinds.ABD(code);
        const CVector& q1 = pattern.kinds.Thermal(code);
        const CVector& q2 = pattern.kinds.YarnLoads(code);
        Ke.Fill(0.0);
        f1e.Fill(0.0);
        f2e.Fill(0.0);
        for (int t = sizes.triangles; t >= 1; --t) {
            CIntMatrix triangle = mesh.ElementTriangle(element, t);
            for (int k = 1; k <= sizes.triangleNodes; ++k) {
                triangleNodes(k) = triangle(2, k);
            }
            CFeTriangle element3(triangleNodes, mesh.TriangleCoordinates(triangle));
            element3.Integrate(C, q1, q2, Kt, ft1, ft2);
            for (int a = 1; a <= sizes.triangleNodes; ++a) {
                int La = triangle(1, a);
                for (int r = 1; r <= sizes.nodeDofs; ++r) {
                    int row = sizes.nodeDofs * (La - 1) + r;
                    int rowT = sizes.triangleNodeDofs * (a - 1) + r;
                    for (int b = 1; b <= sizes.triangleNodes; ++b) {
                        int Lb = triangle(1, b);
                        for (int s = 1; s <= sizes.nodeDofs; ++s) {
                            Ke(row, sizes.nodeDofs * (Lb - 1) + s) +=
                                Kt(rowT, sizes.triangleNodeDofs * (b - 1) + s);
                        }
                    }
                    f1e(row) += ft1(rowT);
                    f2e(row) += ft2(rowT);
                }
            }
        }
        if (sizes.triangles > 2) {
            double factor = 2.0 / sizes.triangles;
            Ke *= factor;
            f1e *= factor;
            f2e *= factor;
        }
        for (int A = 1; A <= sizes.quadNodes; ++A) {
            int gA = connectivity(element, A);
            for (int r = 1; r <= sizes.nodeDofs; ++r) {
                int row = sizes.nodeDofs * (gA - 1) + r;
                int rowE = sizes.nodeDofs * (A - 1) + r;
                for (int B = 1; B <= sizes.quadNodes; ++B) {
                    int gB = connectivity(element, B);
                    for (int s = 1; s <= sizes.nodeDofs; ++s) {
                        K.Add(row, sizes.nodeDofs * (gB - 1) + s,
                              Ke(rowE, sizes.nodeDofs * (B - 1) + s));
                    }
                }
                F1(row) += f1e(rowE);
                F2(row) += f2e(rowE);
            }
        }
    }
}

UnitCellResult SolveUnitCell(const FePattern& pattern, const CellParams& params, double u,
                             FeSolveOptions options, FeProgress progress) {
    const FeSizes sizes;
    const CMeshSize meshSize = CMeshSize::For(pattern.nx, pattern.ny);
    const int dofCount = sizes.nodeDofs * meshSize.nodeCount;
    const CFeMesh mesh(sizes, params, 0.0, u, meshSize, sizes.triangleNodes, dofCount);
    CFeSparseMatrix K(dofCount);
    CVector F1(dofCount), F2(dofCount);
    AssembleUnitCell(mesh, pattern, sizes, K, F1, F2);
    const CFeSolver solver(params, 0.0, u, meshSize, sizes, K, F1, F2, options, progress);
    if (solver.Report().cancelled) {
        UnitCellResult cancelled{CMatrix(6, 6), CVector(6), CVector(6)};
        cancelled.cancelled = true;
        return cancelled;
    }
    UnitCellResult result = HomogeniseUnitCell(mesh, solver);
    result.outOfMemory = solver.Report().outOfMemory;
    return result;
}

UnitCellResult HomogeniseUnitCell(const CFeMesh& mesh, const CFeSolver& solver) {
    // Unit resultants against the average strains they cause: the compliance, column by column.
    CMatrix E(6, 6), S(6, 6);
    for (int j = 1; j <= 6; ++j) {
        CVector strains = mesh.CornerStrains(solver.U(j));
        CVector resultant = mesh.CornerResultant(solver.R(j), j);
        for (int i = 1; i <= 6; ++i) {
            E(i, j) = strains(i);
            S(i, j) = resultant(i);
        }
    }
    return UnitCellResult{S * E.Inverse(), mesh.CornerStrains(solver.U(7)),
                          mesh.CornerStrains(solver.U(8))};
}

#pragma once

#include "numerics/IntMatrix.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"
#include "weave/CellParams.h"

// Fixed sizes of the unit-cell model, shared by the mesh and the solver.
struct FeSizes {
    int quadNodes = 4;          // nodes per quadrilateral element
    int nodeDofs = 5;           // u, v, w, theta4, theta5 at a mesh node
    int triangles = 4;          // triangles covering a quadrilateral (twice)
    int triangleNodes = 3;      // nodes per triangle
    int triangleNodeDofs = 6;   // the node DOFs plus a drilling rotation
    int integrationPoints = 3;  // per triangle
    int strains = 6;            // generalised strains and resultants
};

// Sizes of an nx x ny mesh: nx + 1 node columns, ny + 1 node rows, and the corner nodes
// c1 (i = 0, j = 0), c2 (i = nx, j = 0), c3 (i = 0, j = ny), c4 (i = nx, j = ny).
struct CMeshSize {
    int columns1;
    int rows1;
    int nodeCount;
    int elementCount;
    int c1;
    int c2;
    int c3;
    int c4;

    static CMeshSize For(int nx, int ny);
    int Nx() const { return columns1 - 1; }
    int Ny() const { return rows1 - 1; }
};

// The mesh of one weave repeat: nx x ny quadrilaterals, one per pattern cell, on a cell whose
// first edge (length P1 = nx a1) lies along x and whose second (length P2 = ny a2) lies at angle
// u, centred on the origin. Node (i, j) has number j (nx + 1) + i + 1; element (row j, column i)
// has number j nx + i + 1 and nodes na, nb, nc, nd counter-clockwise. Each element is covered
// twice by four triangles, both diagonal splits. Lengths in metres; DOF d of node k is global
// 5 (k - 1) + d, 1-based.
class CFeMesh {
public:
    CFeMesh(const FeSizes& sizes, const CellParams& params, double firstAngle, double secondAngle,
            const CMeshSize& meshSize, int triangleNodes, int dofCount);

    const CMatrix& Nodes() const { return nodes_; }
    const CIntMatrix& Connectivity() const { return connectivity_; }
    int DofCount() const { return dofCount_; }
    double P1() const;
    double P2() const;

    // Triangle t (1..4) of an element: row 1 its local node numbers (1..4), row 2 the global ones.
    CIntMatrix ElementTriangle(int element, int t) const;
    // Node coordinates (3 x 2) of a triangle as ElementTriangle gives it.
    CMatrix TriangleCoordinates(const CIntMatrix& triangle) const;

    // Cell-average mid-plane strains and curvatures (ex, ey, gxy, kx, ky, kxy) of a periodic
    // solution, from the corner DOFs.
    CVector CornerStrains(const CVector& U) const;
    // Average resultant j (1..6: Nx, Ny, Nxy, Mx, My, Mxy) of the nodal forces of unit case j,
    // in element j of an otherwise zero vector; zero for any other j.
    CVector CornerResultant(const CVector& R, int j) const;

private:
    double CornerDof(const CVector& v, int corner, int dof) const;

    CellParams params_;
    FeSizes sizes_;
    double firstAngle_;
    double secondAngle_;
    CMeshSize meshSize_;
    int dofCount_;
    CMatrix nodes_;
    CIntMatrix connectivity_;
    int triangleNodes_;
};

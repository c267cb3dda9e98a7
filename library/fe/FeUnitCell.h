#pragma once

#include "FeKinds.h"
#include "FeMesh.h"
#include "FeSolver.h"
#include "FeSparseMatrix.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"
#include "weave/CellParams.h"

// Stiffness K and load vectors F1 (thermal) and F2 (yarn loads) of the free plate of the mesh,
// one element per pattern cell with the laminate of its code. K is held sparse: a node couples
// only with the nodes of the elements around it.
void AssembleUnitCell(const CFeMesh& mesh, const FePattern& pattern, const FeSizes& sizes,
                      CFeSparseMatrix& K, CVector& F1, CVector& F2);

// The homogenised laminate of a periodic unit cell, in the cell's frame (first edge along x,
// second at angle u): the 6x6 ABD matrix from the six unit resultants and the average strains
// they cause, and the free mid-plane strains and curvatures of the thermal and yarn-load cases.
struct UnitCellResult {
    CMatrix abd;
    CVector thermalStrains;
    CVector yarnLoadStrains;
    // The solver ran out of memory: the results are NaN, and no property of the cell.
    bool outOfMemory = false;
    // The caller's progress callback stopped the solve (FeProgress): the results are empty.
    bool cancelled = false;
};

// Assembles and solves the unit cell; `progress` is asked before the factorisation and before
// the load cases (the caller reports the assembly, which begins with the crossing laminates).
UnitCellResult SolveUnitCell(const FePattern& pattern, const CellParams& params, double u,
                             FeSolveOptions options = {}, FeProgress progress = {});

// The homogenised laminate from the eight solved cases of the mesh's unit cell.
UnitCellResult HomogeniseUnitCell(const CFeMesh& mesh, const CFeSolver& solver);

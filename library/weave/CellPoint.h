#pragma once

// One integration point of a quarter cell: where it lies, its Gauss weights and, through the
// thickness, the faces of the cell and of the two yarns and how steeply each yarn is tilted.
// x runs along the upper yarn U within [0, L2], y along the lower yarn L within [0, L1]; heights
// are measured from the fabric mid-plane, positive upward; angles in radians.
struct CellPoint {
    double x;
    double y;
    double wx;    // Gauss weight of x on the reference interval [-1, 1]
    double wy;    // Gauss weight of y on the reference interval [-1, 1]
    double zTop;  // top face of the cell, +h/2
    double topU;  // top of yarn U
    double botU;  // bottom of yarn U
    double zInt;  // interface between the upper and the lower yarn region
    double topL;  // top of yarn L
    double botL;  // bottom of yarn L
    double zBot;  // bottom face of the cell, -h/2
    double thU;   // slope angle of U's centreline along x
    double thL;   // slope angle of L's centreline along y
};

#pragma once

// The quarter yarn crossing that the woven-fabric models sample: fabric thickness, yarn layer
// heights, half spacings and half widths of the two yarn systems, the finite-element edge lengths
// and the undulation ratios. Lengths in metres when counts are in 1/m and areal density in kg/m^2.
// Yarn system 1 is the warp (upper yarn U), system 2 the fill (lower yarn L).
struct CellParams {
    double h;   // fabric (cell) thickness
    double T;   // total height of the two yarn layers
    double T1;  // share of T for yarn system 1
    double T2;  // share of T for yarn system 2
    double L1;  // half spacing of yarn system 1
    double L2;  // half spacing of yarn system 2
    double W1;  // half width of a yarn of system 1
    double W2;  // half width of a yarn of system 2
    double a1;  // element edge length along the first yarn direction (finite elements)
    double a2;  // element edge length along the second yarn direction (finite elements)
    double e1;  // undulation ratio of system 1, 0..1
    double e2;  // undulation ratio of system 2, 0..1
};

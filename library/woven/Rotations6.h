#pragma once

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// Rotations of 6x6 stiffnesses and 6-component expansion vectors, Voigt order x, y, z, yz, xz,
// xy with engineering shear strains.
//
// InPlane turns a yarn's axes about z by phi to the fabric's axes: the yarn direction 1 ends at
// angle phi from x. Undulation tilts the fibre axis about the in-plane transverse axis 2 by theta
// (the slope of the yarn's centreline), mixing 1 with the thickness direction 3.
// Stiffnesses transform as T C T^T, expansion vectors as T^-1 alpha.
CMatrix RotateStiffness6InPlane(const CMatrix& C, double phi);
CVector RotateExpansion6InPlane(const CVector& alpha, double phi);
CMatrix RotateStiffness6Undulation(const CMatrix& C, double theta);
CVector RotateExpansion6Undulation(const CVector& alpha, double theta);

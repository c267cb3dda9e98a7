#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "LaminateSection.h"
#include "SolidMaterial.h"

// Nastran bulk data entries in the large-field format: 8-character fields cannot hold the
// precision of the results. An entry's first line is its name followed by '*' in an 8-character
// field, then four 16-character fields; every further line starts with '*' in column 1, the rest
// of its 8-character first field blank, then four more 16-character fields. Two lines make one
// logical line of eight fields (fields 2 to 9 of the small-field format). Comments start with '$'.

inline constexpr std::size_t kNameFieldWidth = 8;
inline constexpr std::size_t kLargeFieldWidth = 16;
inline constexpr std::size_t kLargeFieldsPerLine = 4;

// A real in one large field: ten significant digits ("-1.234567890E+11", 16 characters), nine
// with a three-digit exponent.
std::string NastranReal(double value);

// The entry's lines, each ending in '\n', numbers right-aligned in their fields; a blank field
// is an empty string. Lines after the last non-blank field are left out.
std::string LargeFieldEntry(std::string_view name, const std::vector<std::string>& fields);

void WriteNastranComments(std::ostream& out, const std::vector<std::string>& lines);

// MAT8 (MID, E1, E2, NU12, G12, G1Z = G13, G2Z = G23, RHO; A1, A2): the orthotropic plane-stress
// material of shells, whose in-plane constants are those of the 3D material; NU12 is the major
// Poisson's ratio. A material with shear coupling is written as MAT2 instead (G11, G12, G13,
// G22, G23, G33 the plane-stress stiffness, the inverse of the in-plane compliance; A1, A2, A3
// the free strains per kelvin with A3 the engineering shear strain), which MAT8 cannot hold.
void WriteNastranSolid(std::ostream& out, const SolidMaterial& material, int materialId);

// PSHELL with MAT2 materials equivalent to the section: membrane MID1 with G = A / T, bending
// MID2 with G = 12 D / T^3 and 12I/T^3 = 1, and, when B is not zero, membrane-bending coupling
// MID4 with G = B / T^2 in the solver's sign convention. MID1 carries RHO = areal density / T and
// the expansion A^-1 NT, which gives the thermal forces NT under a uniform temperature change.
// Identifiers: PSHELL propertyId, the materials firstMaterialId, + 1 and + 2. No transverse shear
// material (MID3): the laminate model has no transverse shear stiffness.
void WriteNastranLaminate(std::ostream& out, const LaminateSection& section, int propertyId,
                          int firstMaterialId);

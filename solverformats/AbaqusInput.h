#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "LaminateSection.h"
#include "SolidMaterial.h"

// The keyword input that CalculiX and Abaqus share: comment lines start with "**", data lines
// hold at most eight comma-separated values, every value has kKeywordDigits significant digits.

void WriteKeywordComments(std::ostream& out, const std::vector<std::string>& lines);

// *MATERIAL with *ELASTIC and *EXPANSION and, when the material has one, *DENSITY (otherwise a
// comment says why not). Without shear coupling: TYPE=ENGINEERING CONSTANTS (E1, E2, E3, nu12,
// nu13, nu23, G12, G13 / G23, the Poisson's ratios as SolidMaterial defines them, which is the
// solvers' definition) and *EXPANSION, TYPE=ORTHO (alpha11, alpha22, alpha33). With it:
// TYPE=ANISO for both, the 21 stiffness terms D1111, D1122, D2222, D1133, D2233, D3333, D1112,
// ..., D2323 (the upper triangle column by column in the order 11, 22, 33, 12, 13, 23; D1212 is
// G12 for an isotropic material, so the terms act on engineering shear strains) and the six
// expansion terms alpha11, alpha22, alpha33, alpha12, alpha13, alpha23, whose shear terms are
// tensor components: alpha12 is half the engineering shear strain per kelvin.
void WriteMaterialKeywords(std::ostream& out, const SolidMaterial& material);

// *SHELL GENERAL SECTION, ELSET=<name> with the section stiffness given directly: the upper
// triangle of [A B; B D] column by column (D11, D12, D22, D13, D23, D33, D14, ..., D66 in the
// section's numbering), in the solvers' sign convention for curvature (B changes sign, see
// LaminateSection). DENSITY= is the areal density when known. The thickness and the thermal
// resultants, for which this form of the section has no field, follow as comments.
void WriteShellGeneralSection(std::ostream& out, const LaminateSection& section);

#pragma once

#include <vector>

#include "VerificationCase.h"

// The verification cases of the woven-fabric models (3D average, ABD average, finite elements),
// in report order.
std::vector<VerificationCase> FabricCases();

#pragma once

#include <vector>

#include "VerificationCase.h"

// The verification case of the random mat: its nine constants against the average over every
// in-plane direction of the UD ply they come from.
std::vector<VerificationCase> RandomMatCases();

#pragma once

#include <vector>

#include "VerificationCase.h"

// Every verification case, in the order of the reference: the UD ply, the random mat, the woven
// fabric. Runs the models afresh on each call (a fraction of a second).
std::vector<VerificationCase> RunVerification();

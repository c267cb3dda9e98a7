#pragma once

#include <vector>

#include "VerificationCase.h"

// The verification cases of the UD ply's elastic and thermal models, in report order.
std::vector<VerificationCase> UdPlyCases();

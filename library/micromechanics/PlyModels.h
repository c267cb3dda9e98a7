#pragma once

#include "UDPly.h"

// Runs the elastic model of code 1..6 on the ply; false (ply unchanged) for any other code.
bool RunElasticModel(CUDPly& ply, short code);
// Runs the thermal model of code 11..17 on the ply; false (ply unchanged) for any other code.
bool RunThermalModel(CUDPly& ply, short code);

#pragma once

// The UD ply and random-mat library call as the command-line tool and the charts make it, the
// same call the main form makes: UDMixel or RNDProperties at the fibre volume fraction typed in
// percent (the library takes it as a fraction), on the resin and fibre property arrays (E [Pa],
// nu, alpha [1/K]; E1, E2, G12, G23 [Pa], nu12, alpha1, alpha2 [1/K], density) with the model
// codes (elastic 1..6, thermal 11..17). `out` has room for kPlyResultSize doubles. False when the
// results are not all finite numbers, which no front end shows.
bool CalculatePlyOutput(bool randomMat, double fibreVolumePercent, const double* resin,
                        const double* fibre, short elasticCode, short thermalCode, double* out);

#pragma once

#include <string>

// What a calculation was made of, as the result forms and reports need it: the texts of the
// lists and the inputs as entered (percent, degrees, 1/m, kg/m^2).
struct CalculationInputs {
    std::string fibreName;
    std::string resinName;
    std::string weaveName;
    std::string elasticModelName;
    std::string thermalModelName;
    double fibreVolumePercent = 0.0;
    double warpAngleDeg = 0.0;
    double fillAngleDeg = 0.0;
    double warpCount = 0.0;
    double fillCount = 0.0;
    double arealDensity = 0.0;
    bool isoStrain = false;
    bool finiteElements = false;
};

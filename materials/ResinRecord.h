#pragma once

#include <array>
#include <string>

// A resin as the user sees it in the lists. The three properties are stored contiguously in the
// order the library reads them: E [Pa], nu, alpha [1/K].
struct ResinRecord {
    std::string name;
    std::string user;  // who entered the material
    std::string date;  // free text, by convention dd/mm/yyyy
    std::array<double, 3> properties{};

    double& E() { return properties[0]; }
    double& Nu() { return properties[1]; }
    double& Alpha() { return properties[2]; }
    double E() const { return properties[0]; }
    double Nu() const { return properties[1]; }
    double Alpha() const { return properties[2]; }
    // The resin property array handed to the library.
    const double* Array() const { return properties.data(); }
};

#pragma once

#include <array>
#include <string>

// A fibre as the user sees it in the lists. The eight properties are stored contiguously in the
// order the library reads them: E1, E2, G12, G23 [Pa], nu12, alpha1, alpha2 [1/K], density
// [kg/m^3] (the density is read only by the woven-fabric models).
struct FibreRecord {
    std::string name;
    std::string user;
    std::string date;
    std::array<double, 8> properties{};

    double& E1() { return properties[0]; }
    double& E2() { return properties[1]; }
    double& G12() { return properties[2]; }
    double& G23() { return properties[3]; }
    double& Nu12() { return properties[4]; }
    double& Alpha1() { return properties[5]; }
    double& Alpha2() { return properties[6]; }
    double& Density() { return properties[7]; }
    double E1() const { return properties[0]; }
    double E2() const { return properties[1]; }
    double G12() const { return properties[2]; }
    double G23() const { return properties[3]; }
    double Nu12() const { return properties[4]; }
    double Alpha1() const { return properties[5]; }
    double Alpha2() const { return properties[6]; }
    double Density() const { return properties[7]; }
    // The fibre property array handed to the library.
    const double* Array() const { return properties.data(); }
};

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Unidirectional laminae with their constituents and their measured properties, as published,
// for comparing the models' predictions with measurements. Values in SI: moduli in Pa,
// expansion per kelvin; the volume fraction as a fraction. The resin's shear modulus is not
// kept: the models derive it from E and ν (Gm = Em/(2·(1 + νm))).
struct MeasuredProperties {
    std::optional<double> E1, E2, G12, nu12, alpha1, alpha2;
};

struct PublishedLamina {
    std::string name;
    std::string fibreName;
    std::string resinName;
    double vf = 0.0;
    std::array<double, 3> resin{};  // Em, νm, αm as the library takes them
    std::array<double, 8> fibre{};  // Ef1, Ef2, Gf12, Gf23, νf12, αf1, αf2, ρf
    MeasuredProperties measured;
};

struct PublishedLaminae {
    std::string source;  // the publication, as the file cites it
    std::string note;    // what the values are (measured or the manufacturers')
    std::vector<PublishedLamina> laminae;
};

// Reads the laminae from JSON text (moduli in GPa, expansion per kelvin). `origin` names the
// text in messages. The reader is strict: a missing or unknown key, a value of the wrong type,
// a modulus or density that is not positive, a volume fraction outside (0, 1) or a Poisson's
// ratio outside (−1, 0.5) for the resin and (−1, 1) for the fibre is refused with a message
// that says where ("ud-laminae.json: laminae[2].fibre.E2: ...").
struct LaminaeReading {
    std::optional<PublishedLaminae> data;
    std::string error;
};

LaminaeReading ReadPublishedLaminae(std::string_view json, const std::string& origin);

// The laminae the program ships (verification/data/ud-laminae.json, compiled in).
std::string_view PublishedLaminaeJson();
inline constexpr const char* kPublishedLaminaeFile = "ud-laminae.json";

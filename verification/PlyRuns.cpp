#include "PlyRuns.h"

#include <cassert>

#include "Catalogue.h"

namespace {

const CCatalogue& Catalogue() {
    static const CCatalogue catalogue;
    return catalogue;
}

}  // namespace

Constituents CatalogueConstituents(const std::string& resinName, const std::string& fibreName) {
    const ResinRecord* resin = Catalogue().FindResin(resinName);
    const FibreRecord* fibre = Catalogue().FindFibre(fibreName);
    assert(resin != nullptr && fibre != nullptr);
    return Constituents{resin->properties, fibre->properties};
}

const CWeave& CatalogueWeave(const std::string& name) {
    const CNamedWeave* weave = Catalogue().FindWeave(name);
    assert(weave != nullptr);
    return *weave;
}

Constituents CarbonEpoxy() {
    return CatalogueConstituents("Hexcel 8552", "Hercules AS4");
}

Constituents GlassEpoxy() {
    return CatalogueConstituents("General Epoxy", "E-Glass");
}

Constituents ResinAsFibre(const Constituents& pair, double fibreDensity) {
    const double Em = pair.Em();
    const double Gm = pair.Gm();
    const double alpha = pair.AlphaM();
    return Constituents{pair.resin, {Em, Em, Gm, Gm, pair.Num(), alpha, alpha, fibreDensity}};
}

PlyValues RunUDMixel(const Constituents& pair, double vf, short elasticCode, short thermalCode) {
    double out[9] = {};
    UDMixel(vf, pair.resin.data(), pair.fibre.data(), elasticCode, thermalCode, out);
    return PlyValues{out[0], out[1], out[2], out[3], out[4], out[5], out[7] * 1e-6, out[8] * 1e-6};
}

CMatrix ReducedStiffness(const PlyValues& ply) {
    const double d = 1.0 - ply.nu12 * ply.nu12 * ply.E2 / ply.E1;
    CMatrix Q(3, 3);
    Q(1, 1) = ply.E1 / d;
    Q(1, 2) = Q(2, 1) = ply.nu12 * ply.E2 / d;
    Q(2, 2) = ply.E2 / d;
    Q(3, 3) = ply.G12;
    return Q;
}

const std::vector<ModelEntry>& ElasticModels() {
    return Catalogue().ElasticModels();
}

const std::vector<ModelEntry>& ThermalModels() {
    return Catalogue().ThermalModels();
}

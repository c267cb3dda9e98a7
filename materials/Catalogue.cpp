#include "Catalogue.h"

#include <algorithm>

#include "WeavePatterns.h"

namespace {

const char* const kBuiltinUser = "XJQ";
const char* const kBuiltinDate = "31/11/2001";

ResinRecord Resin(const char* name, double E, double nu, double alpha) {
    return ResinRecord{name, kBuiltinUser, kBuiltinDate, {E, nu, alpha}};
}

FibreRecord Fibre(const char* name, std::array<double, 8> properties) {
    return FibreRecord{name, kBuiltinUser, kBuiltinDate, properties};
}

template <typename Item>
const Item* FindByName(const std::vector<Item>& items, const std::string& name) {
    auto found =
        std::find_if(items.begin(), items.end(), [&](const Item& i) { return i.name == name; });
    return found == items.end() ? nullptr : &*found;
}

}  // namespace

CCatalogue::CCatalogue() {
    resins_ = {
        Resin("GE PEI", 2.96e9, 0.35, 5.6e-5),      Resin("Hoechst PPS", 4.4e9, 0.37, 5.1e-5),
        Resin("Ticona PPS", 3.7e9, 0.37, 5.1e-5),   Resin("General Epoxy", 3.24e9, 0.37, 6.6e-5),
        Resin("Hexcel 8552", 3.64e9, 0.37, 6.5e-5), Resin("Hexcel RTM6", 2.89e9, 0.35, 7.33e-5),
        Resin("ACG LTM 110", 3.4e9, 0.35, 6.8e-5),  Resin("ACG LTM 10", 3.13e9, 0.39, 6.6e-5),
        Resin("Steel", 210e9, 0.3, 1.2e-5),
    };
    // E1, E2, G12, G23 [Pa], nu12, alpha1, alpha2 [1/K], density [kg/m^3].
    const double steelShear = 210e9 / 2.6;
    fibres_ = {
        Fibre("Torayca J 300 JB", {231e9, 40e9, 24e9, 14.4e9, 0.26, -5e-7, 5.6e-6, 1750}),
        Fibre("Torayca M 55 J", {540e9, 15e9, 7e9, 6.3e9, 0.23, -1.1e-6, 3.7e-5, 1910}),
        Fibre("Hercules AS4", {221e9, 15e9, 20e9, 5e9, 0.27, -4e-7, 1.2e-5, 1790}),
        Fibre("Tenax HTA", {238e9, 28e9, 50e9, 10e9, 0.23, -1e-7, 1e-5, 1760}),
        Fibre("E-Glass", {72.4e9, 72.4e9, 30.2e9, 30.2e9, 0.2, 5e-6, 5e-6, 2500}),
        Fibre("Steel", {210e9, 210e9, steelShear, steelShear, 0.3, 1.2e-5, 1.2e-5, 7800}),
    };
    for (const WeaveDefinition& weave : BuiltinWeaveDefinitions()) {
        std::vector<short> cells = ExpandInterlacing(weave.interlacing, weave.deviation);
        int n = 2 * static_cast<int>(weave.interlacing.size());
        weaves_.push_back(std::make_unique<CNamedWeave>(n, cells.data(), weave.name));
    }
    elasticModels_ = {
        {"Rule of Mixtures", 1},  {"CCA", 2}, {"Puck", 3}, {"Chamis", 4}, {"Halpin Tsai(Circ)", 5},
        {"Halpin Tsai(Rect)", 6},
    };
    thermalModels_ = {
        {"Rule of Mixtures", 11},
        {"CCA", 12},
        {"Schneider", 13},
        {"Shapery", 14},
        {"Chamis", 15},
        {"ChamberLain(Hexag)", 16},
        {"ChamberLain(Square)", 17},
    };
}

const ResinRecord* CCatalogue::FindResin(const std::string& name) const {
    return FindByName(resins_, name);
}

const FibreRecord* CCatalogue::FindFibre(const std::string& name) const {
    return FindByName(fibres_, name);
}

const CNamedWeave* CCatalogue::FindWeave(const std::string& name) const {
    for (const auto& weave : weaves_) {
        if (weave->Name() == name) {
            return weave.get();
        }
    }
    return nullptr;
}

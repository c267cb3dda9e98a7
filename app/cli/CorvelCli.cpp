// corvel-cli: the calculator from the command line. Lists the built-in catalogue and computes a
// UD ply or a random mat from catalogue names, shown in the result forms' labels and units.
#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "DisplayOrder.h"
#include "weftcore.h"

namespace {

constexpr int kRejectedInput = 1;
constexpr int kBadUsage = 2;

// One row of a result form: label, unit, index into the library's output and display scale.
struct ResultRow {
    const char* label;
    const char* unit;
    int source;
    double scale;
};

const std::vector<ResultRow> kUDRows = {
    {"Ex", "[GPa]", 0, 1e-9},      {"Ey = Ez", "[GPa]", 1, 1e-9}, {"Gxy = Gxz", "[GPa]", 2, 1e-9},
    {"Gyz", "[GPa]", 3, 1e-9},     {"ν xy = ν xz", "[]", 4, 1.0}, {"ν yx = ν zx", "[]", 6, 1.0},
    {"ν yz = ν zy", "[]", 5, 1.0}, {"α x", "[ppm/K]", 7, 1.0},    {"α y = α z", "[ppm/K]", 8, 1.0},
};

const std::vector<ResultRow> kRandomMatRows = {
    {"Ex = Ey", "[GPa]", 0, 1e-9}, {"Ez", "[GPa]", 1, 1e-9},
    {"Gxy", "[GPa]", 2, 1e-9},     {"Gyz = Gzx", "[GPa]", 3, 1e-9},
    {"ν xy = ν yx", "[]", 4, 1.0}, {"ν zx = ν zy", "[]", 5, 1.0},
    {"ν xz = ν yz", "[]", 6, 1.0}, {"α x = α y", "[ppm/K]", 7, 1.0},
    {"α z", "[ppm/K]", 8, 1.0},
};

// Names in the order the calculator's lists show them.
std::vector<std::string> SortedForDisplay(std::vector<std::string> names) {
    std::stable_sort(names.begin(), names.end(), DisplayLess);
    return names;
}

template <typename Items>
std::vector<std::string> NamesOf(const Items& items) {
    std::vector<std::string> names;
    for (const auto& item : items) {
        if constexpr (requires { item->Name(); }) {
            names.push_back(item->Name());
        } else {
            names.push_back(item.name);
        }
    }
    return SortedForDisplay(names);
}

std::string JoinQuoted(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "\"" : ", \"") + name + "\"";
    }
    return joined;
}

// A model entry by its list name (exact, then ignoring case) or by its numeric code.
std::optional<short> FindModel(const std::vector<ModelEntry>& models, const std::string& key) {
    for (const ModelEntry& model : models) {
        if (model.name == key) {
            return model.code;
        }
    }
    for (const ModelEntry& model : models) {
        if (!DisplayLess(model.name, key) && !DisplayLess(key, model.name)) {
            return model.code;
        }
    }
    for (const ModelEntry& model : models) {
        if (key == std::to_string(model.code)) {
            return model.code;
        }
    }
    return std::nullopt;
}

struct PlyRequest {
    std::string resin;
    std::string fibre;
    double volumePercent = 0.0;
    std::string elastic;
    std::string thermal;
};

int Reject(const std::string& message) {
    std::cerr << "corvel-cli: " << message << "\n";
    return kRejectedInput;
}

// Pads UTF-8 text with blanks to `width` characters (not bytes: the labels hold Greek letters).
std::string Padded(const std::string& text, size_t width) {
    size_t characters = 0;
    for (unsigned char c : text) {
        characters += (c & 0xC0) != 0x80;
    }
    return text + std::string(characters < width ? width - characters : 0, ' ');
}

void PrintTable(const std::vector<ResultRow>& rows, const double* out) {
    for (const ResultRow& row : rows) {
        // The result forms hold single-precision values and show them with six digits.
        float shown = static_cast<float>(out[row.source] * row.scale);
        std::printf("  %s %s %g\n", Padded(row.label, 14).c_str(), Padded(row.unit, 9).c_str(),
                    static_cast<double>(shown));
    }
}

int RunPly(const CCatalogue& catalogue, const PlyRequest& request, bool randomMat) {
    const ResinRecord* resin = catalogue.FindResin(request.resin);
    if (resin == nullptr) {
        return Reject("unknown resin \"" + request.resin +
                      "\"; known: " + JoinQuoted(NamesOf(catalogue.Resins())));
    }
    const FibreRecord* fibre = catalogue.FindFibre(request.fibre);
    if (fibre == nullptr) {
        return Reject("unknown fibre \"" + request.fibre +
                      "\"; known: " + JoinQuoted(NamesOf(catalogue.Fibres())));
    }
    std::optional<short> elastic = FindModel(catalogue.ElasticModels(), request.elastic);
    if (!elastic) {
        return Reject("unknown elastic model \"" + request.elastic +
                      "\"; known: " + JoinQuoted(NamesOf(catalogue.ElasticModels())));
    }
    std::optional<short> thermal = FindModel(catalogue.ThermalModels(), request.thermal);
    if (!thermal) {
        return Reject("unknown thermal model \"" + request.thermal +
                      "\"; known: " + JoinQuoted(NamesOf(catalogue.ThermalModels())));
    }
    if (!(request.volumePercent > 0.0 && request.volumePercent < 100.0)) {
        return Reject("Invalid fibre volume factor: (0,100) %");
    }
    double out[9] = {};
    double vf = request.volumePercent * 0.01;
    if (randomMat) {
        RNDProperties(vf, resin->Array(), fibre->Array(), *elastic, *thermal, out);
    } else {
        UDMixel(vf, resin->Array(), fibre->Array(), *elastic, *thermal, out);
    }
    std::printf("%s\n", randomMat ? "Random Model Results" : "MicroMechanical Model Results");
    std::printf("  resin %s, fibre %s, Vf %g %%, elastic %s, thermal %s\n", resin->name.c_str(),
                fibre->name.c_str(), request.volumePercent, request.elastic.c_str(),
                request.thermal.c_str());
    PrintTable(randomMat ? kRandomMatRows : kUDRows, out);
    return 0;
}

int RunList(const CCatalogue& catalogue, const std::string& what) {
    std::vector<std::string> names;
    if (what == "resins") {
        names = NamesOf(catalogue.Resins());
    } else if (what == "fibres") {
        names = NamesOf(catalogue.Fibres());
    } else if (what == "weaves") {
        names = NamesOf(catalogue.Weaves());
    } else if (what == "elastic") {
        names = NamesOf(catalogue.ElasticModels());
    } else {
        names = NamesOf(catalogue.ThermalModels());
    }
    for (const std::string& name : names) {
        std::printf("%s\n", name.c_str());
    }
    return 0;
}

void AddPlyOptions(CLI::App& command, PlyRequest& request) {
    command.add_option("--resin", request.resin, "Resin name from the catalogue")->required();
    command.add_option("--fibre", request.fibre, "Fibre name from the catalogue")->required();
    command.add_option("--vf", request.volumePercent, "Fibre volume fraction [%], in (0,100)")
        ->required();
    command.add_option("--elastic", request.elastic, "Elastic model name or code (1..6)")
        ->default_val("CCA");
    command.add_option("--thermal", request.thermal, "Thermal model name or code (11..17)")
        ->default_val("CCA");
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Corvel: elastic constants and thermal expansion of fibre-reinforced plies"};
    app.require_subcommand(1);

    std::string listWhat;
    CLI::App* list = app.add_subcommand("list", "List the built-in catalogue in display order");
    list->add_option("what", listWhat, "resins, fibres, weaves, elastic or thermal")
        ->required()
        ->check(CLI::IsMember({"resins", "fibres", "weaves", "elastic", "thermal"}));

    PlyRequest udRequest;
    CLI::App* ud = app.add_subcommand("ud", "Unidirectional ply properties");
    AddPlyOptions(*ud, udRequest);

    PlyRequest matRequest;
    CLI::App* mat = app.add_subcommand("mat", "Random mat properties");
    AddPlyOptions(*mat, matRequest);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kBadUsage;  // --help is a success
    }

    CCatalogue catalogue;
    if (list->parsed()) {
        return RunList(catalogue, listWhat);
    }
    if (ud->parsed()) {
        return RunPly(catalogue, udRequest, false);
    }
    return RunPly(catalogue, matRequest, true);
}

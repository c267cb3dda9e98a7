#include "PublishedLaminae.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <initializer_list>

namespace {

using Json = nlohmann::json;

constexpr double kGiga = 1e9;
// How far a resin's shear modulus in the file may stray from E/(2·(1 + ν)) before the file is
// refused: the models derive it from E and ν and could not honour another value.
constexpr double kShearTolerance = 0.01;

// Why reading stopped, with the path of the value at fault.
struct Refusal {
    std::string message;
};

class CReader {
public:
    explicit CReader(std::string origin) : origin_(std::move(origin)) {}

    [[noreturn]] void Refuse(const std::string& path, const std::string& what) const {
        throw Refusal{origin_ + ": " + path + ": " + what};
    }

    const Json& Object(const Json& value, const std::string& path,
                       std::initializer_list<const char*> required,
                       std::initializer_list<const char*> optional) const {
        if (!value.is_object()) {
            Refuse(path, "expected an object");
        }
        for (const char* key : required) {
            if (!value.contains(key)) {
                Refuse(path, std::string("missing \"") + key + "\"");
            }
        }
        for (const auto& item : value.items()) {
            bool known = false;
            for (const auto& keys : {required, optional}) {
                for (const char* key : keys) {
                    known = known || item.key() == key;
                }
            }
            if (!known) {
                Refuse(path, "unknown key \"" + item.key() + "\"");
            }
        }
        return value;
    }

    std::string Text(const Json& object, const std::string& path, const char* key) const {
        const Json& value = object.at(key);
        if (!value.is_string()) {
            Refuse(Path(path, key), "expected a text");
        }
        return value.get<std::string>();
    }

    // A number within (low, high), both ends excluded.
    double Number(const Json& object, const std::string& path, const char* key, double low,
                  double high) const {
        const Json& value = object.at(key);
        if (!value.is_number()) {
            Refuse(Path(path, key), "expected a number");
        }
        const double number = value.get<double>();
        if (!(number > low && number < high)) {
            Refuse(Path(path, key), "out of range (" + Bound(low) + ", " + Bound(high) + ")");
        }
        return number;
    }

    double Positive(const Json& object, const std::string& path, const char* key) const {
        return Number(object, path, key, 0.0, HUGE_VAL);
    }

    double Expansion(const Json& object, const std::string& path, const char* key) const {
        return Number(object, path, key, -1e-3, 1e-3);
    }

    static std::string Path(const std::string& path, const char* key) { return path + "." + key; }

private:
    static std::string Bound(double value) {
        if (std::isinf(value)) {
            return value > 0 ? "∞" : "−∞";
        }
        std::string text = Json(value).dump();
        return text;
    }

    std::string origin_;
};

void ReadMatrix(const CReader& reader, const Json& value, const std::string& path,
                PublishedLamina& lamina) {
    const Json& matrix = reader.Object(value, path, {"name", "E", "nu", "alpha"}, {"G"});
    lamina.resinName = reader.Text(matrix, path, "name");
    const double E = reader.Positive(matrix, path, "E");
    const double nu = reader.Number(matrix, path, "nu", -1.0, 0.5);
    if (matrix.contains("G")) {
        const double G = reader.Positive(matrix, path, "G");
        const double isotropic = E / (2.0 * (1.0 + nu));
        if (std::fabs(G - isotropic) > kShearTolerance * isotropic) {
            reader.Refuse(CReader::Path(path, "G"),
                          "differs from E/(2·(1 + nu)) by more than 1 %; the models take the "
                          "resin as isotropic");
        }
    }
    lamina.resin = {E * kGiga, nu, reader.Expansion(matrix, path, "alpha")};
}

void ReadFibre(const CReader& reader, const Json& value, const std::string& path,
               PublishedLamina& lamina) {
    const Json& fibre = reader.Object(
        value, path, {"name", "E1", "E2", "G12", "G23", "nu12", "alpha1", "alpha2", "density"}, {});
    lamina.fibreName = reader.Text(fibre, path, "name");
    lamina.fibre = {
        reader.Positive(fibre, path, "E1") * kGiga,    reader.Positive(fibre, path, "E2") * kGiga,
        reader.Positive(fibre, path, "G12") * kGiga,   reader.Positive(fibre, path, "G23") * kGiga,
        reader.Number(fibre, path, "nu12", -1.0, 1.0), reader.Expansion(fibre, path, "alpha1"),
        reader.Expansion(fibre, path, "alpha2"),       reader.Positive(fibre, path, "density")};
}

void ReadMeasured(const CReader& reader, const Json& value, const std::string& path,
                  MeasuredProperties& measured) {
    const Json& object =
        reader.Object(value, path, {}, {"E1", "E2", "G12", "nu12", "alpha1", "alpha2"});
    auto modulus = [&](const char* key) -> std::optional<double> {
        if (!object.contains(key)) {
            return std::nullopt;
        }
        return reader.Positive(object, path, key) * kGiga;
    };
    auto expansion = [&](const char* key) -> std::optional<double> {
        if (!object.contains(key)) {
            return std::nullopt;
        }
        return reader.Expansion(object, path, key);
    };
    measured.E1 = modulus("E1");
    measured.E2 = modulus("E2");
    measured.G12 = modulus("G12");
    if (object.contains("nu12")) {
        measured.nu12 = reader.Number(object, path, "nu12", -1.0, 1.0);
    }
    measured.alpha1 = expansion("alpha1");
    measured.alpha2 = expansion("alpha2");
}

PublishedLaminae Read(const CReader& reader, const Json& root) {
    reader.Object(root, "(top)", {"source", "laminae"}, {"units", "note"});
    PublishedLaminae data;
    data.source = reader.Text(root, "(top)", "source");
    if (root.contains("note")) {
        data.note = reader.Text(root, "(top)", "note");
    }
    const Json& laminae = root.at("laminae");
    if (!laminae.is_array() || laminae.empty()) {
        reader.Refuse("laminae", "expected a list of at least one lamina");
    }
    for (std::size_t i = 0; i < laminae.size(); ++i) {
        const std::string path = "laminae[" + std::to_string(i) + "]";
        const Json& entry =
            reader.Object(laminae[i], path, {"name", "vf", "fibre", "matrix", "measured"}, {});
        PublishedLamina lamina;
        lamina.name = reader.Text(entry, path, "name");
        lamina.vf = reader.Number(entry, path, "vf", 0.0, 1.0);
        ReadFibre(reader, entry.at("fibre"), CReader::Path(path, "fibre"), lamina);
        ReadMatrix(reader, entry.at("matrix"), CReader::Path(path, "matrix"), lamina);
        ReadMeasured(reader, entry.at("measured"), CReader::Path(path, "measured"),
                     lamina.measured);
        data.laminae.push_back(std::move(lamina));
    }
    return data;
}

}  // namespace

LaminaeReading ReadPublishedLaminae(std::string_view json, const std::string& origin) {
    Json root;
    try {
        root = Json::parse(json.begin(), json.end());
    } catch (const Json::parse_error& error) {
        // nlohmann's message says where: "parse error at line 3, column 7: ...".
        const std::string what = error.what();
        const std::size_t start = what.find("parse error");
        return {std::nullopt, origin + ": " + what.substr(start == std::string::npos ? 0 : start)};
    }
    try {
        return {Read(CReader(origin), root), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.message};
    }
}

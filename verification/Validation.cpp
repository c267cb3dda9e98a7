#include "Validation.h"

#include <algorithm>
#include <cmath>

#include "PlyRuns.h"

namespace {

// Errors closer than this are the same error: models that share a formula (in whatever algebraic
// form) tie. Relative errors are fractions; expansion errors are per kelvin, of order 1e-6.
constexpr double kRelativeTie = 1e-12;
constexpr double kExpansionTie = 1e-18;

// A property of a ply's predictions (double) or of a lamina's measurements (optional double),
// both named alike.
template <typename Values>
auto PropertyOf(const Values& values, LaminaProperty property) {
    switch (property) {
        case LaminaProperty::E1:
            return values.E1;
        case LaminaProperty::E2:
            return values.E2;
        case LaminaProperty::G12:
            return values.G12;
        case LaminaProperty::Nu12:
            return values.nu12;
        case LaminaProperty::Alpha1:
            return values.alpha1;
        case LaminaProperty::Alpha2:
            break;
    }
    return values.alpha2;
}

bool Ties(LaminaProperty property, double a, double b) {
    return std::fabs(a - b) <= (HasRelativeError(property) ? kRelativeTie : kExpansionTie);
}

// The smallest magnitude among (model, |error|) pairs, with every model that ties with it.
Closest ClosestOf(LaminaProperty property,
                  const std::vector<std::pair<std::string, double>>& errors) {
    Closest closest{property, {}, 0.0};
    double best = HUGE_VAL;
    for (const auto& [model, error] : errors) {
        best = std::min(best, std::fabs(error));
    }
    for (const auto& [model, error] : errors) {
        if (Ties(property, std::fabs(error), best)) {
            if (closest.models.empty()) {
                closest.error = error;
            }
            closest.models.push_back(model);
        }
    }
    return closest;
}

LaminaValidation ValidateLamina(const PublishedLamina& lamina) {
    Constituents pair{lamina.resin, lamina.fibre};
    LaminaValidation result{lamina, {}, {}};
    auto predict = [&](const ModelEntry& model, const PlyValues& ply, LaminaProperty property) {
        const double predicted = PropertyOf(ply, property);
        Prediction prediction{model.name, property, predicted, std::nullopt};
        if (const std::optional<double> measured = result.Measured(property)) {
            prediction.error = HasRelativeError(property) ? (predicted - *measured) / *measured
                                                          : predicted - *measured;
        }
        result.predictions.push_back(prediction);
    };
    for (const ModelEntry& model : ElasticModels()) {
        const PlyValues ply = RunUDMixel(pair, lamina.vf, model.code, kThermalAfterElastic);
        for (LaminaProperty property : kElasticProperties) {
            predict(model, ply, property);
        }
    }
    for (const ModelEntry& model : ThermalModels()) {
        const PlyValues ply = RunUDMixel(pair, lamina.vf, kElasticBeforeThermal, model.code);
        for (LaminaProperty property : kThermalProperties) {
            predict(model, ply, property);
        }
    }
    for (LaminaProperty property : kAllProperties) {
        std::vector<std::pair<std::string, double>> errors;
        for (const Prediction& prediction : result.predictions) {
            if (prediction.property == property && prediction.error) {
                errors.emplace_back(prediction.model, *prediction.error);
            }
        }
        if (!errors.empty()) {
            result.closest.push_back(ClosestOf(property, errors));
        }
    }
    return result;
}

}  // namespace

const char* PropertySymbol(LaminaProperty property) {
    static const char* const kSymbols[] = {"E1", "E2", "G12", "ν12", "α1", "α2"};
    return kSymbols[static_cast<int>(property)];
}

const char* PropertyKey(LaminaProperty property) {
    static const char* const kKeys[] = {"E1", "E2", "G12", "nu12", "alpha1", "alpha2"};
    return kKeys[static_cast<int>(property)];
}

bool HasRelativeError(LaminaProperty property) {
    return property != LaminaProperty::Alpha1 && property != LaminaProperty::Alpha2;
}

std::optional<double> LaminaValidation::Measured(LaminaProperty property) const {
    return PropertyOf(lamina.measured, property);
}

ValidationResult Validate(const PublishedLaminae& data) {
    ValidationResult result{data.source, data.note, {}, {}};
    for (const PublishedLamina& lamina : data.laminae) {
        result.laminae.push_back(ValidateLamina(lamina));
    }
    for (LaminaProperty property : kAllProperties) {
        PropertySummary summary{property, {}, {}};
        for (const ModelEntry& model :
             HasRelativeError(property) ? ElasticModels() : ThermalModels()) {
            double sum = 0.0;
            int count = 0;
            for (const LaminaValidation& lamina : result.laminae) {
                for (const Prediction& prediction : lamina.predictions) {
                    if (prediction.property == property && prediction.model == model.name &&
                        prediction.error) {
                        sum += std::fabs(*prediction.error);
                        ++count;
                    }
                }
            }
            if (count > 0) {
                summary.meanAbsoluteErrors.emplace_back(model.name, sum / count);
            }
        }
        if (!summary.meanAbsoluteErrors.empty()) {
            summary.closest = ClosestOf(property, summary.meanAbsoluteErrors);
            result.summary.push_back(summary);
        }
    }
    return result;
}

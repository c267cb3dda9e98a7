#pragma once

#include <optional>
#include <string>
#include <vector>

#include "PublishedLaminae.h"

// The UD models' predictions for published laminae against the laminae's measured properties.
// Every elastic model predicts E1, E2, G12 and ν12, every thermal model α1 and α2 (after the CCA
// elastic model, which only Shapery reads). The measurements only enter the errors: nothing is
// fitted to them.
//
// Errors are signed, prediction minus measurement: relative (a fraction) for the moduli and ν12,
// absolute (per kelvin) for the expansion coefficients, since α1 is near zero and a relative
// error of it means little.
enum class LaminaProperty { E1, E2, G12, Nu12, Alpha1, Alpha2 };

inline constexpr LaminaProperty kElasticProperties[] = {LaminaProperty::E1, LaminaProperty::E2,
                                                        LaminaProperty::G12, LaminaProperty::Nu12};
inline constexpr LaminaProperty kThermalProperties[] = {LaminaProperty::Alpha1,
                                                        LaminaProperty::Alpha2};
inline constexpr LaminaProperty kAllProperties[] = {LaminaProperty::E1,     LaminaProperty::E2,
                                                    LaminaProperty::G12,    LaminaProperty::Nu12,
                                                    LaminaProperty::Alpha1, LaminaProperty::Alpha2};

// Symbol as the reports write it ("E1", "ν12", "α2"), and whether its error is relative (the
// elastic properties) or absolute (the expansion coefficients).
const char* PropertySymbol(LaminaProperty property);
bool HasRelativeError(LaminaProperty property);
// The symbol spelt in ASCII for JSON keys ("nu12", "alpha2").
const char* PropertyKey(LaminaProperty property);

struct Prediction {
    std::string model;
    LaminaProperty property;
    double predicted;             // SI
    std::optional<double> error;  // none when the lamina has no measurement of it
};

// The model or models (ties, such as the five that share the rule-of-mixtures E1) whose error
// is smallest in magnitude, and that error.
struct Closest {
    LaminaProperty property;
    std::vector<std::string> models;
    double error;
};

struct LaminaValidation {
    PublishedLamina lamina;
    std::vector<Prediction> predictions;  // elastic models then thermal models, in code order
    std::vector<Closest> closest;         // per measured property

    std::optional<double> Measured(LaminaProperty property) const;
};

// Per property over all laminae that measured it: each model's mean absolute error, and the
// model or models with the smallest.
struct PropertySummary {
    LaminaProperty property;
    std::vector<std::pair<std::string, double>> meanAbsoluteErrors;  // in model code order
    Closest closest;
};

struct ValidationResult {
    std::string source;
    std::string note;
    std::vector<LaminaValidation> laminae;
    std::vector<PropertySummary> summary;  // properties measured at least once
};

ValidationResult Validate(const PublishedLaminae& data);

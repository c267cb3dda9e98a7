// The validation part of the report: per lamina the predictions of every model with their
// errors, then the mean errors over the laminae and the closest models.
#include "ModelReport.h"

namespace {

std::string Joined(const std::vector<std::string>& names, const char* separator) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : separator) + name;
    }
    return text;
}

// A property's value as the tables show it: moduli in GPa, expansion in 10⁻⁶/K.
std::string ShownProperty(LaminaProperty property, double value) {
    switch (property) {
        case LaminaProperty::E1:
        case LaminaProperty::E2:
        case LaminaProperty::G12:
            return ShownValue(value * 1e-9, 4);
        case LaminaProperty::Nu12:
            return ShownValue(value, 3);
        case LaminaProperty::Alpha1:
        case LaminaProperty::Alpha2:
            return ShownValue(value * 1e6, 3);
    }
    return {};
}

std::string Heading(LaminaProperty property) {
    switch (property) {
        case LaminaProperty::E1:
        case LaminaProperty::E2:
        case LaminaProperty::G12:
            return std::string(PropertySymbol(property)) + " [GPa]";
        case LaminaProperty::Nu12:
            return PropertySymbol(property);
        case LaminaProperty::Alpha1:
        case LaminaProperty::Alpha2:
            return std::string(PropertySymbol(property)) + " [10⁻⁶/K]";
    }
    return {};
}

// Models against properties for one lamina: the measured row first, then each model's
// prediction and its error.
template <std::size_t N>
ReportTable LaminaTable(const LaminaValidation& lamina, const LaminaProperty (&properties)[N],
                        const char* modelColumn) {
    ReportTable table{{modelColumn}, {false}, {}};
    std::vector<std::string> measured{"measured"};
    for (LaminaProperty property : properties) {
        table.header.push_back(Heading(property));
        table.header.push_back("error");
        table.rightAligned.push_back(true);
        table.rightAligned.push_back(true);
        const std::optional<double> value = lamina.Measured(property);
        measured.push_back(value ? ShownProperty(property, *value) : "—");
        measured.push_back("");
    }
    table.rows.push_back(measured);
    for (const Prediction& first : lamina.predictions) {
        if (first.property != properties[0]) {
            continue;
        }
        std::vector<std::string> row{first.model};
        for (LaminaProperty property : properties) {
            for (const Prediction& prediction : lamina.predictions) {
                if (prediction.model == first.model && prediction.property == property) {
                    row.push_back(ShownProperty(property, prediction.predicted));
                    row.push_back(prediction.error ? ShownError(property, *prediction.error) : "");
                }
            }
        }
        table.rows.push_back(row);
    }
    return table;
}

template <std::size_t N>
ReportTable MeanErrorTable(const ValidationResult& validation,
                           const LaminaProperty (&properties)[N], const char* modelColumn) {
    ReportTable table{{modelColumn}, {false}, {}};
    std::vector<const PropertySummary*> summaries;
    for (LaminaProperty property : properties) {
        for (const PropertySummary& summary : validation.summary) {
            if (summary.property == property) {
                summaries.push_back(&summary);
                table.header.push_back(std::string(PropertySymbol(property)) +
                                       (HasRelativeError(property) ? " [%]" : " [10⁻⁶/K]"));
                table.rightAligned.push_back(true);
            }
        }
    }
    if (summaries.empty()) {
        return table;
    }
    for (std::size_t m = 0; m < summaries.front()->meanAbsoluteErrors.size(); ++m) {
        std::vector<std::string> row{summaries.front()->meanAbsoluteErrors[m].first};
        for (const PropertySummary* summary : summaries) {
            const auto& [model, mean] = summary->meanAbsoluteErrors[m];
            bool closest = false;
            for (const std::string& name : summary->closest.models) {
                closest = closest || name == model;
            }
            row.push_back(ShownMeanError(summary->property, mean) + (closest ? " ◀" : ""));
        }
        table.rows.push_back(row);
    }
    return table;
}

}  // namespace

ReportTable ClosestModelTable(const ValidationResult& validation) {
    ReportTable table{{"Property", "Closest model", "Mean error"}, {false, false, true}, {}};
    for (const PropertySummary& summary : validation.summary) {
        double mean = 0.0;
        for (const auto& [model, error] : summary.meanAbsoluteErrors) {
            if (model == summary.closest.models.front()) {
                mean = error;
            }
        }
        table.rows.push_back({PropertySymbol(summary.property),
                              Joined(summary.closest.models, " = "),
                              ShownMeanError(summary.property, mean) +
                                  (HasRelativeError(summary.property) ? " %" : " × 10⁻⁶/K")});
    }
    return table;
}

void AddValidationSection(CReportDocument& report, const ValidationResult& validation) {
    report.Heading(2, "Validation against published laminae");
    report.Paragraph("Source: " + validation.source);
    if (!validation.note.empty()) {
        report.Paragraph("Note: " + validation.note);
    }
    report.Paragraph(
        "Each lamina is predicted from its fibre, resin and volume fraction by every elastic "
        "model and every thermal model (after the CCA elastic model, whose ν12 only Shapery "
        "reads). Errors are prediction minus measurement: relative for the moduli and ν12, in "
        "10⁻⁶/K for the expansion coefficients, since α1 is near zero. The measurements enter "
        "only these errors; no model is fitted to them.");
    for (const LaminaValidation& lamina : validation.laminae) {
        const PublishedLamina& data = lamina.lamina;
        report.Heading(3, data.name + ", Vf = " + ShownValue(data.vf * 100.0, 3) + " %");
        report.Paragraph("Fibre " + data.fibreName + ", resin " + data.resinName + ".");
        report.Table(LaminaTable(lamina, kElasticProperties, "Elastic model"));
        report.Table(LaminaTable(lamina, kThermalProperties, "Thermal model"));
        std::vector<std::string> closest;
        for (const Closest& c : lamina.closest) {
            closest.push_back(std::string(PropertySymbol(c.property)) + " " +
                              Joined(c.models, " = ") + " (" + ShownError(c.property, c.error) +
                              ")");
        }
        report.Paragraph("Closest: " + Joined(closest, "; ") + ".");
    }
    report.Heading(3, "Mean absolute error over the laminae");
    report.Paragraph("◀ marks the closest model of each property.");
    report.Table(MeanErrorTable(validation, kElasticProperties, "Elastic model"));
    report.Table(MeanErrorTable(validation, kThermalProperties, "Thermal model"));
}

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "CalculationInputs.h"
#include "Control.h"
#include "Form.h"
#include "NumberField.h"
#include "NumberFormat.h"
#include "ResultExport.h"
#include "ResultSummary.h"
#include "ShownProperties.h"

// Base of the four result forms. The form shows one result record (ResultRecords.h) in read-only
// fields, one per record value in the record's order, with six significant digits. It keeps its
// last record between runs until the next calculation of its kind hands it a new one.
// The output button reads every field's text back into the record before the form closes as
// accepted, so the record then holds the displayed values in single precision, which the report
// prints; a text that does not read back as a number shows "Please enter a number." and keeps
// the form open. "Return", the default button, closes it as cancelled without reading anything.
// "Export..." writes the calculation's material card for a solver (ResultExport.h) and "Copy" puts
// the inputs and the shown values on the clipboard as a table (ResultSummary.h); both leave the
// form open. Above the values a line sums up the inputs; a fabric's form shows its thickness
// [mm] there too, as the library computed it (not part of the record: the report prints its
// own).
template <typename Record>
class CResultsForm : public CForm {
public:
    static constexpr std::size_t kFieldCount = Record::kFieldCount;

    // The record the next run shows; replaces the values the form showed before.
    void SetResults(const Record& results) { results_ = results; }
    const Record& Results() const { return results_; }

    // What the calculation was made of, for the summary line and "Copy".
    void SetInputs(const CalculationInputs& inputs) {
        inputs_ = inputs;
        summary_.SetText(InputSummary(resultCase_, inputs));
        summary_.Show(true);
    }
    const CLabel& Summary() const { return summary_; }

    // The fabric's thickness [mm]; shown from the first call on.
    void SetThickness(double millimetres) {
        thicknessField_.SetText(FormatGeneral(millimetres, kResultDigits));
        for (CControl* control : std::initializer_list<CControl*>{&thicknessLabel_, &thicknessUnit_,
                                                                  &thicknessField_}) {
            control->Show(true);
        }
    }
    const CLabel& ThicknessLabel() const { return thicknessLabel_; }
    const CLabel& ThicknessUnit() const { return thicknessUnit_; }
    const CNumberField& ThicknessField() const { return thicknessField_; }

    // The value field of a record entry (an index of Record::Field).
    CNumberField& ValueField(std::size_t field) { return fields_[field]; }
    const CNumberField& ValueField(std::size_t field) const { return fields_[field]; }

    // The output button ("Create Output" or "Create Output File") and "Return".
    void PressOutput() { CForm::OnOK(); }
    void PressReturn() { PressCancel(); }
    // Enter: the focused button when one has the focus (`focused`), otherwise "Return".
    void PressEnter(const CButton* focused) {
        if (focused == &outputButton) {
            PressOutput();
        } else if (focused == &exportButton) {
            PressExport();
        } else if (focused == &copyButton) {
            PressCopy();
        } else {
            PressReturn();
        }
    }

    // The clipboard text of "Copy": the inputs and every shown value with its label and unit.
    std::string ClipboardText() const {
        std::vector<ShownValue> values;
        if (thicknessField_.IsVisible()) {
            values.push_back({"Thickness", "mm", thicknessField_.Text()});
        }
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            values.push_back({properties_[i].label, properties_[i].unit, fields_[i].Text()});
        }
        return ResultsClipboardText(Title(), resultCase_, inputs_, values,
                                    note_.IsVisible() ? note_.Text() : std::string());
    }
    void PressCopy() { WindowSystem().SetClipboardText(ClipboardText()); }

    // The calculation's materials for "Export...", from the library's double output.
    void SetExport(ExportDocument document) { export_.SetDocument(std::move(document)); }
    const CResultExport& Export() const { return export_; }
    void PressExport() { export_.Run(WindowSystem()); }

    // A remark shown under the values, hidden when empty: for a UD ply or random mat denser than
    // round fibres pack, the packing limit (PackingLimits.h).
    void SetNote(std::string text) {
        note_.Show(!text.empty());
        note_.SetText(std::move(text));
    }
    const CLabel& Note() const { return note_; }

    const CButton outputButton;
    const CButton returnButton{"Return", true};
    const CButton exportButton{"Export..."};
    const CButton copyButton{"Copy"};

protected:
    // `properties` names the record's values, in its order (ShownProperties.h).
    CResultsForm(IWindowSystem& windowSystem, std::string title, std::string outputCaption,
                 ResultCase resultCase, const std::vector<ShownProperty>& properties)
        : CForm(windowSystem, std::move(title)),
          outputButton(std::move(outputCaption)),
          resultCase_(resultCase),
          properties_(properties) {
        for (CNumberField& field : fields_) {
            field.SetReadOnly(true);
        }
        thicknessField_.SetReadOnly(true);
        for (CControl* control : std::initializer_list<CControl*>{
                 &note_, &summary_, &thicknessLabel_, &thicknessUnit_, &thicknessField_}) {
            control->Show(false);
        }
    }

    // Enter without a focused button is "Return", the default button.
    void OnOK() override { PressReturn(); }

    void DoFieldExchange(CFieldExchange& exchange) override {
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            exchange.Number(fields_[i], results_.values[i]);
        }
    }

private:
    ResultCase resultCase_;
    const std::vector<ShownProperty>& properties_;
    Record results_{};
    std::optional<CalculationInputs> inputs_;
    std::array<CNumberField, kFieldCount> fields_;
    CResultExport export_;
    CLabel note_;
    CLabel summary_;
    CLabel thicknessLabel_{"Thickness"};
    CLabel thicknessUnit_{"[mm]"};
    CNumberField thicknessField_;
};

// The label and unit of one row of a result table.
struct ResultRowText {
    const char* label;
    const char* unit;
};

// A result form laid out as a table of rows " Property", "Unit  ", "Value  ", one row per record
// entry, top to bottom in the record's order.
template <typename Record>
class CResultTableForm : public CResultsForm<Record> {
public:
    using Rows = std::array<ResultRowText, Record::kFieldCount>;

    const CLabel& RowLabel(std::size_t field) const { return labels_[field]; }
    const CLabel& RowUnit(std::size_t field) const { return units_[field]; }

    const CLabel propertyHeading{" Property"};
    const CLabel unitHeading{"Unit  "};
    const CLabel valueHeading{"Value  "};

protected:
    CResultTableForm(IWindowSystem& windowSystem, std::string title, std::string outputCaption,
                     ResultCase resultCase, const std::vector<ShownProperty>& properties,
                     const Rows& rows)
        : CResultsForm<Record>(windowSystem, std::move(title), std::move(outputCaption), resultCase,
                               properties) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            labels_[i].SetText(rows[i].label);
            units_[i].SetText(rows[i].unit);
        }
    }

private:
    std::array<CLabel, Record::kFieldCount> labels_;
    std::array<CLabel, Record::kFieldCount> units_;
};

#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "Control.h"
#include "Form.h"
#include "NumberField.h"
#include "ResultExport.h"

// Base of the four result forms. The form shows one result record (ResultRecords.h) in read-only
// fields, one per record value in the record's order, with six significant digits. It keeps its
// last record between runs until the next calculation of its kind hands it a new one.
// The output button reads every field's text back into the record before the form closes as
// accepted, so the record then holds the displayed values in single precision, which the report
// prints; a text that does not read back as a number shows "Please enter a number." and keeps
// the form open. "Return" closes it as cancelled without reading anything. "Export..." writes the
// calculation's material card for a solver (ResultExport.h) and leaves the form open.
template <typename Record>
class CResultsForm : public CForm {
public:
    static constexpr std::size_t kFieldCount = Record::kFieldCount;

    // The record the next run shows; replaces everything the form showed before.
    void SetResults(const Record& results) { results_ = results; }
    const Record& Results() const { return results_; }

    // The value field of a record entry (an index of Record::Field).
    CNumberField& ValueField(std::size_t field) { return fields_[field]; }
    const CNumberField& ValueField(std::size_t field) const { return fields_[field]; }

    // The two buttons: the output button ("Create Output" or "Create Output File") and "Return".
    void PressOutput() { PressOK(); }
    void PressReturn() { PressCancel(); }

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
    const CButton returnButton{"Return"};
    const CButton exportButton{"Export..."};

protected:
    CResultsForm(IWindowSystem& windowSystem, std::string title, std::string outputCaption)
        : CForm(windowSystem, std::move(title)), outputButton(std::move(outputCaption)) {
        for (CNumberField& field : fields_) {
            field.SetReadOnly(true);
        }
        note_.Show(false);
    }

    void DoFieldExchange(CFieldExchange& exchange) override {
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            exchange.Number(fields_[i], results_.values[i]);
        }
    }

private:
    Record results_{};
    std::array<CNumberField, kFieldCount> fields_;
    CResultExport export_;
    CLabel note_;
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
                     const Rows& rows)
        : CResultsForm<Record>(windowSystem, std::move(title), std::move(outputCaption)) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            labels_[i].SetText(rows[i].label);
            units_[i].SetText(rows[i].unit);
        }
    }

private:
    std::array<CLabel, Record::kFieldCount> labels_;
    std::array<CLabel, Record::kFieldCount> units_;
};

#pragma once

#include <functional>

#include "FormView.h"
#include "ResultsABDDialog.h"
#include "ResultsForm.h"

class QKeyEvent;

// What the result views share: the summary of the inputs at the top with the fabric's thickness
// under it, the buttons "Copy", "Export...", the output button and "Return" at the bottom, and
// Enter, which presses the focused button or else "Return" (CResultsForm::PressEnter).
class CResultsView : public CFormView {
protected:
    template <typename Record>
    explicit CResultsView(CResultsForm<Record>& form, QWidget* parent)
        : CFormView(form, parent),
          pressEnter_([&form](const CButton* focused) { form.PressEnter(focused); }) {}

    template <typename Record>
    QLayout* MakeHeading(const CResultsForm<Record>& form);
    template <typename Record>
    QLayout* MakeButtons(CResultsForm<Record>& form);

    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void(const CButton*)> pressEnter_;
};

// A result form shown as a table: headings " Property", "Unit  ", "Value  ", then one row per
// record entry with its label, unit and read-only value (right-aligned). Serves "MicroMechanical
// Model Results", "Random Model Results" and "3D Results".
template <typename Record>
class CResultTableView : public CResultsView {
public:
    CResultTableView(CResultTableForm<Record>& form, QWidget* parent);
};

// "ABD RESULTS" laid out as the relation it states, {NT; MT} = [A B; . D] {epsilon; kappa}: the
// thermal resultants on the left, "=", the upper triangles of A and B over an empty corner and D,
// then the thermal strains and curvatures; the coupling ratios below. Matrix entries and
// coupling ratios are right-aligned.
class CResultsABDView : public CResultsView {
public:
    CResultsABDView(CResultsABDDialog& form, QWidget* parent);

private:
    QWidget* MakeMatrixGroup(const CLabel& caption, std::size_t firstField);
    QWidget* MakeVectorGroup(const CLabel& caption, std::size_t firstField);
    QWidget* MakeVectorGroup(const CLabel& symbol, const CLabel& unit, std::size_t firstField);
    QWidget* MakeCouplingGroup();
    QLineEdit* MakeValueField(std::size_t field);

    CResultsABDDialog& form_;
};

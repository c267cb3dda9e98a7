#pragma once

#include "FormView.h"
#include "ResultsABDDialog.h"
#include "ResultsForm.h"

// A result form shown as a table: headings " Property", "Unit  ", "Value  ", then one row per
// record entry with its label, unit and read-only value (right-aligned), and the output button
// and "Return". Serves "MicroMechanical Model Results", "Random Model Results" and "3D Results".
template <typename Record>
class CResultTableView : public CFormView {
public:
    CResultTableView(CResultTableForm<Record>& form, QWidget* parent);
};

// "ABD RESULTS" laid out as the relation it states, {NT; MT} = [A B; . D] {epsilon; kappa}: the
// thermal resultants on the left, "=", the upper triangles of A and B over an empty corner and D,
// then the thermal strains and curvatures; the coupling ratios below. Matrix entries and
// coupling ratios are right-aligned.
class CResultsABDView : public CFormView {
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

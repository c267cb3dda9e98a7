// The chart window of a Corvel built without Qt Charts: it says what was missing and closes.
#include <QLabel>
#include <QVBoxLayout>

#include "ChartForm.h"
#include "ChartViews.h"
#include "FormView.h"

namespace {

class CChartMissingView : public CFormView {
public:
    CChartMissingView(CChartForm& form, QWidget* parent) : CFormView(form, parent) {
        auto* layout = new QVBoxLayout(this);
        auto* text = new QLabel("The charts need " CORVEL_CHARTS_MISSING
                                ", which was missing when Corvel was built.",
                                this);
        text->setObjectName("missing");
        text->setWordWrap(true);
        layout->addWidget(text);
        layout->addLayout(
            MakeButtonRow({MakeButton(form.closeButton, [&form] { form.PressClose(); })}));
    }
};

}  // namespace

std::unique_ptr<CFormView> MakeChartView(CChartForm& form, QWidget* parent) {
    return std::make_unique<CChartMissingView>(form, parent);
}

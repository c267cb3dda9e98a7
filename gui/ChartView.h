#pragma once

#include <memory>

#include "ChartForm.h"
#include "FormView.h"

class CChartCanvas;
class CFiniteElementWorker;

// "Property Chart": the property list and the range (from, to, step in percent) with "Draw" on
// top, the chart below them with the read-out of the value under the pointer and the progress of
// the finite-element points, then "Export..." and "Close". The chart is drawn again whenever the
// form's chart changes; the finite-element points the form asks for are computed by a worker
// thread and handed back to the form one by one. The form's PNG and SVG exports are pictures of
// this view's chart.
class CChartView : public CFormView {
public:
    CChartView(CChartForm& form, QWidget* parent);
    ~CChartView() override;

    CChartCanvas* Canvas() const { return canvas_; }

private:
    // Hands the form's finite-element work, if any, to the worker.
    void HandOverWork();

    CChartForm& form_;
    CChartCanvas* canvas_;
    std::unique_ptr<CFiniteElementWorker> worker_;
};

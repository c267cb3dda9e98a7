#pragma once

#include <memory>

class CChartForm;
class CFormView;
class QWidget;

// The view of the "Property Chart" form: the chart window when Qt Charts was there at build
// time, otherwise a window that says what was missing.
std::unique_ptr<CFormView> MakeChartView(CChartForm& form, QWidget* parent);

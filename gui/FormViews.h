#pragma once

#include <memory>

class CForm;
class CFormView;
class QWidget;

// The Qt view of a form, chosen by the form's class: the main form, the four result forms, the
// configuration, display-options and About forms, the resin and fibre creation forms, the
// materials window and the property chart.
std::unique_ptr<CFormView> MakeFormView(CForm& form, QWidget* parent);

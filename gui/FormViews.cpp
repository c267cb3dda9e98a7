#include "FormViews.h"

#include "ChartForm.h"
#include "ChartViews.h"
#include "CreationViews.h"
#include "MainDialogView.h"
#include "MaterialsView.h"
#include "ResultViews.h"
#include "Results3DDialog.h"
#include "ResultsRandomDialog.h"
#include "ResultsUDDialog.h"
#include "SettingsViews.h"

namespace {

// Tries the <form class, view class> pairs in turn and builds the view of the first form class
// that the form is an instance of.
template <typename Form, typename View, typename... Rest>
std::unique_ptr<CFormView> ViewOf(CForm& form, QWidget* parent) {
    if (auto* typed = dynamic_cast<Form*>(&form)) {
        return std::make_unique<View>(*typed, parent);
    }
    if constexpr (sizeof...(Rest) > 0) {
        return ViewOf<Rest...>(form, parent);
    }
    return nullptr;
}

}  // namespace

// A form without a view of its own still runs, as an empty window that Escape closes.
std::unique_ptr<CFormView> MakeFormView(CForm& form, QWidget* parent) {
    if (auto* chart = dynamic_cast<CChartForm*>(&form)) {
        return MakeChartView(*chart, parent);
    }
    std::unique_ptr<CFormView> view =
        ViewOf<CMainDialog, CMainDialogView,                              //
               CResultsUDDialog, CResultTableView<UDResults>,             //
               CResultsRandomDialog, CResultTableView<RandomMatResults>,  //
               CResults3DDialog, CResultTableView<Fabric3DResults>,       //
               CResultsABDDialog, CResultsABDView,                        //
               CConfigurationDialog, CConfigurationView,                  //
               CDisplayOptionsDialog, CDisplayOptionsView,                //
               CAboutDialog, CAboutView,                                  //
               CResinDialog, CResinView,                                  //
               CFibreDialog, CFibreView,                                  //
               CMaterialsDialog, CMaterialsView>(form, parent);
    return view ? std::move(view) : std::make_unique<CFormView>(form, parent);
}

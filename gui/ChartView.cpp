#include "ChartView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChartCanvas.h"
#include "ChartViews.h"
#include "ChartWorker.h"

namespace {

// Wide enough for a range bound such as "78.5398163397448".
constexpr int kRangeFieldWidth = 90;

// Draws the form's chart when it has changed since it was last drawn, and passes the form's
// finite-element work on after every command.
class CChartMirror : public CControlMirror {
public:
    CChartMirror(const CChartForm& form, CChartCanvas* canvas, std::function<void()> refreshed)
        : form_(form), canvas_(canvas), refreshed_(std::move(refreshed)) {}

    void Refresh() override {
        if (!drawn_ || drawnRevision_ != form_.ChartRevision()) {
            canvas_->Show(form_.Chart());
            drawnRevision_ = form_.ChartRevision();
            drawn_ = true;
        }
        refreshed_();
    }
    const CControl& Control() const override { return form_.StatusLabel(); }
    QWidget* Widget() const override { return canvas_; }

private:
    const CChartForm& form_;
    CChartCanvas* canvas_;
    std::function<void()> refreshed_;
    unsigned drawnRevision_ = 0;
    bool drawn_ = false;
};

}  // namespace

CChartView::CChartView(CChartForm& form, QWidget* parent)
    : CFormView(form, parent), form_(form), canvas_(new CChartCanvas(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(MakeLabel(form.propertyLabel));
    controls->addWidget(MakeList(
        form.PropertyList(), [&form] { form.ChooseProperty(); }, "propertyList"));
    controls->addSpacing(16);
    controls->addWidget(MakeLabel(form.rangeLabel));
    const std::pair<CNumberField*, const char*> fields[] = {{&form.FromField(), "fromField"},
                                                            {&form.ToField(), "toField"},
                                                            {&form.StepField(), "stepField"}};
    const CLabel* before[] = {nullptr, &form.toLabel, &form.stepLabel};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (before[i] != nullptr) {
            controls->addWidget(MakeLabel(*before[i]));
        }
        QLineEdit* field = MakeNumberField(*fields[i].first, fields[i].second);
        field->setMinimumWidth(kRangeFieldWidth);
        field->setMaximumWidth(kRangeFieldWidth + 40);
        controls->addWidget(field);
    }
    controls->addWidget(MakeLabel(form.rangeUnit));
    controls->addWidget(MakeButton(form.drawButton, [&form] { form.Draw(); }));
    controls->addStretch(1);
    layout->addLayout(controls);

    canvas_->setObjectName("chart");
    canvas_->setMinimumSize(720, 460);
    layout->addWidget(canvas_, 1);
    Bind<CChartMirror>(form, canvas_, [this] { HandOverWork(); });
    // The pointer and the worker's results only refresh the view: run as commands, they would
    // move the focus to a field that did not parse, under the user's typing.
    canvas_->OnPointer(
        [this](double percent, double value, double percentPerPixel, double valuePerPixel) {
            form_.PointAt(percent, value, percentPerPixel, valuePerPixel);
            Refresh();
        },
        [this] {
            form_.LeaveChart();
            Refresh();
        });

    auto* notes = new QHBoxLayout;
    QLabel* readout = MakeLabel(form.ReadoutLabel());
    readout->setObjectName("readout");
    notes->addWidget(readout, 1);
    QLabel* status = MakeLabel(form.StatusLabel());
    status->setObjectName("status");
    notes->addWidget(status);
    layout->addLayout(notes);
    layout->addLayout(
        MakeButtonRow({MakeButton(form.exportButton, [&form] { form.Export(); }),
                       MakeButton(form.closeButton, [&form] { form.PressClose(); })}));

    form.SetPictureMaker([this](ChartFileFormat format) { return canvas_->Picture(format); },
                         CChartCanvas::CanDrawSvg());
    worker_ = std::make_unique<CFiniteElementWorker>(
        this, [this](unsigned caseNumber, double percent, std::vector<float> record) {
            form_.AcceptFiniteElementRecord(caseNumber, percent, std::move(record));
            Refresh();
        });
    resize(980, 700);
}

// The worker is stopped before the form loses its pictures: a point being computed finishes
// first.
CChartView::~CChartView() {
    worker_.reset();
    form_.SetPictureMaker(nullptr, false);
}

void CChartView::HandOverWork() {
    const CChartForm::FiniteElementWork work = form_.PendingFiniteElementWork();
    if (!work.percents.empty()) {
        worker_->HandOver(form_.Case(), work);
    }
}

std::unique_ptr<CFormView> MakeChartView(CChartForm& form, QWidget* parent) {
    return std::make_unique<CChartView>(form, parent);
}

#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ChartBuilder.h"
#include "ChartCase.h"
#include "ChartFiles.h"
#include "ChartModel.h"
#include "Control.h"
#include "DropDownList.h"
#include "Form.h"
#include "FractionRange.h"
#include "NumberField.h"

// A chart's range: at most this many fractions, more than a chart's width in pixels shows apart.
inline constexpr double kMaxChartPoints = 1000;

// Why a range cannot be charted, or "" when it can: from and to inside (0,100) %, from below to,
// a positive step, at most kMaxChartPoints fractions.
std::string ChartRangeProblem(const FractionRange& range);

// The "Property Chart" window of the main form: one displayed property of the main form's case
// against the fibre volume fraction, every model of the case as its own series (ChartBuilder.h),
// with the main form's volume fraction as a vertical line and, for a ply or mat, the packing
// limits of round fibres as marked regions.
//
// The user picks the property in a list (every property of the case's result form, with its
// unit), types the range (from, to and step in percent; 5 to 75 in 1 % steps at first) and draws
// it again with "Draw", the default button; the value under the pointer is read out
// (PointAt); "Export..." writes the chart as a PNG image, an SVG drawing or its CSV table. The
// form keeps the range between openings, and the property while the case's properties stay the
// same.
//
// A fabric by finite elements gets its finite-element points from outside the form's thread:
// PendingFiniteElementWork() says which fractions are still to be computed, and for which case,
// and AcceptFiniteElementRecord takes each record back on the form's thread; a record for an
// earlier case is dropped. Records are kept per fraction for the case, so drawing another
// property or range computes only fractions not computed yet.
//
// The pictures (PNG, SVG) come from the view that draws the chart, through SetPictureMaker; the
// form writes every file itself, whole or not at all.
class CChartForm : public CForm {
public:
    // The encoded picture of the chart as the view draws it (the bytes of a PNG or SVG file), or
    // "" when it cannot be made.
    using PictureMaker = std::function<std::string(ChartFileFormat)>;

    // Fractions still to be computed by finite elements, for the case numbered `caseNumber`.
    struct FiniteElementWork {
        unsigned caseNumber = 0;
        std::vector<double> percents;
    };

    explicit CChartForm(IWindowSystem& windowSystem);

    // The case of the next opening, from the main form; the chart is computed when the form
    // opens.
    void SetCase(ChartCase chartCase);
    const ChartCase& Case() const { return case_; }
    unsigned CaseNumber() const { return caseNumber_; }

    const ChartModel& Chart() const { return chart_; }
    // Changes whenever the chart does, so that a view can tell whether to draw it again.
    unsigned ChartRevision() const { return revision_; }

    // Commands, named after what the user does.
    void ChooseProperty();
    void Draw();
    void Export();
    void PressClose() { PressCancel(); }
    // The pointer over the chart at (percent, value), the axes' scales in units per pixel.
    void PointAt(double percent, double value, double percentPerPixel, double valuePerPixel);
    void LeaveChart();

    FiniteElementWork PendingFiniteElementWork() const;
    void AcceptFiniteElementRecord(unsigned caseNumber, double percent, std::vector<float> record);

    // `svg`: whether the maker can draw SVG (the view's toolkit may lack it).
    void SetPictureMaker(PictureMaker maker, bool svg);
    // The formats "Export..." offers, in the dialog's order.
    std::vector<ChartFileFormat> ExportFormats() const;

    CDropDownList<std::size_t>& PropertyList() { return propertyList_; }
    CNumberField& FromField() { return fromField_; }
    CNumberField& ToField() { return toField_; }
    CNumberField& StepField() { return stepField_; }
    // The progress of the finite-element points; hidden when there are none.
    const CLabel& StatusLabel() const { return status_; }
    // The value under the pointer; "" when the pointer is not over the chart.
    const CLabel& ReadoutLabel() const { return readout_; }

    const CLabel propertyLabel{"Property"};
    const CLabel rangeLabel{"Volume fraction from"};
    const CLabel toLabel{"to"};
    const CLabel stepLabel{"step"};
    const CLabel rangeUnit{"[%]"};
    const CButton drawButton{"Draw", true};
    const CButton exportButton{"Export..."};
    const CButton closeButton{"Close"};

protected:
    void OnInitDialog() override;
    // Enter draws; only "Close", the close box and Escape end the form.
    void OnOK() override { Draw(); }
    void DoFieldExchange(CFieldExchange& exchange) override;

private:
    void FillPropertyList();
    // The runs of every model over the range, with the finite-element records already known.
    void Compute();
    // The chart of the selected property from the runs.
    void Redraw();
    void ShowProgress();
    void WriteExport(const std::string& path, ChartFileFormat format);
    const CNumberField& RangeProblemField(const FractionRange& range) const;

    ChartCase case_;
    unsigned caseNumber_ = 0;
    FractionRange range_{5.0, 75.0, 1.0};
    double from_ = 5.0;
    double to_ = 75.0;
    double step_ = 1.0;
    ChartRuns runs_;
    std::map<double, std::vector<float>> finiteElementRecords_;
    ChartModel chart_;
    unsigned revision_ = 0;
    PictureMaker pictureMaker_;
    bool svg_ = false;

    CDropDownList<std::size_t> propertyList_;
    CNumberField fromField_;
    CNumberField toField_;
    CNumberField stepField_;
    CLabel status_;
    CLabel readout_;
};

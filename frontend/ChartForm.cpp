#include "ChartForm.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "ChartText.h"
#include "NumberFormat.h"
#include "WholeFile.h"

namespace {

constexpr const char* kExportCaption = "Export chart";

Message Warning(const std::string& text) {
    return Message{text, kExportCaption, MessageIcon::Exclamation};
}

}  // namespace

std::string ChartRangeProblem(const FractionRange& range) {
    if (!(range.start > 0.0) || !(range.stop < 100.0) || !(range.start < range.stop) ||
        !range.Valid()) {
        return "Invalid range: from and to within (0,100) %, from below to, and a positive step";
    }
    if (range.PointCount() > kMaxChartPoints) {
        return "Too many points: the range gives more than " +
               FormatGeneral(kMaxChartPoints, kFieldDigits) + " volume fractions";
    }
    return std::string();
}

CChartForm::CChartForm(IWindowSystem& windowSystem) : CForm(windowSystem, "Property Chart") {}

void CChartForm::SetCase(ChartCase chartCase) {
    const bool sameProperties = caseNumber_ > 0 && &case_.Properties() == &chartCase.Properties();
    case_ = std::move(chartCase);
    ++caseNumber_;
    finiteElementRecords_.clear();
    runs_ = ChartRuns{};
    if (!sameProperties) {
        FillPropertyList();
    }
}

void CChartForm::FillPropertyList() {
    propertyList_.Clear();
    const std::vector<ShownProperty>& properties = case_.Properties();
    for (std::size_t i = 0; i < properties.size(); ++i) {
        propertyList_.AddEntry(NameWithUnit(properties[i]), i);
    }
    propertyList_.Select(0);
}

void CChartForm::OnInitDialog() {
    from_ = range_.start;
    to_ = range_.stop;
    step_ = range_.step;
    UpdateData(false);
    readout_.SetText(std::string());
    Compute();
    Redraw();
}

void CChartForm::DoFieldExchange(CFieldExchange& exchange) {
    exchange.Number(fromField_, from_);
    exchange.Number(toField_, to_);
    exchange.Number(stepField_, step_);
}

void CChartForm::Compute() {
    runs_ = ComputeChartRuns(case_, range_.Points());
    for (std::size_t point : runs_.finiteElementPoints) {
        const auto known = finiteElementRecords_.find(runs_.percents[point]);
        if (known != finiteElementRecords_.end()) {
            SetFiniteElementRecord(runs_, point, known->second);
        }
    }
}

void CChartForm::Redraw() {
    const std::size_t* property = propertyList_.SelectedReference();
    chart_ = ChartOf(case_, runs_, property != nullptr ? *property : 0);
    ++revision_;
    ShowProgress();
}

void CChartForm::ShowProgress() {
    const std::size_t count = runs_.finiteElementPoints.size();
    status_.Show(count > 0);
    if (count == 0) {
        status_.SetText(std::string());
        return;
    }
    std::size_t done = 0;
    std::size_t failed = 0;
    for (std::size_t point : runs_.finiteElementPoints) {
        const auto known = finiteElementRecords_.find(runs_.percents[point]);
        if (known != finiteElementRecords_.end()) {
            ++done;
            failed += known->second.empty() ? 1 : 0;
        }
    }
    std::string text = "Finite elements: " + std::to_string(done) + " of " + std::to_string(count) +
                       " volume fractions computed";
    if (done < count) {
        text += "...";
    }
    if (failed > 0) {
        text += ", " + std::to_string(failed) + " without a finite result";
    }
    status_.SetText(text);
}

void CChartForm::ChooseProperty() {
    readout_.SetText(std::string());
    Redraw();
}

void CChartForm::Draw() {
    if (!UpdateData(true)) {
        return;
    }
    const FractionRange typed{from_, to_, step_};
    const std::string problem = ChartRangeProblem(typed);
    if (!problem.empty()) {
        ShowMessage(Message{problem});
        RefuseControl(RangeProblemField(typed));
        return;
    }
    range_ = typed;
    readout_.SetText(std::string());
    Compute();
    Redraw();
}

// The first of from, to and step that ChartRangeProblem refuses: a bound outside (0,100) % is
// its own field's fault, a from not below to the from field's, and a step that is not positive
// or gives too many points the step field's.
const CNumberField& CChartForm::RangeProblemField(const FractionRange& range) const {
    const auto inside = [](double percent) { return percent > 0.0 && percent < 100.0; };
    if (!inside(range.start)) {
        return fromField_;
    }
    if (!inside(range.stop)) {
        return toField_;
    }
    if (!(range.start < range.stop)) {
        return fromField_;
    }
    return stepField_;
}

void CChartForm::PointAt(double percent, double value, double percentPerPixel,
                         double valuePerPixel) {
    readout_.SetText(ChartReadout(chart_, percent, value, percentPerPixel, valuePerPixel));
}

void CChartForm::LeaveChart() {
    readout_.SetText(std::string());
}

CChartForm::FiniteElementWork CChartForm::PendingFiniteElementWork() const {
    FiniteElementWork work{caseNumber_, {}};
    for (std::size_t point : runs_.finiteElementPoints) {
        const double percent = runs_.percents[point];
        if (finiteElementRecords_.count(percent) == 0) {
            work.percents.push_back(percent);
        }
    }
    return work;
}

void CChartForm::AcceptFiniteElementRecord(unsigned caseNumber, double percent,
                                           std::vector<float> record) {
    if (caseNumber != caseNumber_) {
        return;
    }
    finiteElementRecords_[percent] = record;
    const auto at = std::lower_bound(runs_.percents.begin(), runs_.percents.end(), percent);
    if (at != runs_.percents.end() && *at == percent &&
        SetFiniteElementRecord(runs_, static_cast<std::size_t>(at - runs_.percents.begin()),
                               std::move(record))) {
        Redraw();
    }
}

void CChartForm::SetPictureMaker(PictureMaker maker, bool svg) {
    pictureMaker_ = std::move(maker);
    svg_ = svg && pictureMaker_;
}

std::vector<ChartFileFormat> CChartForm::ExportFormats() const {
    std::vector<ChartFileFormat> formats;
    if (pictureMaker_) {
        formats.push_back(ChartFileFormat::Png);
    }
    if (svg_) {
        formats.push_back(ChartFileFormat::Svg);
    }
    formats.push_back(ChartFileFormat::Csv);
    return formats;
}

// The file type chosen in the dialog decides the format; a name typed without an extension
// gets the format's.
void CChartForm::Export() {
    const std::vector<ChartFileFormat> formats = ExportFormats();
    SaveFileQuestion question{kExportCaption, {}, ChartFileName(chart_, formats.front())};
    for (ChartFileFormat format : formats) {
        question.filters.push_back(ChartFileFilter(format));
    }
    const SaveFileAnswer answer = WindowSystem().AskSaveFile(question);
    if (answer.path.empty()) {
        return;
    }
    const bool known = answer.filter >= 0 && answer.filter < static_cast<int>(formats.size());
    const ChartFileFormat format = formats[known ? answer.filter : 0];
    std::filesystem::path path = answer.path;
    if (!path.has_extension()) {
        path += ChartFileExtension(format);
    }
    WriteExport(path.string(), format);
}

void CChartForm::WriteExport(const std::string& path, ChartFileFormat format) {
    const std::string contents =
        format == ChartFileFormat::Csv ? ChartCsv(chart_) : pictureMaker_(format);
    const std::string problem =
        contents.empty() ? "the picture could not be drawn" : WriteWholeFile(path, contents);
    if (!problem.empty()) {
        ShowMessage(Warning("The chart could not be written to '" + path + "': " + problem));
        return;
    }
    ShowMessage(Message{"Chart written to file: '" + path + "'", kProgramCaption,
                        MessageIcon::Information});
}

#include "Delivery.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "CliExport.h"
#include "CliFailure.h"
#include "OrderedRows.h"
#include "OutputFormats.h"
#include "Progress.h"
#include "ReportFile.h"

namespace {

[[noreturn]] void ReportFailed(ReportKind kind, const std::string& reason) {
    Reject(ReportFailedMessage(kind, reason).text);
}

// The report file of the kind, opened for the run when reports are asked for.
void OpenReport(CReportFile& report, const OutputOptions& options, ReportKind kind) {
    if (!options.report) {
        return;
    }
    if (auto failure = report.Open(ReportFileName(kind))) {
        ReportFailed(kind, *failure);
    }
}

// One record; a failure takes back every record of the run.
void AppendRecord(CReportFile& report, ReportKind kind, const std::string& record) {
    if (!report.IsOpen()) {
        return;
    }
    if (auto failure = report.Append(record)) {
        report.Abandon();
        ReportFailed(kind, *failure);
    }
}

// Runs `write`, which prints the run's output; when it or the closing of the report fails, the
// run's report records are taken back.
template <typename Write>
void FinishRun(CReportFile& report, ReportKind kind, Write write) {
    try {
        write();
    } catch (...) {
        report.Abandon();
        throw;
    }
    if (auto failure = report.Close()) {
        ReportFailed(kind, *failure);
    }
}

std::string Confirmation(const CReportFile& report, ReportKind kind) {
    return report.IsOpen() ? ReportWrittenMessage(kind).text : std::string();
}

// The rows' computation; in a sweep a refusal names the row it stopped at.
std::function<Calculation(std::size_t)> DescribedFailures(const RowPlan& plan) {
    if (!plan.isSweep) {
        return plan.compute;
    }
    return [&plan](std::size_t row) {
        try {
            return plan.compute(row);
        } catch (const CliFailure& failure) {
            throw CliFailure{failure.status, failure.message + " (" + plan.describe(row) + ")"};
        }
    };
}

// Material cards for a solver: every row is computed, the cards are made (and a material a solver
// would refuse stops the command before any file is touched), the reports appended, then the
// cards printed or written. The rows are held in memory, as the cards name them all together.
int DeliverExport(const RowPlan& plan, const OutputOptions& options, const CliStreams& streams) {
    std::vector<Calculation> calculations;
    calculations.reserve(plan.count);
    ComputeInOrder(plan.count, options.jobs, DescribedFailures(plan),
                   [&](Calculation& row) { calculations.push_back(std::move(row)); });
    const std::optional<CliExport> exported = PrepareExport(calculations, plan.isSweep, options);
    CReportFile report;
    OpenReport(report, options, plan.kind);
    for (const Calculation& calculation : calculations) {
        AppendRecord(report, plan.kind, calculation.report);
    }
    FinishRun(report, plan.kind, [&] {
        FinishExport(*exported, Confirmation(report, plan.kind), streams.out, streams.err);
        CheckOutput(streams.out);
    });
    return 0;
}

// One calculation: computed and checked before anything is written.
int DeliverOne(const RowPlan& plan, const OutputOptions& options, const CliStreams& streams) {
    const Calculation calculation = plan.compute(0);
    CReportFile report;
    OpenReport(report, options, plan.kind);
    AppendRecord(report, plan.kind, calculation.report);
    FinishRun(report, plan.kind, [&] {
        WriteCalculation(streams.out, streams.err, options.format, calculation,
                         Confirmation(report, plan.kind));
        CheckOutput(streams.out);
    });
    return 0;
}

int DeliverSweep(const RowPlan& plan, const OutputOptions& options, const CliStreams& streams) {
    CReportFile report;
    OpenReport(report, options, plan.kind);
    const std::unique_ptr<CSweepPrinter> printer =
        MakeSweepPrinter(options.format, streams.out, streams.err, plan.keyWidths);
    FinishRun(report, plan.kind, [&] {
        CProgress progress(streams.err, streams.errIsTerminal, plan.count);
        std::size_t done = 0;
        ComputeInOrder(plan.count, options.jobs, DescribedFailures(plan), [&](Calculation& row) {
            AppendRecord(report, plan.kind, row.report);
            printer->Row(row);
            // The stream's buffer goes out in blocks; a failed block marks the stream.
            if (!streams.out) {
                CheckOutput(streams.out);
            }
            progress.Advance(++done);
        });
        printer->End(Confirmation(report, plan.kind));
        CheckOutput(streams.out);
    });
    return 0;
}

}  // namespace

void CheckOutput(std::ostream& out) {
    if (out.flush() && out) {
        return;
    }
    const int error = errno;
    Reject(std::string("the output could not be written: ") +
           (error != 0 ? std::strerror(error) : "write error"));
}

int Deliver(const RowPlan& plan, const OutputOptions& options, const CliStreams& streams) {
    const bool table = options.exportFormat.empty() && options.format == OutputFormat::Table;
    const int status = !options.exportFormat.empty() ? DeliverExport(plan, options, streams)
                       : plan.isSweep                ? DeliverSweep(plan, options, streams)
                                                     : DeliverOne(plan, options, streams);
    if (!plan.note.empty()) {
        (table ? streams.out : streams.err) << plan.note << '\n';
    }
    return status;
}

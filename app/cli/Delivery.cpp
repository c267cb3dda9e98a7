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

std::string ReportPath(ReportKind kind) {
    return ReportFileName(kind);
}

[[noreturn]] void ReportFailed(ReportKind kind, const std::string& reason) {
    Reject(ReportFailedMessage(kind, reason).text);
}

// Material cards for a solver: every row is computed, the cards are made (and a material a solver
// would refuse stops the command before any file is touched), the reports appended, then the
// cards printed or written. The rows are held in memory, as the cards name them all together.
// The rows' computation, a refusal naming the row it stopped at.
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

int DeliverExport(const RowPlan& plan, const OutputOptions& options, const CliStreams& streams) {
    std::vector<Calculation> calculations;
    calculations.reserve(plan.count);
    ComputeInOrder(plan.count, options.jobs, DescribedFailures(plan),
                   [&](Calculation& row) { calculations.push_back(std::move(row)); });
    const std::optional<CliExport> exported = PrepareExport(calculations, plan.isSweep, options);
    CReportFile report;
    std::string confirmation;
    if (options.report) {
        if (auto failure = report.Open(ReportPath(plan.kind))) {
            ReportFailed(plan.kind, *failure);
        }
        for (const Calculation& calculation : calculations) {
            if (auto failure = report.Append(calculation.report)) {
                report.Abandon();
                ReportFailed(plan.kind, *failure);
            }
        }
        confirmation = ReportWrittenMessage(plan.kind).text;
    }
    try {
        FinishExport(*exported, confirmation, streams.out, streams.err);
        CheckOutput(streams.out);
    } catch (...) {
        report.Abandon();
        throw;
    }
    if (auto failure = report.Close()) {
        ReportFailed(plan.kind, *failure);
    }
    return 0;
}

int DeliverOne(const RowPlan& plan, const OutputOptions& options, const CliStreams& streams) {
    const Calculation calculation = plan.compute(0);
    CReportFile report;
    std::string confirmation;
    if (options.report) {
        if (auto failure = report.Open(ReportPath(plan.kind))) {
            ReportFailed(plan.kind, *failure);
        }
        if (auto failure = report.Append(calculation.report)) {
            report.Abandon();
            ReportFailed(plan.kind, *failure);
        }
        confirmation = ReportWrittenMessage(plan.kind).text;
    }
    try {
        WriteCalculation(streams.out, streams.err, options.format, calculation, confirmation);
        CheckOutput(streams.out);
    } catch (...) {
        report.Abandon();
        throw;
    }
    if (auto failure = report.Close()) {
        ReportFailed(plan.kind, *failure);
    }
    return 0;
}

int DeliverSweep(const RowPlan& plan, const OutputOptions& options, const CliStreams& streams) {
    CReportFile report;
    if (options.report) {
        if (auto failure = report.Open(ReportPath(plan.kind))) {
            ReportFailed(plan.kind, *failure);
        }
    }
    const std::unique_ptr<CSweepPrinter> printer =
        MakeSweepPrinter(options.format, streams.out, streams.err, plan.keyWidths);
    try {
        CProgress progress(streams.err, streams.errIsTerminal, plan.count);
        std::size_t done = 0;
        ComputeInOrder(plan.count, options.jobs, DescribedFailures(plan), [&](Calculation& row) {
            if (report.IsOpen()) {
                if (auto failure = report.Append(row.report)) {
                    ReportFailed(plan.kind, *failure);
                }
            }
            printer->Row(row);
            // The stream's buffer goes out in blocks; a failed block marks the stream.
            if (!streams.out) {
                CheckOutput(streams.out);
            }
            progress.Advance(++done);
        });
        printer->End(report.IsOpen() ? ReportWrittenMessage(plan.kind).text : std::string());
        CheckOutput(streams.out);
    } catch (...) {
        report.Abandon();
        throw;
    }
    if (auto failure = report.Close()) {
        ReportFailed(plan.kind, *failure);
    }
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

#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ChartCase.h"
#include "ChartFiles.h"
#include "ChartModel.h"
#include "CliArguments.h"
#include "MaterialLists.h"

// `corvel-cli plot`: the chart of one property over a range of fibre volume fractions, every
// model of the case a series, computed as the sweeps of `ud`, `mat` and `fabric` compute their
// rows (ChartBuilder.h), so each point is the value the sweep prints at that fraction.

// A plot command read and checked: the chart's case, property and fractions and the file it goes
// to.
struct PlotRequest {
    std::unique_ptr<CMaterialLists> lists;  // owns the records the case points into
    ChartCase chartCase;
    std::size_t property = 0;
    std::vector<double> percents;  // ascending, each once
    std::string outputPath;
    ChartFileFormat format = ChartFileFormat::Png;
};

// Reads a plot command as the calculating commands read theirs (the same names, numbers, checks
// and messages). Bad usage: an --output that is not .svg, .png or .csv, fewer than two or more
// than kMaxChartPoints fractions, a model list swept with "all" (the chart draws them all
// itself). Rejected: unknown names and properties, fractions outside (0,100) %, fabric data the
// calculator refuses. `err` takes the warning of an unreadable user file.
PlotRequest ReadPlotRequest(const PlotCommand& command, std::ostream& err);

// The picture of a chart: the bytes of a PNG or SVG file, or "" when it cannot be drawn. The
// caller's toolkit draws it (corvel-plot's Qt Charts).
using ChartPainter = std::function<std::string(const ChartModel&, ChartFileFormat)>;

// corvel-plot as a function: parses the command line, which must be a `plot` command, computes the
// chart (its finite-element points too) and writes it whole to its file, the CSV table itself and
// pictures through `paint`; `svg` says whether the painter draws SVG. Messages go to `err`; exit
// status as corvel-cli's.
int RunPlot(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
            const ChartPainter& paint, bool svg);

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ChartCase.h"
#include "ChartModel.h"

// The series of a property chart, computed as the result forms and `corvel-cli` sweeps compute
// their values: the same library calls, the same scaling to display units and rounding to single
// precision (ResultRecords.h), so a chart's point is the value a sweep prints at that fraction.
//
// The records of every model are computed once per case and range (ChartRuns); a chart of any
// property then picks its values from them without calculating again.

// One model over the chart's fractions.
struct ModelRun {
    // Which properties a run draws: a ply's elastic models its elastic constants, its thermal
    // models its expansion coefficients; a fabric's runs every property.
    enum class Draws { Elastic, Thermal, Every };

    std::string name;
    SeriesStyle style = SeriesStyle::Line;
    Draws draws = Draws::Every;
    // The displayed record at each fraction (values in record order, ResultRecords.h); empty where
    // the results are not all finite or, for the finite-element run, not computed yet.
    std::vector<std::vector<float>> records;
};

struct ChartRuns {
    std::vector<double> percents;  // ascending, each once
    std::vector<ModelRun> runs;
    // The fabric's finite-element run: its index in `runs` and the fractions (indices into
    // `percents`) at which it is computed. None unless the fabric's method is finite elements.
    std::optional<std::size_t> finiteElementRun;
    std::vector<std::size_t> finiteElementPoints;
};

// At most this many finite-element points: each is one solution of the unit cell's plate model,
// seconds where an average takes a millisecond.
inline constexpr std::size_t kFiniteElementPointCount = 5;

// The runs of every model of the case over the fractions (sorted, repeats dropped): the six
// elastic and seven thermal models of a ply or mat; the iso-stress and iso-strain averages of a
// fabric (3D constants or laminate as the request asks) and, by finite elements, an empty
// finite-element run to be filled by FiniteElementRecord and SetFiniteElementRecord.
ChartRuns ComputeChartRuns(const ChartCase& chartCase, std::vector<double> percents);

// ComputeChartRuns with the finite-element points computed as well, one after the other on this
// thread: for a chart drawn in one go.
ChartRuns ComputeCompleteChartRuns(const ChartCase& chartCase, std::vector<double> percents);

// Where the finite-element points go: kFiniteElementPointCount fractions of the range (fewer when
// it has fewer), spread evenly from its first to its last, each a fraction of the range itself.
std::vector<std::size_t> FiniteElementPoints(const std::vector<double>& percents);

// The laminate record of the fabric by finite elements at one fraction [%]; empty when the
// library refuses the inputs or the results are not all finite. Reads only the case, so any
// thread may call it while the case lives.
std::vector<float> FiniteElementRecord(const ChartCase& chartCase, double percent);

// Takes a finite-element record computed for percents[point]. False, with the runs unchanged,
// when the runs have no finite-element run or the point is not one of its fractions.
bool SetFiniteElementRecord(ChartRuns& runs, std::size_t point, std::vector<float> record);

// The chart of one property (an index into chartCase.Properties()): the series of the runs that
// draw it, the band between a fabric's two bounds, a ply's packing limits, the current fraction
// and the axes fitted to it all.
ChartModel ChartOf(const ChartCase& chartCase, const ChartRuns& runs, std::size_t property);

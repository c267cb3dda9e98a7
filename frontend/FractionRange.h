#pragma once

#include <vector>

// An inclusive range of fibre volume fractions [%], start:stop:step, as a sweep of the
// command-line tool and the range of a chart are typed. The points are start + i * step, each
// rounded to the 15 significant digits a number field shows, so that 0.1:0.3:0.1 gives 0.1, 0.2
// and 0.3 and a chart's points are the sweep's to the last bit. The stop is included when a point
// lands on it within rounding.
struct FractionRange {
    double start = 0.0;
    double stop = 0.0;
    double step = 1.0;

    // Finite bounds, start not beyond stop and a positive finite step.
    bool Valid() const;
    // How many points the range holds; only for a valid range.
    double PointCount() const;
    std::vector<double> Points() const;
};

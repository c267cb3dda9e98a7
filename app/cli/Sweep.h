#pragma once

#include <string>
#include <vector>

#include "DisplayOrder.h"
#include "ModelEntry.h"

// The values a calculation runs over. A fibre volume fraction is typed as one number, as an
// inclusive range "start:stop:step" or as a comma list ("30,45.5,60"); a model as one name or
// code, or "all" for every entry of its list in display order. A request that names a range, a
// list or "all" is a sweep: its results come one row per combination, even when only one
// combination results.

struct VolumeFractions {
    std::vector<double> percents;
    bool isSweep = false;
};

// Each number is read as a typed field reads it (blanks around it, "inf" and "nan" allowed; the
// calculation refuses what is outside (0,100) %). Range points are start + i * step, rounded to
// the 15 significant digits a field shows, so 0.1:0.3:0.1 gives 0.1, 0.2 and 0.3. Malformed
// text, a step that is not positive, a start beyond the stop or more than kMaxSweepPoints points
// are bad usage.
VolumeFractions ParseVolumeFractions(const std::string& text);

inline constexpr std::size_t kMaxSweepPoints = 100000;

struct ModelChoice {
    std::vector<const ModelEntry*> models;
    bool isSweep = false;
};

// "all" (any case) or one model by name or code; `what` names the list in messages.
ModelChoice ChooseModels(const DisplayList<const ModelEntry*>& list, const std::string& what,
                         const std::string& typed);

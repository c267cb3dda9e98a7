#include "Sweep.h"

#include <cctype>
#include <cmath>

#include "CliFailure.h"
#include "FractionRange.h"
#include "MaterialLists.h"
#include "NumberFormat.h"

namespace {

double ReadNumber(const std::string& text, const std::string& whole) {
    double value = 0.0;
    if (!ParseNumber(text, value)) {
        BadUsage("--vf: \"" + text + "\" in \"" + whole + "\" is not a number");
    }
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end - begin));
        if (end == std::string::npos) {
            return parts;
        }
        begin = end + 1;
    }
}

std::vector<double> ExpandRange(const std::string& text) {
    const std::vector<std::string> parts = Split(text, ':');
    if (parts.size() != 3) {
        BadUsage("--vf: a range is start:stop:step, got \"" + text + "\"");
    }
    const FractionRange range{ReadNumber(parts[0], text), ReadNumber(parts[1], text),
                              ReadNumber(parts[2], text)};
    if (!std::isfinite(range.start) || !std::isfinite(range.stop) || !(range.step > 0.0) ||
        !std::isfinite(range.step)) {
        BadUsage("--vf: range \"" + text + "\" needs finite bounds and a positive step");
    }
    if (!range.Valid()) {
        BadUsage("--vf: range \"" + text + "\" starts beyond its stop");
    }
    if (range.PointCount() > static_cast<double>(kMaxSweepPoints)) {
        BadUsage("--vf: range \"" + text + "\" has more than " + std::to_string(kMaxSweepPoints) +
                 " points");
    }
    return range.Points();
}

bool EqualsIgnoringCase(const std::string& text, const std::string& word) {
    if (text.size() != word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

VolumeFractions ParseVolumeFractions(const std::string& text) {
    VolumeFractions result;
    if (text.find(':') != std::string::npos) {
        result.percents = ExpandRange(text);
        result.isSweep = true;
    } else if (text.find(',') != std::string::npos) {
        for (const std::string& part : Split(text, ',')) {
            result.percents.push_back(ReadNumber(part, text));
        }
        if (result.percents.size() > kMaxSweepPoints) {
            BadUsage("--vf: more than " + std::to_string(kMaxSweepPoints) + " values");
        }
        result.isSweep = true;
    } else {
        result.percents.push_back(ReadNumber(text, text));
    }
    return result;
}

ModelChoice ChooseModels(const DisplayList<const ModelEntry*>& list, const std::string& what,
                         const std::string& typed) {
    ModelChoice choice;
    if (EqualsIgnoringCase(typed, "all")) {
        for (const DisplayEntry<const ModelEntry*>& entry : list) {
            choice.models.push_back(entry.reference);
        }
        choice.isSweep = true;
    } else {
        choice.models.push_back(FindModel(list, what, typed));
    }
    return choice;
}

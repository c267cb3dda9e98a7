// corvel-cli's number and range parsing on any text: a number reads back from the text it is
// written as, a range or list never holds more than the documented number of points and never
// reads a value the text does not give, and malformed text is bad usage, never a crash or a hang.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CliFailure.h"
#include "NumberFormat.h"
#include "Sweep.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "parsing broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    double value = 0.0;
    if (ParseNumber(text, value) && std::isfinite(value)) {
        double again = 0.0;
        Check(ParseNumber(FormatGeneral(value, 17), again), "a number's text does not read");
        Check(again == value, "a number does not read back as itself");
    }
    try {
        const VolumeFractions fractions = ParseVolumeFractions(text);
        Check(!fractions.percents.empty(), "no volume fraction read");
        Check(fractions.percents.size() <= kMaxSweepPoints, "more points than allowed");
        Check(fractions.isSweep || fractions.percents.size() == 1, "one value read as a sweep");
    } catch (const CliFailure& failure) {
        Check(failure.status == kExitBadUsage, "malformed text not reported as bad usage");
        Check(!failure.message.empty(), "bad usage without a message");
    }
    return 0;
}

#include "Progress.h"

#include <string>

namespace {

constexpr std::chrono::seconds kQuiet{1};
constexpr std::chrono::milliseconds kEvery{200};

}  // namespace

CProgress::CProgress(std::ostream& err, bool isTerminal, std::size_t total)
    : err_(err), isTerminal_(isTerminal), total_(total), start_(Clock::now()) {}

CProgress::~CProgress() {
    if (shown_) {
        err_ << '\r' << std::string(64, ' ') << '\r' << std::flush;
    }
}

void CProgress::Advance(std::size_t done) {
    if (!isTerminal_) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (now - start_ < kQuiet || (shown_ && now - lastShown_ < kEvery)) {
        return;
    }
    err_ << "\rcorvel-cli: row " << done << " of " << total_ << std::flush;
    lastShown_ = now;
    shown_ = true;
}

#include "Progress.h"

#include <string>

CProgress::CProgress(std::ostream& err, bool isTerminal, std::size_t total, Clock::duration quiet,
                     Clock::duration every)
    : err_(err),
      isTerminal_(isTerminal),
      total_(total),
      quiet_(quiet),
      every_(every),
      start_(Clock::now()) {}

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
    if (now - start_ < quiet_ || (shown_ && now - lastShown_ < every_)) {
        return;
    }
    err_ << "\rcorvel-cli: row " << done << " of " << total_ << std::flush;
    lastShown_ = now;
    shown_ = true;
}

#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>

// How far a long sweep has come, on a terminal's error stream: after the first second, one line
// "corvel-cli: row N of M" rewritten in place a few times a second, and wiped at the end. Nothing
// at all when the stream is not a terminal or the sweep is quick.
class CProgress {
public:
    using Clock = std::chrono::steady_clock;

    // `quiet`: how long nothing is shown; `every`: how often the line is rewritten after that.
    CProgress(std::ostream& err, bool isTerminal, std::size_t total,
              Clock::duration quiet = std::chrono::seconds(1),
              Clock::duration every = std::chrono::milliseconds(200));
    ~CProgress();
    CProgress(const CProgress&) = delete;
    CProgress& operator=(const CProgress&) = delete;

    // `done` rows are finished.
    void Advance(std::size_t done);

private:
    std::ostream& err_;
    bool isTerminal_;
    std::size_t total_;
    Clock::duration quiet_;
    Clock::duration every_;
    Clock::time_point start_;
    Clock::time_point lastShown_;
    bool shown_ = false;
};

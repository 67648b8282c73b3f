// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>

namespace keld::cli {

// The line a long schedule keeps up to date on a terminal, "duty 5 of 120,
// 1.4 s", so that nobody wonders whether keld-cli still works. It shows
// once the schedule has taken a second, is redrawn at most ten times a
// second and only when standard error is a terminal: a script that reads
// standard error sees nothing of it.
class ProgressLine {
public:
    // `duties` in all, or 0 when they cannot be counted ahead ("duty 5, 1.4 s").
    explicit ProgressLine(std::size_t duties);
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Whether standard error is a terminal, so that counting the duties ahead
    // is worth it.
    static bool Shown();

    // Duty `duty` (from 1) is about to run.
    void update(std::size_t duty);
    // Takes the line away: before anything else is written to standard
    // error, and at the end.
    void clear();

private:
    using Clock = std::chrono::steady_clock;

    std::size_t duties_;
    bool shown_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point drawn_{};
    bool visible_ = false;
};

}  // namespace keld::cli

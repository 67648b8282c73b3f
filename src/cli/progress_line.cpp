// SPDX-License-Identifier: MIT
#include "cli/progress_line.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace keld::cli {

ProgressLine::ProgressLine(std::size_t duties) : duties_(duties), shown_(Shown()) {}

bool ProgressLine::Shown() { return isatty(STDERR_FILENO) == 1; }

void ProgressLine::update(std::size_t duty) {
    if (!shown_) return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - drawn_ < std::chrono::milliseconds(100)) return;
    drawn_ = now;
    char text[80];
    const double seconds = std::chrono::duration<double>(now - start_).count();
    if (duties_ == 0) {
        std::snprintf(text, sizeof text, "duty %zu, %.1f s", duty, seconds);
    } else {
        std::snprintf(text, sizeof text, "duty %zu of %zu, %.1f s", duty, duties_, seconds);
    }
    // Back to the start of the line, the text, and the rest of the line cleared.
    std::cerr << '\r' << text << "\x1b[K" << std::flush;
    visible_ = true;
}

void ProgressLine::clear() {
    if (!visible_) return;
    std::cerr << "\r\x1b[K" << std::flush;
    visible_ = false;
}

}  // namespace keld::cli

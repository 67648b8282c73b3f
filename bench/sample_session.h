// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "db/message_sink.h"
#include "db/performance_database.h"
#include "selection/launch_parameters.h"
#include "selection/selection_page.h"

namespace keld::bench {

// Counts the message boxes instead of showing them.
class CountingSink : public MessageSink {
public:
    void show(const std::string&, const std::string&) override { ++shown; }
    int shown = 0;
};

// The shipped sample database and a page in its start state, as a user finds
// them after launch with `launchText`; the screw compressor chosen when
// `screw` is set (the QHK run for the first brand, the GV5 run for BREXAL).
struct SampleSession {
    SampleSession(const char* launchText, bool screw) : page(DecodeLaunchText(launchText), sink) {
        if (screw) page.clickScrew();
    }

    // False, with the benchmark marked as skipped, when the file does not open.
    bool open(benchmark::State& state) {
        if (db.OpenDatabase(KELD_SAMPLE_DATABASE)) return true;
        state.SkipWithError("the sample database " KELD_SAMPLE_DATABASE " does not open");
        return false;
    }

    CountingSink sink;
    PerformanceDatabase db{sink};
    SelectionPage page;
};

}  // namespace keld::bench

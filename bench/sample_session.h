// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "base/message_sink.h"
#include "db/performance_database.h"
#include "selection/launch_parameters.h"
#include "selection/page/selection_page.h"

namespace keld::bench {

// Counts the message boxes instead of showing them.
class CountingSink : public MessageSink {
public:
    void show(const std::string&, const std::string&) override { ++shown; }
    int shown = 0;
};

// The database the benchmarks read: the sample database built from data/, or
// the file named by KELD_BENCH_DATABASE (a larger catalogue, say).
inline const char* BenchDatabasePath() {
    const char* chosen = std::getenv("KELD_BENCH_DATABASE");
    return chosen != nullptr && *chosen != '\0' ? chosen : KELD_SAMPLE_DATABASE;
}

// The benchmark database and a page in its start state, as a user finds
// them after launch with `launchText`; the screw compressor chosen when
// `screw` is set (the QHK run for the first brand, the GV5 run for BREXAL).
struct SampleSession {
    SampleSession(const char* launchText, bool screw) : page(DecodeLaunchText(launchText), sink) {
        if (screw) page.clickScrew();
    }

    // False, with the benchmark marked as skipped, when the file does not open.
    bool open(benchmark::State& state) {
        if (db.OpenDatabase(BenchDatabasePath())) return true;
        state.SkipWithError((std::string("the database ") + BenchDatabasePath() + " does not open").c_str());
        return false;
    }

    CountingSink sink;
    PerformanceDatabase db{sink};
    SelectionPage page;
};

}  // namespace keld::bench

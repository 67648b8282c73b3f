// SPDX-License-Identifier: MIT
// Speed of the CALC command on the shipped sample database: the default run
// of each series, from reading the page to the last row. The goal is well
// under a millisecond per run.
#include <benchmark/benchmark.h>

#include <string>

#include "db/message_sink.h"
#include "db/performance_database.h"
#include "selection/launch_parameters.h"
#include "selection/run_selection.h"
#include "selection/selection_page.h"

namespace keld {
namespace {

// Counts the message boxes instead of showing them.
class CountingSink : public MessageSink {
public:
    void show(const std::string&, const std::string&) override { ++shown; }
    int shown = 0;
};

// Runs the CALC command over and over on a page in its start state, with the
// screw compressor chosen when `screw` is set: the QTK run by default, the
// QHK run for the first brand's screw, the GV5 run for BREXAL's screw.
void BM_DefaultRun(benchmark::State& state, const char* launchText, bool screw) {
    CountingSink sink;
    PerformanceDatabase db(sink);
    if (!db.OpenDatabase(KELD_SAMPLE_DATABASE)) {
        state.SkipWithError("the sample database " KELD_SAMPLE_DATABASE " does not open");
        return;
    }
    SelectionPage page(DecodeLaunchText(launchText), sink);
    if (screw) page.clickScrew();

    for (auto _ : state) benchmark::DoNotOptimize(RunSelection(page, db));

    state.counters["rows"] = page.results().rowCount();
    state.counters["messages"] = benchmark::Counter(sink.shown, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_DefaultRun, Qtk, "", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DefaultRun, Qhk, "", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DefaultRun, Gv5, "BREXAL", true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keld

BENCHMARK_MAIN();

// SPDX-License-Identifier: MIT
// Speed of the CALC command on the shipped sample database: the default run
// of each series, from reading the page to the last row. The goal is well
// under a millisecond per run.
#include <benchmark/benchmark.h>

#include <string>

#include "sample_session.h"
#include "selection/run_selection.h"

namespace keld {
namespace {

// Runs the CALC command over and over on a page in its start state, with the
// screw compressor chosen when `screw` is set: the QTK run by default, the
// QHK run for the first brand's screw, the GV5 run for BREXAL's screw.
void BM_DefaultRun(benchmark::State& state, const char* launchText, bool screw) {
    bench::SampleSession session(launchText, screw);
    if (!session.open(state)) return;

    for (auto _ : state) benchmark::DoNotOptimize(RunSelection(session.page, session.db));

    state.counters["rows"] = session.page.results().rowCount();
    state.counters["messages"] = benchmark::Counter(session.sink.shown, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_DefaultRun, Qtk, "", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DefaultRun, Qhk, "", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DefaultRun, Gv5, "BREXAL", true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keld

BENCHMARK_MAIN();

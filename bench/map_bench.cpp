// SPDX-License-Identifier: MIT
// Speed of a performance map: one unit of each series over its own grid at
// the default duty, from the request to the last point (what keld-cli map
// does after opening the database). The goal is well under 50 ms a map.
#include <benchmark/benchmark.h>

#include "sample_session.h"
#include "session/performance_map.h"

namespace keld {
namespace {

void BM_WholeGrid(benchmark::State& state, const char* launch, const char* compressor, const char* model) {
    bench::CountingSink sink;
    PerformanceDatabase db(sink);
    if (!db.OpenDatabase(bench::BenchDatabasePath())) {
        state.SkipWithError("the database does not open");
        return;
    }
    MapRequest request;
    request.duty.launch = launch;
    request.duty.compressor = compressor;
    request.model = model;
    std::size_t points = 0;
    for (auto _ : state) {
        const MapOutcome outcome = MapUnit(db, request);
        points = outcome.map->cooling.size() + outcome.map->heating.size();
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = static_cast<double>(points);
    state.counters["us_per_point"] =
        benchmark::Counter(static_cast<double>(points),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_WholeGrid, Qtk, "", "centrifugal", "QTK130GN5-LQE")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeGrid, Qhk, "", "screw", "QHK125GP5-LQE")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeGrid, Gv5, "BREXAL", "screw", "WOQ260GV5-LQEE")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace keld

BENCHMARK_MAIN();

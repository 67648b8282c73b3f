// SPDX-License-Identifier: MIT
// A /v1/select request's work inside one worker, against the selection alone:
// the difference is what reading the JSON body and writing the answer cost.
// Beside bench/serve_bench.sh (the same duty over HTTP), this gives the ratio
// of one request's time to one in-process selection.
#include <benchmark/benchmark.h>

#include <sstream>

#include "sample_session.h"
#include "serve/service_metrics.h"
#include "serve/service_worker.h"
#include "session/selection_json.h"
#include "session/selection_session.h"

namespace {

// The duty of bench/serve_select.lua.
const char* const kDuty = R"({"compressor": "screw", "cooling-capacity": 500, "ambient": 35, "outlet": 7})";

void BM_SelectionInProcess(benchmark::State& state) {
    keld::PageOptions options = keld::RequestFromJson(keld::Json::parse(kDuty));
    options.database = keld::bench::BenchDatabasePath();
    keld::SelectionSession session(options);
    if (!session.openDatabase()) return state.SkipWithError("the database does not open");
    for (auto _ : state) {
        session.startRequest(options);
        benchmark::DoNotOptimize(session.runSelection());
    }
}
BENCHMARK(BM_SelectionInProcess)->Unit(benchmark::kMicrosecond);

void BM_SelectRequestInWorker(benchmark::State& state) {
    const keld::serve::ServiceMetrics metrics;
    keld::serve::ServiceWorker worker(keld::bench::BenchDatabasePath(), "/nonexistent", metrics);
    if (!worker.databaseOpen()) return state.SkipWithError("the database does not open");
    const keld::serve::ServiceRequest request{"POST", "/v1/select", "", "", kDuty};
    for (auto _ : state) benchmark::DoNotOptimize(worker.answer(request));
}
BENCHMARK(BM_SelectRequestInWorker)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

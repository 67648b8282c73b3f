// SPDX-License-Identifier: MIT
// Speed of the PDF command on the shipped sample database: one whole export
// of the first row of the default run, from the restore of the marked row to
// the renamed file. The goal is a median under 15 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "reports/datasheet_export.h"
#include "reports/pdflib.h"
#include "sample_session.h"
#include "selection/run_selection.h"

namespace keld {
namespace {

void BM_ExportDatasheet(benchmark::State& state, const char* launchText, bool screw) {
    bench::SampleSession session(launchText, screw);
    if (!session.open(state)) return;
    SelectionPage& page = session.page;
    RunSelection(page, session.db);
    if (page.results().rowCount() == 0) {
        state.SkipWithError("the default run found no unit");
        return;
    }
    page.results().markRow(0);

    std::string folder = (std::filesystem::temp_directory_path() / "keld-datasheet-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no scratch folder");
        return;
    }
    PDFlib pdf;
    const ExportRequest request{pdf,
                                page,
                                session.db,
                                session.sink,
                                KELD_BUILD_DIR,
                                "2022/11/30",
                                {"Harbour Plant", "Acme Cooling", "City Hospital", "CH-01"},
                                folder + "/datasheet.pdf"};
    bool complete = true;
    for (auto _ : state) complete = ExportDatasheet(request).complete && complete;

    std::filesystem::remove_all(folder);
    if (!complete) state.SkipWithError("an export did not finish");
    state.counters["messages"] = benchmark::Counter(session.sink.shown, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_ExportDatasheet, Qtk, "", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportDatasheet, Qhk, "", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportDatasheet, Gv5Brexal, "BREXAL", true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace keld

BENCHMARK_MAIN();

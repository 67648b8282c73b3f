// SPDX-License-Identifier: MIT
// Speed of the PDF command on the shipped sample database: one whole export
// of the first row of the default run, from the restore of the marked row to
// the renamed file. The goal is a median under 15 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "db/message_sink.h"
#include "db/performance_database.h"
#include "reports/datasheet_export.h"
#include "reports/pdflib.h"
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

void BM_ExportDatasheet(benchmark::State& state, const char* launchText, bool screw) {
    CountingSink sink;
    PerformanceDatabase db(sink);
    if (!db.OpenDatabase(KELD_SAMPLE_DATABASE)) {
        state.SkipWithError("the sample database " KELD_SAMPLE_DATABASE " does not open");
        return;
    }
    SelectionPage page(DecodeLaunchText(launchText), sink);
    if (screw) page.clickScrew();
    RunSelection(page, db);
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
                                db,
                                sink,
                                KELD_BUILD_DIR,
                                "2022/11/30",
                                {"Harbour Plant", "Acme Cooling", "City Hospital", "CH-01"},
                                folder + "/datasheet.pdf"};
    bool complete = true;
    for (auto _ : state) complete = ExportDatasheet(request).complete && complete;

    std::filesystem::remove_all(folder);
    if (!complete) state.SkipWithError("an export did not finish");
    state.counters["messages"] = benchmark::Counter(sink.shown, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_ExportDatasheet, Qtk, "", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportDatasheet, Qhk, "", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportDatasheet, Gv5Brexal, "BREXAL", true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace keld

BENCHMARK_MAIN();

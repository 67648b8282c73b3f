// SPDX-License-Identifier: MIT
#include "selection/run_selection.h"

#include <exception>

#include "base/message_sink.h"
#include "db/database_error.h"
#include "db/lookups.h"
#include "db/performance_database.h"
#include "selection/page/selection_page.h"
#include "selection/series_runs.h"

namespace keld {
namespace {

RunOutcome RunForConditions(SelectionPage& page, PerformanceDatabase& db) {
    const SelectionConditions& conditions = page.conditions();
    switch (SeriesOf(conditions)) {
        case Series::Qtk:
            return RunQtkSelection(page, db);
        case Series::Qhk:
            return RunQhkSelection(page, db);
        case Series::Gv5:
            break;
    }
    return RunGv5Selection(page, db);
}

// Shows the error that ended the run, and keeps its text with the outcome.
RunOutcome EndedBy(SelectionPage& page, const std::string& text) {
    page.messages().show(text, kApplicationTitle);
    return RunEndedBy(ListEffect::Kept, text);
}

}  // namespace

RunOutcome RunSelection(SelectionPage& page, PerformanceDatabase& db) {
    const PerformanceDatabase::RunScope oneRun(db);
    // The runs catch what goes wrong while they walk the candidates; what
    // goes wrong before (a correction table, a grid, the candidate query)
    // ends the command before the list is touched.
    try {
        if (!page.readControls()) return ListEffect::Kept;
        return RunForConditions(page, db);
    } catch (const InvalidArgumentError& error) {
        page.messages().show(error.what(), kApplicationTitle);
        return ListEffect::Kept;
    } catch (const DatabaseError& error) {
        // A statement that fails shows the engine's description itself and
        // leaves its recordset closed; the closed recordset's own error would
        // only report the same failure a second time.
        if (error.code() == database_error_code::kObjectClosed) return {ListEffect::Kept, true};
        return EndedBy(page, DatabaseErrorText(error));
    } catch (const std::exception& error) {
        return EndedBy(page, error.what());
    }
}

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include "cli/collecting_sink.h"
#include "cli/database_failure_sink.h"
#include "cli/page_options.h"
#include "db/performance_database.h"
#include "selection/run_selection.h"
#include "selection/selection_page.h"

namespace keld::cli {

// One selection made from the command line: a page built with the launch
// text and set up from the options, the performance database, and the sink
// that keeps every message box in order.
class SelectionSession {
public:
    // Raises UsageError as ApplyPageOptions does.
    explicit SelectionSession(const PageOptions& options);

    // Opens --database, or KELD_Vortan.tbs beside the program. On failure
    // the database's own message is in sink() and false is returned.
    bool openDatabase();
    // The CALC command, on the opened database.
    ListEffect runSelection();
    // Whether a database failure was shown so far (a table or field missing
    // or unreadable, a damaged grid) or an error ended the run: the work
    // could not be done, whatever the run left in the list.
    bool databaseFailed() const { return runEndedByError_ || databaseMessages_.failureShown(); }

    SelectionPage& page() { return page_; }
    CollectingSink& sink() { return sink_; }
    PerformanceDatabase& database() { return database_; }
    const std::string& databasePath() const { return databasePath_; }

private:
    CollectingSink sink_;
    DatabaseFailureSink databaseMessages_{sink_};
    SelectionPage page_;
    PerformanceDatabase database_;
    std::string databasePath_;
    bool runEndedByError_ = false;
};

}  // namespace keld::cli

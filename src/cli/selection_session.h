// SPDX-License-Identifier: MIT
#pragma once

#include "cli/collecting_sink.h"
#include "cli/page_options.h"
#include "selection/selection_session.h"

namespace keld::cli {

// One selection made from the command line: the selection session of the
// launch text, set up from the options, and the sink that keeps every message
// box in order.
class SelectionSession {
public:
    // Raises UsageError as ApplyPageOptions does.
    explicit SelectionSession(const PageOptions& options);

    // Opens --database, or KELD_Vortan.tbs beside the program. On failure
    // the database's own message is in sink() and false is returned.
    bool openDatabase() { return session_.openDatabase(); }
    // The CALC command, on the opened database.
    ListEffect runSelection() { return session_.runSelection().list; }
    // Whether a database failure was shown so far or ended the run.
    bool databaseFailed() const { return session_.databaseFailed(); }
    // Says each of those failures on standard error, "keld-cli: database:
    // TEXT", so that a script sees why the work could not be done even when
    // the messages go to standard output or into JSON.
    void reportDatabaseFailures() const;
    // The next duty of a schedule on the same opened database: a fresh page
    // for the launch text of `options`, set up from them as the constructor
    // does, and no messages kept yet. Raises UsageError as ApplyPageOptions
    // does; --database is not looked at.
    void startDuty(const PageOptions& options);

    SelectionPage& page() { return session_.page(); }
    CollectingSink& sink() { return sink_; }
    PerformanceDatabase& database() { return session_.database(); }
    const std::string& databasePath() const { return session_.databasePath(); }

private:
    CollectingSink sink_;
    keld::SelectionSession session_;
};

}  // namespace keld::cli

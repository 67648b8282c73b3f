// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db/data_stamp.h"
#include "db/performance_database.h"
#include "selection/launch_parameters.h"
#include "selection/page/selection_page.h"
#include "selection/run_selection.h"
#include "session/collecting_sink.h"
#include "session/database_failure_sink.h"
#include "session/page_options.h"

namespace keld {

// What a selection needs from start-up to exit: the performance database and
// the selection page built for the launch values. The window and keld-cli
// both set their selections up here.
//
// Every message box (the database's and the page's) goes to `messages`, which
// must outlive the session.
class SelectionSession {
public:
    // The page starts in its default state for `launch`; the database is not
    // opened yet.
    SelectionSession(const LaunchParameters& launch, MessageSink& messages, std::string databasePath);
    // A session for one request without a user to show the messages to: the
    // page of its launch text with its options applied, on its database
    // (--database, or the file beside the program); every message box is kept
    // in collected(). Raises UsageError as ApplyPageOptions does.
    explicit SelectionSession(const PageOptions& request);

    // Opens the database file read-only. On failure the database's own
    // description has been shown and false is returned.
    bool openDatabase();
    // The CALC command on the opened database.
    RunOutcome runSelection();
    // Whether a database failure was shown so far (a table or field missing or
    // unreadable, a damaged grid) or an error ended a run: the work could not be done,
    // whatever the run left in the list.
    bool databaseFailed() const { return runEndedByError_ || databaseMessages_.failureShown(); }
    // The texts of those failures, as their message boxes showed them.
    std::vector<std::string> databaseFailures() const;
    // Starts another selection on the same open database, as if the page had
    // just been opened: its default state for `launch`, and no failure seen
    // yet. A schedule of duties runs one after another this way; what referred
    // to the previous page no longer does.
    void startNewPage(const LaunchParameters& launch);
    // The next request on the same open database: a fresh page for its launch
    // text with its options applied, as the request constructor does, and no
    // messages collected yet. Raises
    // UsageError as ApplyPageOptions does; the request's database is not
    // looked at.
    void startRequest(const PageOptions& request);

    // The stamp of the opened database, read once; "unknown" before it opens
    // or for a file without a stamp.
    const DataStamp& dataStamp();

    SelectionPage& page() { return *page_; }
    PerformanceDatabase& database() { return database_; }
    MessageSink& messages() { return messages_; }
    // The messages of a session made for a request, in order.
    CollectingSink& collected() { return collected_; }
    const std::string& databasePath() const { return databasePath_; }

private:
    CollectingSink collected_;
    MessageSink& messages_;
    DatabaseFailureSink databaseMessages_{messages_};
    std::optional<SelectionPage> page_;
    PerformanceDatabase database_;
    std::string databasePath_;
    std::optional<DataStamp> dataStamp_;
    bool runEndedByError_ = false;
    std::vector<std::string> runErrors_;
};

}  // namespace keld

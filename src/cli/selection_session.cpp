// SPDX-License-Identifier: MIT
#include "cli/selection_session.h"

#include "cli/apply_page_options.h"
#include "cli/program_directory.h"
#include "selection/launch_parameters.h"

namespace keld::cli {

SelectionSession::SelectionSession(const PageOptions& options)
    : page_(DecodeLaunchText(options.launch.value_or("")), sink_),
      database_(databaseMessages_),
      databasePath_(options.database.value_or(DatabasePathIn(ProgramDirectory()))) {
    ApplyPageOptions(page_, options);
}

bool SelectionSession::openDatabase() { return database_.OpenDatabase(databasePath_); }

ListEffect SelectionSession::runSelection() {
    const RunOutcome outcome = RunSelection(page_, database_);
    runEndedByError_ = runEndedByError_ || outcome.endedByError;
    return outcome.list;
}

}  // namespace keld::cli

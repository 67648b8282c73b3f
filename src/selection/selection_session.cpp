// SPDX-License-Identifier: MIT
#include "selection/selection_session.h"

#include <utility>

namespace keld {

SelectionSession::SelectionSession(const LaunchParameters& launch, MessageSink& messages,
                                   std::string databasePath)
    : messages_(messages),
      page_(launch, messages),
      database_(databaseMessages_),
      databasePath_(std::move(databasePath)) {}

bool SelectionSession::openDatabase() { return database_.OpenDatabase(databasePath_); }

RunOutcome SelectionSession::runSelection() {
    const RunOutcome outcome = RunSelection(page_, database_);
    runEndedByError_ = runEndedByError_ || outcome.endedByError;
    return outcome;
}

}  // namespace keld

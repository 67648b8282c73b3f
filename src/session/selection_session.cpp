// SPDX-License-Identifier: MIT
#include "session/selection_session.h"

#include <utility>

#include "base/module_directory.h"
#include "session/apply_page_options.h"

namespace keld {

SelectionSession::SelectionSession(const LaunchParameters& launch, MessageSink& messages,
                                   std::string databasePath)
    : messages_(messages),
      page_(std::in_place, launch, messages),
      database_(databaseMessages_),
      databasePath_(std::move(databasePath)) {}

// The collected messages are made first of all members, so the page and the
// database are given a sink that already exists.
SelectionSession::SelectionSession(const PageOptions& request)
    : messages_(collected_),
      page_(std::in_place, DecodeLaunchText(request.launch.value_or("")), collected_),
      database_(databaseMessages_),
      databasePath_(request.database.value_or(DatabasePathIn(ModuleDirectory()))) {
    ApplyPageOptions(*page_, request);
}

bool SelectionSession::openDatabase() {
    dataStamp_.reset();
    return database_.OpenDatabase(databasePath_);
}

const DataStamp& SelectionSession::dataStamp() {
    if (!dataStamp_) dataStamp_ = ReadDataStamp(database_);
    return *dataStamp_;
}

RunOutcome SelectionSession::runSelection() {
    const RunOutcome outcome = RunSelection(*page_, database_);
    runEndedByError_ = runEndedByError_ || outcome.endedByError;
    if (!outcome.errorText.empty()) runErrors_.push_back(outcome.errorText);
    return outcome;
}

std::vector<std::string> SelectionSession::databaseFailures() const {
    std::vector<std::string> texts = databaseMessages_.failures();
    texts.insert(texts.end(), runErrors_.begin(), runErrors_.end());
    return texts;
}

void SelectionSession::startNewPage(const LaunchParameters& launch) {
    page_.emplace(launch, messages_);
    databaseMessages_.forgetFailures();
    runEndedByError_ = false;
    runErrors_.clear();
}

void SelectionSession::startRequest(const PageOptions& request) {
    collected_.clear();
    startNewPage(DecodeLaunchText(request.launch.value_or("")));
    ApplyPageOptions(*page_, request);
}

}  // namespace keld

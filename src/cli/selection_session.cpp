// SPDX-License-Identifier: MIT
#include "cli/selection_session.h"

#include <iostream>

#include "cli/apply_page_options.h"
#include "cli/error_text.h"
#include "base/module_directory.h"
#include "selection/launch_parameters.h"

namespace keld::cli {

void SelectionSession::reportDatabaseFailures() const {
    for (const std::string& text : session_.databaseFailures()) {
        std::cerr << "keld-cli: database: " << EscapedForTerminal(text) << '\n';
    }
}

SelectionSession::SelectionSession(const PageOptions& options)
    : session_(DecodeLaunchText(options.launch.value_or("")), sink_,
               options.database.value_or(DatabasePathIn(ModuleDirectory()))) {
    ApplyPageOptions(session_.page(), options);
}

void SelectionSession::startDuty(const PageOptions& options) {
    sink_.clear();
    session_.startNewPage(DecodeLaunchText(options.launch.value_or("")));
    ApplyPageOptions(session_.page(), options);
}

}  // namespace keld::cli

// SPDX-License-Identifier: MIT
#include "cli/selection_session.h"

#include "cli/apply_page_options.h"
#include "db/module_directory.h"
#include "selection/launch_parameters.h"

namespace keld::cli {

SelectionSession::SelectionSession(const PageOptions& options)
    : session_(DecodeLaunchText(options.launch.value_or("")), sink_,
               options.database.value_or(DatabasePathIn(ModuleDirectory()))) {
    ApplyPageOptions(session_.page(), options);
}

}  // namespace keld::cli

// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "base/quoted_text.h"

namespace keld {
class SelectionSession;
}

namespace keld::cli {

// The text of the error being handled, whatever its type: a database error
// gives its description (as "Read data Error:%s" would show it), a PDF
// library error its message, any std::exception its what(), and anything
// else a fixed sentence. Call it only inside a catch handler; it lets keld-cli
// turn every error into a message instead of ending in std::terminate.
std::string CurrentErrorText();

// Says each database failure the session met on standard error, "keld-cli:
// database: TEXT", so that a script sees why the work could not be done even
// when the messages go to standard output or into JSON.
void ReportDatabaseFailures(const SelectionSession& session);

}  // namespace keld::cli

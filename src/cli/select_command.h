// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld::cli {

// keld-cli select [OPTIONS] [--json]: runs the CALC command once on the page
// set up from OPTIONS and prints the result list (or one JSON object).
// Returns the exit code: kExitFailed when the database does not open, or when
// a database failure or another error marred the run (its messages, table or
// JSON are printed all the same); raises UsageError for wrong usage. With
// --json the object is printed whenever the options were usable, also when
// the database does not open (its message in "messages", "list" "kept").
int RunSelectCommand(const std::vector<std::string>& args);

}  // namespace keld::cli

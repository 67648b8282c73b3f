// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld::cli {

// keld-cli select [OPTIONS] [--json]: runs the CALC command once on the page
// set up from OPTIONS and prints the result list (or one JSON object).
// Returns the exit code; raises UsageError for wrong usage.
int RunSelectCommand(const std::vector<std::string>& args);

}  // namespace keld::cli

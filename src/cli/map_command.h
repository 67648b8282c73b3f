// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld::cli {

// keld-cli map [OPTIONS] --model NAME [--ambient FROM:TO:STEP]
//              [--outlet FROM:TO:STEP] [--json]
// The named unit at every point of the ranges (or of its own grid), CSV on
// standard output, or one JSON object.
int RunMapCommand(const std::vector<std::string>& args);

}  // namespace keld::cli

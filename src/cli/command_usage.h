// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace keld::cli {

// What `keld-cli help` and `keld-cli --help` print: how each command is
// called, and the options every selection takes.
std::string ProgramUsage();

// What `keld-cli help COMMAND` and `keld-cli COMMAND --help` print: how the
// command is called, what it does, each of its options and its exit codes.
// Empty for a name that is no command.
std::string CommandUsage(std::string_view command);

}  // namespace keld::cli

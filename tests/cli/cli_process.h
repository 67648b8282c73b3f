// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace keld::test {

// What one run of the built keld-cli printed and how it ended.
struct CliResult {
    int exitCode = -1;  // -1 when it did not exit normally
    std::string out;
    std::string err;
};

// Where the child's standard output goes: captured into CliResult::out, a
// device that refuses every write (/dev/full), or nowhere (closed).
enum class CliOutput { Captured, Full, Closed };

// Runs the keld-cli of this build with `args` (no shell in between) and
// waits for it.
CliResult RunCli(const std::vector<std::string>& args, CliOutput output = CliOutput::Captured);

}  // namespace keld::test

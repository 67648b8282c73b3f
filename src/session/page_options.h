// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace keld {

// One value option and the page edit it types into.
struct ValueOption {
    const char* name;  // "--ambient"
    int controlId;
};

// The value options, in the order they take effect (after the launch text,
// compressor type, fluid, glycol percentage and standard).
const std::vector<ValueOption>& ValueOptions();

// The OPTIONS shared by every subcommand that makes a selection: the inputs
// of the selection page, as typed on the command line.
struct PageOptions {
    std::optional<std::string> database;
    std::optional<std::string> launch;      // the launch text; none is an empty text
    std::optional<std::string> compressor;  // "centrifugal" | "screw"
    std::optional<std::string> fluid;       // "water" | "glycol"
    std::optional<std::string> glycol;
    std::optional<std::string> standard;  // "ahri" | "gb"
    // Typed values by control id; they take effect in the order of
    // ValueOptions().
    std::map<int, std::string> values;
};

// Takes the page option at args[index] (and its value) into `options` and
// advances `index` past it; false, with nothing consumed, when args[index] is
// no page option. Raises UsageError for a missing value, an option given
// twice, a choice that is not one of its words, or an inlet and a flow of the
// same circuit.
bool TakePageOption(const std::vector<std::string>& args, std::size_t& index, PageOptions& options);

// The name of every option TakePageOption takes: "--database", "--launch",
// the choices and the glycol percentage, then the value options.
std::vector<std::string> PageOptionNames();

// The usage lines of the page options.
const char* PageOptionsUsage();

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace keld::cli {

// Wrong usage of the command line; its text goes to stderr and the program
// ends with kExitUsage.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace keld::cli

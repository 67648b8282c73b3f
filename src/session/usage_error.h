// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace keld {

// Wrong usage of the command line; its text goes to stderr and the program
// ends with kExitUsage.
class UsageError : public std::runtime_error {
public:
    // `option` names the option whose value was wrong ("--ambient"), so that
    // a schedule can say which of its columns held it; empty when the error
    // is about no single option.
    explicit UsageError(const std::string& text, std::string option = {})
        : std::runtime_error(text), option_(std::move(option)) {}

    const std::string& option() const { return option_; }

private:
    std::string option_;
};

}  // namespace keld

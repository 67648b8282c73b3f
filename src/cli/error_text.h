// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld::cli {

// The text of the error being handled, whatever its type: a database error
// gives its description (as "Read data Error:%s" would show it), a PDF
// library error its message, any std::exception its what(), and anything
// else a fixed sentence. Call it only inside a catch handler; it lets keld-cli
// turn every error into a message instead of ending in std::terminate.
std::string CurrentErrorText();

}  // namespace keld::cli

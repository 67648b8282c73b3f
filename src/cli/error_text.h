// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace keld::cli {

// The text of the error being handled, whatever its type: a database error
// gives its description (as "Read data Error:%s" would show it), a PDF
// library error its message, any std::exception its what(), and anything
// else a fixed sentence. Call it only inside a catch handler; it lets keld-cli
// turn every error into a message instead of ending in std::terminate.
std::string CurrentErrorText();

// `text` safe to print on a terminal: control characters (a NUL, a
// backspace, the escape that starts a terminal command, the C1 controls) are
// shown as escapes ("\0", "\b", "\x1b", "\u009b") and bytes that are no UTF-8
// as "\xNN", so that user text can neither cut a message short nor change
// what the terminal shows. Tabs and line ends are escaped too.
std::string EscapedForTerminal(std::string_view text);

// A text the user gave, for a message: escaped as above and cut to its first
// kQuotedBytes bytes (at a character's start) with "…", so that a megabyte
// in a cell is not echoed whole. Quoted() puts it in single quotes.
inline constexpr std::size_t kQuotedBytes = 80;
std::string Shortened(std::string_view text);
std::string Quoted(std::string_view text);

}  // namespace keld::cli

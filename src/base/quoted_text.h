// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace keld {

// The length of the well-formed UTF-8 character at the start of `text`: 1 to
// 4, or 0 when the bytes there start none (a stray continuation byte, a
// sequence cut short, an overlong form, a surrogate, a code point beyond
// U+10FFFF).
std::size_t Utf8Length(std::string_view text);

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

}  // namespace keld

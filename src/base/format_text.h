// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

// printf into a std::string, for the SQL statements and the texts the core
// shows. Numbers always use the C conventions ("%f": six decimals, a point as
// the decimal separator) whatever locale the process has chosen: the window
// toolkit switches the process to the user's locale, and a German user must
// still get "7.000000" in a statement, never "7,000000". The compiler checks
// the arguments against the format.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends what "%.Nf" writes for `value` with N = `decimals` (0 to 9).
void AppendFixed(std::string& text, double value, int decimals);

}  // namespace keld

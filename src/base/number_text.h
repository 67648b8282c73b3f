// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace keld {

// The longest leading decimal number of `text` after leading blanks: optional
// sign, digits with at most one point, optional exponent. 0 when the text
// does not begin with a number ("", "-", "abc"); "12,5" gives 12. Reads
// nothing beyond the view and ignores the locale.
double LeadingNumber(std::string_view text);

// True, with `value` set, when the whole text (blanks around it allowed) is
// one decimal number in the form above; "12,5", "", "1e" and "inf" are not.
bool ParseWholeNumber(std::string_view text, double& value);

// Database values as a user reads them: an integer without decimals, a real
// in its shortest form that reads back to the same value ("12.5", "35",
// "0.98765"), with an exponent only for magnitudes below 1e-5 or from 1e15.
std::string IntegerText(std::int64_t value);
std::string RealText(double value);

// The same texts written into a buffer of the caller, for reads that only
// compare them; the view points into `buffer`.
using NumberTextBuffer = std::array<char, 64>;
std::string_view IntegerText(std::int64_t value, NumberTextBuffer& buffer);
std::string_view RealText(double value, NumberTextBuffer& buffer);

}  // namespace keld

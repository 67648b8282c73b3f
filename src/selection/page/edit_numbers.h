// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace keld {

// The numbers of the selection page's edits as the user types and sees them,
// independent of the process locale (the decimal point is always ".").

// A typed real: blanks around it allowed, an optional sign, decimal digits
// with at most one point and an optional exponent ("1.5e2"). "12abc", "nan",
// "inf", "0x1A", "1e" and "" are not numbers, and neither is a value beyond
// the range of a single-precision real. nullopt when refused.
std::optional<float> ParseRealText(std::string_view text);

// A typed integer: blanks around it allowed, an optional sign and decimal
// digits, within the 32-bit range. "12.5" and "4294967296" are refused.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// The text an edit shows for a real: "%.6g" (35 -> "35", 0.018 -> "0.018");
// a negative zero shows as "0".
std::string RealEditText(float value);
// The text an edit shows for an integer: "%d".
std::string IntegerEditText(std::int32_t value);

}  // namespace keld

// SPDX-License-Identifier: MIT
#include "selection/page/edit_numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "base/format_text.h"
#include "base/number_text.h"

namespace keld {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<float> ParseRealText(std::string_view text) {
    double value = 0;
    if (!ParseWholeNumber(text, value)) return std::nullopt;
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
    // "-0", and a negative value too small for a float, is plain 0
    if (static_cast<float>(value) == 0) return 0.0f;
    return static_cast<float>(value);
}

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
    text = TrimBlanks(text);
    // from_chars takes a "-" but no "+"; a user may type either.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string RealEditText(float value) {
    if (value == 0) value = 0;  // a negative zero shows as "0"
    return FormatText("%.*g", 6, static_cast<double>(value));
}

std::string IntegerEditText(std::int32_t value) { return FormatText("%d", value); }

}  // namespace keld

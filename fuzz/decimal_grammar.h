// SPDX-License-Identifier: MIT
#pragma once

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <regex>
#include <string>
#include <string_view>
#include <system_error>

namespace keld::fuzz {

// The blanks a typed or stored number may carry around it.
inline constexpr std::string_view kBlanks = " \t\n\v\f\r";

// The decimal numbers the page's edits and the unit tables read, stated as a
// regular expression so the readers can be checked against it: an optional
// sign, digits with at most one point (at least one digit in all), and an
// exponent that counts only with its digits. No "inf", "nan", hexadecimal or
// decimal comma.
inline const std::regex& DecimalNumber() {
    static const std::regex number(R"([+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    return number;
}

// The longest prefix of `text` that is such a number; empty when it starts
// with none. (The alternatives are greedy, so the first match is the longest.)
inline std::string_view LeadingDecimal(std::string_view text) {
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_search(text.begin(), text.end(), match, DecimalNumber(),
                           std::regex_constants::match_continuous)) {
        return {};
    }
    return text.substr(0, static_cast<std::size_t>(match.length(0)));
}

inline std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// What a full match of DecimalNumber reads as in the C conventions: the
// nearest double; beyond the double range an infinity, below it a zero, each
// of the number's sign. Independent of the process locale.
inline double DecimalValue(std::string_view number) {
    const std::string_view digits = !number.empty() && number.front() == '+' ? number.substr(1) : number;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc::result_out_of_range) return value;
    // Only the C library says on which side of the range it fell.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string copy(number);
    return strtod_l(copy.c_str(), nullptr, cLocale);
}

}  // namespace keld::fuzz

// SPDX-License-Identifier: MIT
#include "base/number_text.h"

#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <system_error>

#include "base/c_locale.h"

namespace keld {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view SkipLeadingBlanks(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return text.substr(start);
}

// Length of the number at the start of `text` (no blanks skipped), 0 if none.
size_t NumberLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    // An exponent counts only with at least one digit: "2e" reads as 2.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && IsDigit(text[e])) {
            while (e < text.size() && IsDigit(text[e])) ++e;
            i = e;
        }
    }
    return i;
}

// Converts a text NumberLength has accepted in full. std::from_chars rounds
// exactly as strtod does, without a copy or a locale; a value beyond the
// range of a double goes to strtod, which gives the overflow to infinity and
// the underflow to zero that a reader expects, on a terminated copy and in
// the "C" locale so that neither the rest of the field nor the user's
// decimal comma can change the result.
double ConvertNumber(std::string_view number) {
    std::string_view magnitude = number;
    const bool negative = !number.empty() && number.front() == '-';
    if (!number.empty() && (number.front() == '+' || negative)) magnitude.remove_prefix(1);
    double value = 0.0;
    const char* end = magnitude.data() + magnitude.size();
    auto result = std::from_chars(magnitude.data(), end, value);
    if (result.ec == std::errc{} && result.ptr == end) return negative ? -value : value;

    std::string copy(number);
    return CLocale() != locale_t{} ? strtod_l(copy.c_str(), nullptr, CLocale())
                                   : strtod(copy.c_str(), nullptr);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    text = SkipLeadingBlanks(text);
    size_t length = NumberLength(text);
    return length == 0 ? 0.0 : ConvertNumber(text.substr(0, length));
}

bool ParseWholeNumber(std::string_view text, double& value) {
    text = SkipLeadingBlanks(text);
    size_t length = NumberLength(text);
    if (length == 0) return false;
    for (char c : text.substr(length)) {
        if (!IsBlank(c)) return false;
    }
    value = ConvertNumber(text.substr(0, length));
    return true;
}

std::string IntegerText(std::int64_t value) {
    NumberTextBuffer buffer;
    return std::string(IntegerText(value, buffer));
}

std::string RealText(double value) {
    NumberTextBuffer buffer;
    return std::string(RealText(value, buffer));
}

std::string_view IntegerText(std::int64_t value, NumberTextBuffer& buffer) {
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string_view(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
}

std::string_view RealText(double value, NumberTextBuffer& buffer) {
    if (value == 0.0) return "0";  // also for -0.0
    // 64 bytes hold the longest shortest-round-trip text in either notation
    // (at most 17 significant digits, 21 leading zeros for 1e-5, a sign).
    char* first = buffer.data();
    char* last = first + buffer.size();
    double magnitude = std::fabs(value);
    auto result = magnitude >= 1e-5 && magnitude < 1e15
                      ? std::to_chars(first, last, value, std::chars_format::fixed)
                      : std::to_chars(first, last, value);
    return std::string_view(first, static_cast<size_t>(result.ptr - first));
}

}  // namespace keld

// SPDX-License-Identifier: MIT
#include "base/significant.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "base/format_text.h"

namespace keld {
namespace {

// Exact in a double for every power the formatter needs (at most 10^15).
double PowerOfTen(int exponent) {
    double power = 1.0;
    for (int i = 0; i < exponent; ++i) power *= 10.0;
    return power;
}

// floor(value * 10^decimals + 1/2): half up on the binary value. 64 bits hold
// every result, as value * 10^decimals stays below 10^16 here.
std::int64_t RoundHalfUp(double value, int decimals) {
    return static_cast<std::int64_t>(std::floor(value * PowerOfTen(decimals) + 0.5));
}

std::string Digits(std::int64_t number, size_t minimumLength) {
    char text[24];
    auto written = std::to_chars(text, text + sizeof text, number);
    std::string digits(text, written.ptr);
    if (digits.size() < minimumLength) digits.insert(0, minimumLength - digits.size(), '0');
    return digits;
}

bool ReadsAsZero(const std::string& text) { return text.find_first_not_of("0.") == std::string::npos; }

std::string FormatNonNegative(double value, int n) {
    std::string fiveDecimals;
    AppendFixed(fiveDecimals, value, 5);
    const size_t k = fiveDecimals.find('.');  // digits before the point
    const std::string integerPart = fiveDecimals.substr(0, k);

    if (integerPart != "0") {
        if (static_cast<int>(k) > n) return integerPart;
        if (static_cast<int>(k) == n) return Digits(RoundHalfUp(value, 0), 1);
        // Fewer whole digits than n: n - k decimals. A carry into a new
        // leading digit (9.9996 -> 10.000) lengthens the whole part only.
        const int decimals = n - static_cast<int>(k);
        std::string digits = Digits(RoundHalfUp(value, decimals), static_cast<size_t>(decimals) + 1);
        digits.insert(digits.size() - static_cast<size_t>(decimals), ".");
        return digits;
    }

    // Below 1: G digits in the first five decimals, leading zeros dropped.
    const auto scaled = static_cast<std::int64_t>(value * 100000.0);
    const int g = static_cast<int>(Digits(scaled, 0).size());
    if (g <= n) return fiveDecimals;
    const int decimals = n + 5 - g;
    const std::int64_t rounded = RoundHalfUp(value, decimals);
    if (rounded >= RoundHalfUp(1.0, decimals)) return "1." + std::string(static_cast<size_t>(decimals), '0');
    return "0." + Digits(rounded, static_cast<size_t>(decimals));
}

void RequireWritable(double value, int n) {
    if (!std::isfinite(value)) throw std::domain_error("FormatSignificant: the value is not a finite number");
    if (n < 1 || n > 15) throw std::invalid_argument("FormatSignificant: n must lie between 1 and 15");
}

}  // namespace

double ShownDecimal::value() const { return static_cast<double>(digits) / PowerOfTen(decimals); }

std::optional<ShownDecimal> UsualShownDecimal(double magnitude, int n) {
    if (!(magnitude >= 1.0 && magnitude < 1e15)) return std::nullopt;
    const double whole = std::floor(magnitude);
    // The five-decimal text carries into the next whole number from .999995 on.
    if (magnitude - whole >= 0.99999) return std::nullopt;
    int wholeDigits = 1;
    for (double limit = 10.0; whole >= limit; limit *= 10.0) ++wholeDigits;
    if (wholeDigits > n) return ShownDecimal{static_cast<std::int64_t>(whole), 0};
    const int decimals = n - wholeDigits;
    return ShownDecimal{RoundHalfUp(magnitude, decimals), decimals};
}

std::string FormatSignificant(double value, int n) {
    RequireWritable(value, n);
    if (const std::optional<ShownDecimal> shown = UsualShownDecimal(std::fabs(value), n)) {
        // At least n digits, so the point always has a digit before it.
        std::string text = Digits(shown->digits, 0);
        if (shown->decimals > 0) text.insert(text.size() - static_cast<size_t>(shown->decimals), ".");
        return value < 0.0 ? "-" + text : text;
    }
    return FormatSignificantByFiveDecimals(value, n);
}

std::string FormatSignificantByFiveDecimals(double value, int n) {
    RequireWritable(value, n);
    if (value < 0.0) {
        std::string magnitude = FormatNonNegative(-value, n);
        return ReadsAsZero(magnitude) ? magnitude : "-" + magnitude;
    }
    return FormatNonNegative(value == 0.0 ? 0.0 : value, n);
}

std::string FormatSignificant4(double value) { return FormatSignificant(value, 4); }

}  // namespace keld

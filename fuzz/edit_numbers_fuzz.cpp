// SPDX-License-Identifier: MIT
// What a user types into a number edit of the selection page: the text is
// read as a real and as an integer, and the shown text of each accepted
// value must read back to the same shown text.
#include <locale.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "base/c_locale.h"
#include "decimal_grammar.h"
#include "fuzz_check.h"
#include "selection/page/edit_numbers.h"

namespace {

using keld::fuzz::TrimBlanks;

// What printf writes for an edit's value in the "C" locale, whatever the
// process's own locale (the target runs under a German one).
std::string PrintfInCLocale(float value) {
    const locale_t previous = uselocale(keld::CLocale());
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
    uselocale(previous);
    return text;
}

void CheckReal(std::string_view text) {
    const std::optional<float> value = keld::ParseRealText(text);
    const std::string_view number = TrimBlanks(text);
    const bool decimal = std::regex_match(number.begin(), number.end(), keld::fuzz::DecimalNumber());
    if (!decimal) {
        FUZZ_REQUIRE(!value);
        return;
    }
    // The nearest double, then the nearest float: what the edit keeps.
    const double exact = keld::fuzz::DecimalValue(number);
    if (!(std::fabs(exact) <= std::numeric_limits<float>::max())) {
        FUZZ_REQUIRE(!value);
        return;
    }
    FUZZ_REQUIRE(value.has_value());
    FUZZ_REQUIRE(*value == static_cast<float>(exact));
    FUZZ_REQUIRE(*value != 0 || !std::signbit(*value));

    // A negative zero ("-0", or "-1e-50" below the float range) shows as 0.
    const std::string shown = keld::RealEditText(*value);
    FUZZ_REQUIRE(shown != "-0");
    FUZZ_REQUIRE(shown == PrintfInCLocale(*value == 0 ? 0.0f : *value));
    const std::optional<float> reread = keld::ParseRealText(shown);
    FUZZ_REQUIRE(reread.has_value());
    FUZZ_REQUIRE(keld::RealEditText(*reread) == shown);
}

void CheckInteger(std::string_view text) {
    const std::optional<std::int32_t> value = keld::ParseIntegerText(text);
    std::string_view number = TrimBlanks(text);
    static const std::regex integer(R"([+-]?[0-9]+)");
    if (!std::regex_match(number.begin(), number.end(), integer)) {
        FUZZ_REQUIRE(!value);
        return;
    }
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) number.remove_prefix(1);
    // Eleven significant digits lie beyond the 32-bit range whatever they are.
    const std::size_t firstSignificant = number.find_first_not_of('0');
    const std::string_view digits =
        firstSignificant == std::string_view::npos ? std::string_view("0") : number.substr(firstSignificant);
    std::int64_t magnitude = 0;
    if (digits.size() <= 10) {
        for (char d : digits) magnitude = magnitude * 10 + (d - '0');
    } else {
        magnitude = std::numeric_limits<std::int64_t>::max();
    }
    const std::int64_t exact = negative ? -magnitude : magnitude;
    if (exact < std::numeric_limits<std::int32_t>::min() ||
        exact > std::numeric_limits<std::int32_t>::max()) {
        FUZZ_REQUIRE(!value);
        return;
    }
    FUZZ_REQUIRE(value.has_value() && *value == exact);
    FUZZ_REQUIRE(keld::ParseIntegerText(keld::IntegerEditText(*value)) == value);
}

}  // namespace

// The readers must not depend on the desktop's locale: a German decimal
// comma would turn "12.5" into 12 or into a refusal.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The regular expressions recurse once per character; an edit holds far less.
    if (size > 1024) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReal(text);
    CheckInteger(text);
    return 0;
}

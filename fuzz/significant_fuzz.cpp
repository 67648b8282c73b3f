// SPDX-License-Identifier: MIT
// The significant-figure text the runs show and parse back: any double and
// any digit count either give a plain decimal text close to the value, or
// the documented refusal.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <regex>
#include <stdexcept>
#include <string>

#include "base/significant.h"
#include "decimal_grammar.h"
#include "fuzz_check.h"

namespace {

// One unit of the last digit the text shows: 1 for "12345", 0.01 for "12.35".
double LastDigitUnit(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 1.0 : std::pow(10.0, -static_cast<double>(text.size() - point - 1));
}

void CheckShown(double value, int n, const std::string& text) {
    static const std::regex plainDecimal(R"(-?[0-9]+(\.[0-9]+)?)");
    FUZZ_REQUIRE(std::regex_match(text, plainDecimal));
    const double shown = keld::fuzz::DecimalValue(text);

    // Rounded at the last digit shown, or with more than n whole digits cut
    // there (12345.6 shows as "12345").
    const std::size_t digits = text.size() - (text.front() == '-');
    const bool cut = text.find('.') == std::string::npos && digits > static_cast<std::size_t>(n);
    const double unit = LastDigitUnit(text);
    const double error = cut ? unit : unit / 2;
    FUZZ_REQUIRE(std::fabs(shown - value) <= error * (1 + 1e-9) + std::fabs(value) * 1e-15);
    // A minus sign only on a value that is negative and does not show as 0.
    FUZZ_REQUIRE((text.front() == '-') == (value < 0 && shown != 0));
    // The runs go on with the shown value; formatting it again shows the
    // same number (perhaps with fewer zeros: "10.000" becomes "10.00").
    // The whole digits are counted on the five-decimal text, so a text with
    // more than five decimals may carry into a new whole digit when formatted
    // again (9.999995 at 7 digits shows as 10.00000); the runs use 3 and 4
    // digits, where that cannot happen.
    if (LastDigitUnit(text) >= 1e-5) {
        FUZZ_REQUIRE(keld::fuzz::DecimalValue(keld::FormatSignificant(shown, n)) == shown);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    return 0;
}

// The input is one byte for the digit count (-1 to 16 cover both sides of
// the range) and the eight bytes of the double.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    if (size != 1 + sizeof value) return 0;
    const int n = data[0] % 18 - 1;
    std::memcpy(&value, data + 1, sizeof value);

    if (!std::isfinite(value)) {
        bool refused = false;
        try {
            keld::FormatSignificant(value, n);
        } catch (const std::domain_error&) {
            refused = true;
        }
        FUZZ_REQUIRE(refused);
        return 0;
    }
    if (n < 1 || n > 15) {
        bool refused = false;
        try {
            keld::FormatSignificant(value, n);
        } catch (const std::invalid_argument&) {
            refused = true;
        }
        FUZZ_REQUIRE(refused);
        return 0;
    }
    CheckShown(value, n, keld::FormatSignificant(value, n));
    return 0;
}

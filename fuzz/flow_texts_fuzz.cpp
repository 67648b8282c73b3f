// SPDX-License-Identifier: MIT
// The two-number texts of the unit tables: a permitted flow range
// "minimum-maximum" and a per-module pair "first/second". Each part reads as
// its leading decimal number, whatever the locale, and a part that is none
// reads as 0.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "base/number_text.h"
#include "decimal_grammar.h"
#include "engine/value_pairs.h"
#include "fuzz_check.h"

namespace {

// The leading number of a part after its leading blanks, or 0.
double ExpectedPart(std::string_view part) {
    const std::size_t start = part.find_first_not_of(keld::fuzz::kBlanks);
    if (start == std::string_view::npos) return 0;
    const std::string_view number = keld::fuzz::LeadingDecimal(part.substr(start));
    return number.empty() ? 0 : keld::fuzz::DecimalValue(number);
}

bool SameReading(double value, double expected) { return !std::isnan(value) && value == expected; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The regular expression recurses once per character; a table cell holds far less.
    if (size > 1024) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    FUZZ_REQUIRE(SameReading(keld::LeadingNumber(text), ExpectedPart(text)));

    const keld::FlowRange range = keld::ParseFlowRange(text);
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        FUZZ_REQUIRE(range.minimum == 0 && SameReading(range.maximum, ExpectedPart(text)));
    } else {
        FUZZ_REQUIRE(SameReading(range.minimum, ExpectedPart(text.substr(0, dash))));
        FUZZ_REQUIRE(SameReading(range.maximum, ExpectedPart(text.substr(dash + 1))));
    }

    const keld::ValuePair pair = keld::ParseValuePair(text);
    const std::size_t slash = text.find('/');
    FUZZ_REQUIRE(pair.isPair == (slash != std::string_view::npos));
    if (pair.isPair) {
        FUZZ_REQUIRE(SameReading(pair.first, ExpectedPart(text.substr(0, slash))));
        FUZZ_REQUIRE(SameReading(pair.second, ExpectedPart(text.substr(slash + 1))));
    } else {
        FUZZ_REQUIRE(SameReading(pair.first, ExpectedPart(text)) && pair.second == 0);
    }
    return 0;
}

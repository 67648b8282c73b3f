// SPDX-License-Identifier: MIT
// Numbers read from cells and edits: the value must be the one strtod reads,
// to the last bit, whatever route the reader takes.
#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace keld {
namespace {

// Bit-equal, so that -0 and 0 differ and infinities compare.
::testing::AssertionResult SameBits(const std::string& text, double read, double expected) {
    if (std::signbit(read) == std::signbit(expected) &&
        (read == expected || (std::isnan(read) && std::isnan(expected))))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\"" << text << "\" read as " << read << ", strtod gives " << expected;
}

TEST(NumberTextTest, LeadingNumberReadsWhatStrtodReads) {
    std::vector<std::string> texts = {"0",
                                      "-0",
                                      "+0.5",
                                      "12.5",
                                      ".5",
                                      "5.",
                                      "1e308",
                                      "1e309",
                                      "-1e400",
                                      "1e-320",
                                      "2.4703282292062327e-324",
                                      "1e-400",
                                      "0.1",
                                      "9007199254740993",
                                      "123456789012345678901234567890",
                                      "0.30000000000000004441"};
    std::mt19937_64 random(7);
    for (int i = 0; i < 50000; ++i) {
        std::string text = i % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 19);
        for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
        if (random() % 2) text.insert(text.size() - random() % static_cast<unsigned>(digits), ".");
        if (random() % 3 == 0) text += "e" + std::to_string(static_cast<int>(random() % 40) - 20);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        ASSERT_TRUE(SameBits(text, LeadingNumber(text), std::strtod(text.c_str(), nullptr)));
        ASSERT_TRUE(SameBits(text, LeadingNumber(text + "/45"), std::strtod(text.c_str(), nullptr)));
    }
}

}  // namespace
}  // namespace keld

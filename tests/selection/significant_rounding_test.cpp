// SPDX-License-Identifier: MIT
// The shown value a run goes on with is worked out without its text for the
// usual magnitudes; it must be the very double that reading the text gives.
#include "base/significant_rounding.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "base/number_text.h"
#include "base/significant.h"

namespace keld {
namespace {

double ShownTextReadBack(double value) { return LeadingNumber(FormatSignificantByFiveDecimals(value, 4)); }

void ExpectSameBitsAsTheText(double value) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(RoundSignificant4(value)),
              std::bit_cast<std::uint64_t>(ShownTextReadBack(value)))
        << "value " << std::hexfloat << value << std::defaultfloat << " (" << value << ")";
}

TEST(RoundSignificant4, EdgesGiveTheValueOfTheShownText) {
    for (double value :
         {1.0,          0.99999,    0.999995,     1.00001,     9.9995,       9.99949999,   9.999995,
          9.99999,      99.995,     99.99949,     999.95,      999.99999,    1234.5,       9999.5,
          9999.4999999, 9999.99999, 12345.999991, 12345.99999, 12345.999994, 99999.999996, 999999999999999.9,
          1e15,         1e16,       0.0,          0.000004,    0.12345,      5e-324}) {
        ExpectSameBitsAsTheText(value);
        ExpectSameBitsAsTheText(-value);
    }
    EXPECT_TRUE(std::isnan(RoundSignificant4(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(RoundSignificant4(-std::numeric_limits<double>::infinity()),
              -std::numeric_limits<double>::infinity());
}

// Every four-digit text from 1.000 to 9999, and the doubles on both sides
// of each text's rounding boundary: the division must land on the double
// the text reads as, and the rounding must pick the same text.
TEST(RoundSignificant4, EveryFourDigitTextAndItsRoundingBoundaries) {
    for (double scale : {1000.0, 100.0, 10.0, 1.0}) {
        for (int digits = 1000; digits <= 9999; ++digits) {
            const double text = digits / scale;
            const double boundary = (digits + 0.5) / scale;
            for (double value : {text, std::nextafter(text, 0.0), std::nextafter(text, 1e300), boundary,
                                 std::nextafter(boundary, 0.0), std::nextafter(boundary, 1e300)}) {
                ExpectSameBitsAsTheText(value);
            }
            if (HasFailure()) return;
        }
    }
}

TEST(RoundSignificant4, RandomMagnitudesGiveTheValueOfTheShownText) {
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> exponent(-7.0, 17.0);
    for (int i = 0; i < 200000 && !HasFailure(); ++i) {
        const double value = std::pow(10.0, exponent(random));
        ExpectSameBitsAsTheText(i % 2 == 0 ? value : -value);
    }
}

}  // namespace
}  // namespace keld

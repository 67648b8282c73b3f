// SPDX-License-Identifier: MIT
#include "base/significant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <stdexcept>
#include <vector>

namespace keld {
namespace {

struct SignificantCase {
    double value;
    int n;
    const char* text;
};

void PrintTo(const SignificantCase& c, std::ostream* out) { *out << c.value << " n" << c.n; }

class FormatSignificantTest : public testing::TestWithParam<SignificantCase> {};

TEST_P(FormatSignificantTest, WritesTheRoundedText) {
    const SignificantCase& c = GetParam();
    EXPECT_EQ(FormatSignificant(c.value, c.n), c.text) << "value " << c.value << ", n " << c.n;
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatSignificantTest,
                         testing::Values(
                             // At and above 1: n digits, whole digits beyond n kept, fraction dropped.
                             SignificantCase{12.3456, 4, "12.35"}, SignificantCase{123.456, 4, "123.5"},
                             SignificantCase{1234.5, 4, "1235"},  // half up, where printf would round to even
                             SignificantCase{12345.6, 4, "12345"}, SignificantCase{5, 4, "5.000"},
                             SignificantCase{1, 3, "1.00"}, SignificantCase{9999.6, 4, "10000"},
                             // Carries into a new leading digit.
                             SignificantCase{99.996, 4, "100.00"}, SignificantCase{9.9996, 4, "10.000"},
                             SignificantCase{0.999996, 4, "1.000"},  // five decimals already read 1.00000
                             // Below 1: five decimals while they hold at most n digits.
                             SignificantCase{0.123456, 4, "0.1235"}, SignificantCase{0.0123456, 4, "0.01235"},
                             SignificantCase{0.00123, 4, "0.00123"}, SignificantCase{0.018, 3, "0.0180"},
                             SignificantCase{0.5, 4, "0.5000"}, SignificantCase{0.00001, 4, "0.00001"},
                             SignificantCase{0.000004, 4, "0.00000"}, SignificantCase{0.09996, 3, "0.1000"},
                             SignificantCase{0.99996, 4, "1.0000"}, SignificantCase{0.99994, 4, "0.9999"},
                             SignificantCase{0.0, 4, "0.00000"},
                             // Five digits in the five decimals from 0.1 on (the digits counted
                             // on the value times 100000, before any rounding); exactly n digits
                             // keep the five-decimal text and its rounding.
                             SignificantCase{0.1, 4, "0.1000"}, SignificantCase{0.099999995, 4, "0.10000"},
                             SignificantCase{0.012355, 4, "0.01235"},
                             // Large values keep every whole digit, no integer overflow.
                             SignificantCase{123456789012.7, 4, "123456789012"},
                             SignificantCase{1e15, 4, "1000000000000000"},
                             SignificantCase{999999999999999.9, 3, "999999999999999"},
                             SignificantCase{123456.7, 15, "123456.700000000"},
                             // Negative values: the magnitude's text with a sign; zero stays unsigned.
                             SignificantCase{-12.3456, 4, "-12.35"}, SignificantCase{-0.018, 3, "-0.0180"},
                             SignificantCase{-1e15, 4, "-1000000000000000"},
                             SignificantCase{-0.0, 4, "0.00000"}, SignificantCase{-0.000001, 4, "0.00000"}));

TEST(FormatSignificant4Test, IsFourDigits) {
    EXPECT_EQ(FormatSignificant4(12.3456), "12.35");
    EXPECT_EQ(FormatSignificant4(0.09996), "0.09996");
}

TEST(FormatSignificantTest, RefusesWhatItCannotWrite) {
    EXPECT_THROW(FormatSignificant(std::numeric_limits<double>::quiet_NaN(), 4), std::domain_error);
    EXPECT_THROW(FormatSignificant(std::numeric_limits<double>::infinity(), 4), std::domain_error);
    EXPECT_THROW(FormatSignificant(-std::numeric_limits<double>::infinity(), 3), std::domain_error);
    EXPECT_THROW(FormatSignificant(1.0, 0), std::invalid_argument);
    EXPECT_THROW(FormatSignificant(1.0, 16), std::invalid_argument);
}

// The short way for usual magnitudes writes the text the five-decimal rule
// writes: at every digit count, around each change of whole digits, each
// carry and each rounding boundary, and over random magnitudes.
TEST(FormatSignificantTest, TheShortWayWritesTheTextOfTheFiveDecimalRule) {
    std::vector<double> values;
    for (double power = 1.0; power <= 1e16; power *= 10.0) {
        for (double offset : {-0.5, -0.000005, -0.00001, -0.00002, 0.0, 0.00001, 0.49999, 0.5}) {
            values.push_back(power + offset);
        }
    }
    for (double text : {1.2345, 12.345, 123.45, 1234.5, 9.99995, 99.99949, 12345.999994, 12345.999996}) {
        values.insert(values.end(), {text, std::nextafter(text, 0.0), std::nextafter(text, 1e300)});
    }
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> exponent(-1.0, 16.0);
    for (int i = 0; i < 20000; ++i) values.push_back(std::pow(10.0, exponent(random)));

    for (int n = 1; n <= 15; ++n) {
        for (double value : values) {
            for (double signedValue : {value, -value}) {
                ASSERT_EQ(FormatSignificant(signedValue, n), FormatSignificantByFiveDecimals(signedValue, n))
                    << std::hexfloat << signedValue << " n" << n;
            }
        }
    }
}

}  // namespace
}  // namespace keld

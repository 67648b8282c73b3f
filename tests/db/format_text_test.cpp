// SPDX-License-Identifier: MIT
// Statements and figures are written without printf for the common
// conversions; the text must be exactly printf's, digit for digit.
#include "base/format_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace keld {
namespace {

template <typename... Values>
std::string Printf(const char* format, Values... values) {
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

TEST(FormatTextTest, WritesWhatPrintfWritesForEveryRealConversion) {
    // Halfway cases (0.0078125 lies exactly between two six-decimal texts),
    // negative zero, the smallest and largest reals, and a random sweep over
    // the magnitudes statements and figures meet.
    std::vector<double> values = {0.0,          -0.0,  0.0078125, 2.5,    0.125, 1e20,    -1e-7,   DBL_MIN,
                                  DBL_TRUE_MIN, 1e300, DBL_MAX,   0.5e-6, 7.5,   12.3456, 99.9995, -35.00005};
    std::mt19937_64 random(10);
    for (int i = 0; i < 20000; ++i) {
        std::uniform_real_distribution<double> exponent(-8, 8);
        values.push_back(std::pow(10.0, exponent(random)) * (i % 3 == 0 ? -1 : 1));
        values.push_back(std::round(values.back() * 1e6) / 1e6 + 5e-7);  // near halfway at six decimals
    }
    for (const char* format : {"%f", "%.0f", "%.1f", "%.2f", "%.5f", "[LWT]=%f ", "%g", "size %g", "%.0g",
                               "%.1g", "%.6g", "%.9g"}) {
        for (double value : values) {
            ASSERT_EQ(FormatText(format, value), Printf(format, value)) << format << " of " << value;
        }
    }
    // An edit's text: "%.*g" at every precision, of floats as the page holds
    // them, whole numbers around each count of digits among them.
    for (double whole :
         {1.0, 9.0, 10.0, 35.0, 500.0, 99999.0, 999999.0, 1e6, 123456789.0, 1e9, 4294967296.0}) {
        values.insert(values.end(), {whole, -whole, whole + 1});
    }
    for (int precision : {0, 1, 2, 3, 6, 9, 10, 17}) {
        for (double value : values) {
            const double asFloat = static_cast<float>(value);
            ASSERT_EQ(FormatText("%.*g", precision, asFloat), Printf("%.*g", precision, asFloat))
                << precision << " of " << asFloat;
        }
    }
}

TEST(FormatTextTest, WritesTextsIntegersAndTheRestAsPrintfDoes) {
    EXPECT_EQ(FormatText("select * from %s where %s = %f", "High", "Highth", 250.0),
              "select * from High where Highth = 250.000000");
    EXPECT_EQ(FormatText("Type=%d and %lld, 100%%", INT_MIN, LLONG_MIN),
              "Type=-2147483648 and -9223372036854775808, 100%");
    // Left to printf: flags, widths, other conversions, values that are not finite.
    EXPECT_EQ(FormatText("%0lX|%.*g|%5.1f", 0xABCUL, 3, 1.23456, 2.25), "ABC|1.23|  2.2");
    EXPECT_EQ(FormatText("%.*g|%.*g", -1, 1.23456789, 40, 0.5),
              Printf("%.*g", -1, 1.23456789) + "|" + Printf("%.*g", 40, 0.5));
    EXPECT_EQ(FormatText("%f %f", INFINITY, -NAN), Printf("%f", INFINITY) + " " + Printf("%f", -NAN));
    EXPECT_EQ(FormatText("%s", "100% sure"), "100% sure");
}

}  // namespace
}  // namespace keld

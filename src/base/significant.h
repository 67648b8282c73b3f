// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace keld {

// Rounds to n significant digits and writes decimal text; the runs parse it
// back so later arithmetic uses the shown value (n is 4 for most values, 3
// for some). Rounding is half up on the binary value (add one half, take the
// floor). Values of 1 and above keep their whole digits: with more than n of
// them the fraction is dropped (12345.6 gives "12345"); otherwise n digits
// are shown (12.3456 gives "12.35", 5 gives "5.000", 9.9996 gives "10.000").
// Values below 1 keep five decimals while those hold at most n significant
// digits (0.00123 gives "0.00123"), else n digits (0.123456 gives "0.1235").
// A negative value gives its magnitude's text with a minus sign, unless that
// text is all zeros; -0 reads as 0. NaN or infinity raise std::domain_error,
// n outside 1..15 raises std::invalid_argument.
std::string FormatSignificant(double value, int n);
std::string FormatSignificant4(double value);

// The rule above worked through the five-decimal text of the value, for any
// value. FormatSignificant gives the same text, taking the short way for the
// magnitudes the runs meet.
std::string FormatSignificantByFiveDecimals(double value, int n);

// A shown text of 1 and above as its digits and the decimals among them:
// "12.35" is {1235, 2}, "12345" is {12345, 0}.
struct ShownDecimal {
    std::int64_t digits = 0;
    int decimals = 0;

    // The value of the text: digits / 10^decimals, two exact numbers whose
    // correctly rounded quotient is the very double that reading the text
    // gives.
    double value() const;
};

// The shown decimal of a magnitude from 1 to 10^15 whose fraction is well
// away from carrying into the next whole number (capacities, powers, flows),
// worked out without the five-decimal text; nullopt for any other value.
std::optional<ShownDecimal> UsualShownDecimal(double magnitude, int n);

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace keld {

// Texts of the unit tables that hold two numbers. Each part is read as its
// leading number (LeadingNumber); a part that is not a number counts as 0.

// A permitted water-flow range in L/s, stored as "minimum-maximum".
struct FlowRange {
    double minimum = 0;
    double maximum = 0;
};

// Splits at the first "-". A text without "-" is the maximum alone, with a
// minimum of 0.
FlowRange ParseFlowRange(std::string_view text);

// A per-module pair such as the pressure drops "45.3/61.8" of a two-module
// unit. A text without "/" is one value (in `first`, `second` 0).
struct ValuePair {
    double first = 0;
    double second = 0;
    bool isPair = false;
};

// Splits at the first "/".
ValuePair ParseValuePair(std::string_view text);

}  // namespace keld

// SPDX-License-Identifier: MIT
#include "selection/launch_parameters.h"

namespace keld {
namespace {

// One character of the launch text read as a decimal digit; anything else,
// or a text too short to have that character, switches nothing.
int DigitAt(std::string_view text, std::size_t position) {
    if (position >= text.size()) return 0;
    const char c = text[position];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

LaunchParameters DecodeLaunchText(std::string_view text) {
    LaunchParameters launch;
    launch.FirstDigit = DigitAt(text, 0);
    launch.SecondDigit = DigitAt(text, 1);
    launch.Brand = text.find(kSecondBrand) != std::string_view::npos ? kSecondBrand : "Norvex";
    return launch;
}

bool IsSecondBrand(const LaunchParameters& launch) { return launch.Brand == kSecondBrand; }

}  // namespace keld

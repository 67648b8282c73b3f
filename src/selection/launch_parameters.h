// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace keld {

// What the launcher passes: two switch digits and the brand to show.
struct LaunchParameters {
    int FirstDigit = 0;            // 0: the glycol notice is shown when the run raises the glycol
    int SecondDigit = 0;           // 4: GV5 units built on modules 4, 7 or 10 are skipped
    std::string Brand = "Norvex";  // "BREXAL" or "Norvex"
};

inline constexpr const char* kSecondBrand = "BREXAL";

// Decodes the launch text (UTF-8): its first two characters as digits
// (anything else, or a missing character, 0) and the brand "BREXAL" when the
// text contains that word anywhere.
LaunchParameters DecodeLaunchText(std::string_view text);

bool IsSecondBrand(const LaunchParameters& launch);

}  // namespace keld

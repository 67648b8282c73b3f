// SPDX-License-Identifier: MIT
// The text the launcher passes: the two switch digits and the brand must
// come out of any text, and from well-formed UTF-8 exactly as its first two
// characters and the word "BREXAL" say.
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "selection/launch_parameters.h"
#include "utf8_oracle.h"

namespace {

// The switch a character sets: its digit, or 0 for anything else.
int SwitchOf(const std::vector<char32_t>& characters, std::size_t i) {
    if (i >= characters.size() || characters[i] < U'0' || characters[i] > U'9') return 0;
    return static_cast<int>(characters[i] - U'0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const keld::LaunchParameters launch = keld::DecodeLaunchText(text);

    FUZZ_REQUIRE(launch.FirstDigit >= 0 && launch.FirstDigit <= 9);
    FUZZ_REQUIRE(launch.SecondDigit >= 0 && launch.SecondDigit <= 9);
    const bool second = text.find("BREXAL") != std::string_view::npos;
    FUZZ_REQUIRE(keld::IsSecondBrand(launch) == second);
    FUZZ_REQUIRE(launch.Brand == (second ? "BREXAL" : "Norvex"));

    if (keld::fuzz::IsWellFormedUtf8(text)) {
        const std::vector<char32_t> characters = keld::fuzz::DecodeWithReplacement(text);
        FUZZ_REQUIRE(launch.FirstDigit == SwitchOf(characters, 0));
        FUZZ_REQUIRE(launch.SecondDigit == SwitchOf(characters, 1));
    }
    return 0;
}

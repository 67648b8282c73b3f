// SPDX-License-Identifier: MIT
#include "selection/launch_parameters.h"

namespace keld {
namespace {

// The length of the character that starts `text` (0 for an empty text). The
// launch text is UTF-8: a lead byte takes the continuation bytes after it, at
// most three; an ASCII byte, or a byte that is no UTF-8, stands alone.
std::size_t CharacterLength(std::string_view text) {
    if (text.empty()) return 0;
    std::size_t length = 1;
    if (static_cast<unsigned char>(text[0]) < 0xC0) return length;
    while (length < text.size() && length < 4 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

// One character of the launch text read as a decimal digit; anything else,
// or a text too short to have that character, switches nothing.
int DigitOf(std::string_view character) {
    if (character.size() != 1) return 0;
    const char c = character.front();
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

LaunchParameters DecodeLaunchText(std::string_view text) {
    LaunchParameters launch;
    const std::string_view first = text.substr(0, CharacterLength(text));
    const std::string_view rest = text.substr(first.size());
    launch.FirstDigit = DigitOf(first);
    launch.SecondDigit = DigitOf(rest.substr(0, CharacterLength(rest)));
    launch.Brand = text.find(kSecondBrand) != std::string_view::npos ? kSecondBrand : "Norvex";
    return launch;
}

bool IsSecondBrand(const LaunchParameters& launch) { return launch.Brand == kSecondBrand; }

}  // namespace keld

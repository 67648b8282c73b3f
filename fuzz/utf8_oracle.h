// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace keld::fuzz {

// The well-formed UTF-8 byte sequences, row by row as the Unicode standard
// tabulates them (Table 3-7): the lead byte's range, then the range of each
// following byte. The writers' own decoders are checked against this table.
struct Utf8Row {
    std::uint8_t leadLow, leadHigh;
    int length;
    std::array<std::uint8_t, 3> low, high;  // bytes 2 to 4
};

inline constexpr std::array<Utf8Row, 9> kWellFormedUtf8 = {{
    {0x00, 0x7F, 1, {}, {}},
    {0xC2, 0xDF, 2, {0x80}, {0xBF}},
    {0xE0, 0xE0, 3, {0xA0, 0x80}, {0xBF, 0xBF}},
    {0xE1, 0xEC, 3, {0x80, 0x80}, {0xBF, 0xBF}},
    {0xED, 0xED, 3, {0x80, 0x80}, {0x9F, 0xBF}},
    {0xEE, 0xEF, 3, {0x80, 0x80}, {0xBF, 0xBF}},
    {0xF0, 0xF0, 4, {0x90, 0x80, 0x80}, {0xBF, 0xBF, 0xBF}},
    {0xF1, 0xF3, 4, {0x80, 0x80, 0x80}, {0xBF, 0xBF, 0xBF}},
    {0xF4, 0xF4, 4, {0x80, 0x80, 0x80}, {0x8F, 0xBF, 0xBF}},
}};

// The length of the well-formed sequence at the start of `text`, 0 if none.
inline int WellFormedLength(std::string_view text) {
    if (text.empty()) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    for (const Utf8Row& row : kWellFormedUtf8) {
        if (byte(0) < row.leadLow || byte(0) > row.leadHigh) continue;
        if (text.size() < static_cast<std::size_t>(row.length)) return 0;
        for (int k = 1; k < row.length; ++k) {
            if (byte(k) < row.low[k - 1] || byte(k) > row.high[k - 1]) return 0;
        }
        return row.length;
    }
    return 0;
}

inline bool IsWellFormedUtf8(std::string_view text) {
    while (!text.empty()) {
        const int length = WellFormedLength(text);
        if (length == 0) return false;
        text.remove_prefix(static_cast<std::size_t>(length));
    }
    return true;
}

// The characters of `text`, each byte that starts no well-formed sequence
// read as U+FFFD: the replacement the program promises wherever it takes
// text from a user or a database.
inline std::vector<char32_t> DecodeWithReplacement(std::string_view text) {
    std::vector<char32_t> characters;
    while (!text.empty()) {
        const int length = WellFormedLength(text);
        if (length == 0) {
            characters.push_back(0xFFFD);
            text.remove_prefix(1);
            continue;
        }
        // The lead byte keeps 7, 5, 4 or 3 value bits; each further byte 6.
        static constexpr std::array<std::uint8_t, 5> kLeadBits = {0, 0x7F, 0x1F, 0x0F, 0x07};
        char32_t c = static_cast<std::uint8_t>(text[0]) & kLeadBits[static_cast<std::size_t>(length)];
        for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<std::uint8_t>(text[k]) & 0x3F);
        characters.push_back(c);
        text.remove_prefix(static_cast<std::size_t>(length));
    }
    return characters;
}

// Appends the UTF-8 of a character (a scalar value: no surrogate, at most
// U+10FFFF).
inline void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
        return;
    }
    const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr std::array<std::uint8_t, 5> kLeadMark = {0, 0, 0xC0, 0xE0, 0xF0};
    text += static_cast<char>(kLeadMark[static_cast<std::size_t>(length)] | (c >> (6 * (length - 1))));
    for (int k = length - 2; k >= 0; --k) text += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

inline std::string EncodeAll(const std::vector<char32_t>& characters) {
    std::string text;
    for (char32_t c : characters) AppendUtf8(text, c);
    return text;
}

}  // namespace keld::fuzz

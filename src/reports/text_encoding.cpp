// SPDX-License-Identifier: MIT
#include "reports/text_encoding.h"

#include <iconv.h>

#include <array>
#include <optional>

namespace keld {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The characters WinAnsi places in 0x80..0x9F; 0 where the slot is empty.
constexpr std::array<char32_t, 32> kWinAnsiHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::optional<char> WinAnsiByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kWinAnsiHighControls.size(); ++i) {
        if (kWinAnsiHighControls[i] != 0 && kWinAnsiHighControls[i] == c) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

std::vector<char32_t> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> codePoints;
    codePoints.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1, value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, value = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, value = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, value = lead & 0x07, minimum = 0x10000;
        }
        bool wellFormed = length > 0 && i + length <= text.size();
        for (int k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            wellFormed = (next & 0xC0) == 0x80;
            value = (value << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        wellFormed =
            wellFormed && value >= minimum && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        if (wellFormed) {
            codePoints.push_back(value);
            i += length;
        } else {
            codePoints.push_back(kReplacement);
            ++i;
        }
    }
    return codePoints;
}

std::string EncodeUtf8(char32_t c) {
    std::string bytes;
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
    return bytes;
}

std::string Utf8ToWinAnsi(std::string_view text) {
    // Nearly every text of the sheet is plain ASCII; it passes unchanged.
    bool ascii = true;
    for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(text);

    std::string bytes;
    for (char32_t c : DecodeUtf8(text)) bytes += WinAnsiByte(c).value_or('?');
    return bytes;
}

// Code page 936 converts the way the Chinese desktop does ("·" is A1A4
// there, as in the printed GB 2312 table); only its GB 2312 part is kept.
Gb2312Encoder::Gb2312Encoder() : converter_(iconv_open("CP936", "UTF-8")) {}

Gb2312Encoder::~Gb2312Encoder() {
    if (converter_ != reinterpret_cast<void*>(-1)) iconv_close(static_cast<iconv_t>(converter_));
}

std::optional<std::string> Gb2312Encoder::encode(char32_t codePoint) {
    if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
    if (converter_ == reinterpret_cast<void*>(-1)) return std::nullopt;

    std::string utf8 = EncodeUtf8(codePoint);
    char output[8];
    char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* out = output;
    std::size_t outLeft = sizeof output;
    auto* cd = static_cast<iconv_t>(converter_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    // GB 2312 is the two-byte range A1..FE A1..FE of the code page.
    const auto inGb2312 = [](char byte) {
        const auto value = static_cast<unsigned char>(byte);
        return value >= 0xA1 && value <= 0xFE;
    };
    if (out - output != 2 || !inGb2312(output[0]) || !inGb2312(output[1])) return std::nullopt;
    return std::string(output, out);
}

}  // namespace keld

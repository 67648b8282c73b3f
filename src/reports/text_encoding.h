// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace keld {

// The code points of UTF-8 text. A byte that does not start a well-formed
// sequence becomes U+FFFD, so text typed or passed in by anyone decodes.
std::vector<char32_t> DecodeUtf8(std::string_view text);

// UTF-8 of one code point.
std::string EncodeUtf8(char32_t codePoint);

// The 8-bit Latin (WinAnsi) byte of a character, nothing when the encoding
// lacks it.
std::optional<char> WinAnsiByte(char32_t codePoint);

// The 8-bit Latin (WinAnsi) bytes the writer's Helvetica expects. A character
// the encoding lacks prints as "?".
std::string Utf8ToWinAnsi(std::string_view text);

// Turns single characters into the GB 2312 bytes (EUC-CN) of the Chinese
// font. One encoder serves one text; it holds an iconv descriptor.
class Gb2312Encoder {
public:
    Gb2312Encoder();
    ~Gb2312Encoder();
    Gb2312Encoder(const Gb2312Encoder&) = delete;
    Gb2312Encoder& operator=(const Gb2312Encoder&) = delete;

    // The byte of an ASCII character, the two bytes of a GB 2312 one;
    // nothing for a character outside GB 2312.
    std::optional<std::string> encode(char32_t codePoint);

private:
    void* converter_;  // iconv_t, or (iconv_t)-1 when the system lacks GB 2312
};

}  // namespace keld

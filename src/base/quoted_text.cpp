// SPDX-License-Identifier: MIT
#include "base/quoted_text.h"

namespace keld {

std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;
    if (lead == 0xED && byte(1) > 0x9F) return 0;
    if (lead == 0xF0 && byte(1) < 0x90) return 0;
    if (lead == 0xF4 && byte(1) > 0x8F) return 0;
    return length;
}

namespace {

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits) {
    static const char kDigits[] = "0123456789abcdef";
    out += prefix;
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

}  // namespace

std::string EscapedForTerminal(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text.substr(i));
        const auto byte = static_cast<unsigned char>(text[i]);
        if (length == 0) {
            AppendHex(out, "\\x", byte, 2);
            ++i;
            continue;
        }
        if (length == 1 && (byte < 0x20 || byte == 0x7F)) {
            switch (byte) {
                case 0:
                    out += "\\0";
                    break;
                case '\b':
                    out += "\\b";
                    break;
                case '\t':
                    out += "\\t";
                    break;
                case '\n':
                    out += "\\n";
                    break;
                case '\r':
                    out += "\\r";
                    break;
                default:
                    AppendHex(out, "\\x", byte, 2);
            }
        } else if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            AppendHex(out, "\\u", static_cast<unsigned char>(text[i + 1]), 4);  // a C1 control
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
    }
    return out;
}

std::string Shortened(std::string_view text) {
    if (text.size() <= kQuotedBytes) return EscapedForTerminal(text);
    std::size_t cut = kQuotedBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return EscapedForTerminal(text.substr(0, cut)) + "…";
}

std::string Quoted(std::string_view text) { return "'" + Shortened(text) + "'"; }

}  // namespace keld

// SPDX-License-Identifier: MIT
// The JSON that `keld-cli --json` prints for database and user texts: every
// text must become one valid JSON string (RFC 8259) in valid UTF-8 that
// reads back to the text, with U+FFFD for each byte that is no UTF-8; every
// float a JSON number that reads back to it.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <system_error>

#include "fuzz_check.h"
#include "session/selection_json.h"
#include "utf8_oracle.h"

namespace {

std::optional<unsigned> HexQuad(std::string_view text) {
    unsigned value = 0;
    if (text.size() < 4) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + 4, value, 16);
    if (error != std::errc() || end != text.data() + 4) return std::nullopt;
    return value;
}

// The text of a JSON string literal, read by the rules of RFC 8259; nullopt
// when `json` is anything but exactly one such literal.
std::optional<std::string> ReadJsonString(std::string_view json) {
    if (json.size() < 2 || json.front() != '"' || json.back() != '"') return std::nullopt;
    json = json.substr(1, json.size() - 2);
    std::string text;
    while (!json.empty()) {
        const char c = json.front();
        json.remove_prefix(1);
        if (static_cast<unsigned char>(c) < 0x20 || c == '"') return std::nullopt;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (json.empty()) return std::nullopt;
        const char escape = json.front();
        json.remove_prefix(1);
        static constexpr std::string_view kShort = "\"\\/bfnrt", kMeaning = "\"\\/\b\f\n\r\t";
        if (const std::size_t i = kShort.find(escape); i != std::string_view::npos) {
            text += kMeaning[i];
            continue;
        }
        if (escape != 'u') return std::nullopt;
        std::optional<unsigned> unit = HexQuad(json);
        if (!unit) return std::nullopt;
        json.remove_prefix(4);
        char32_t character = *unit;
        if (*unit >= 0xD800 && *unit <= 0xDBFF) {  // a surrogate pair
            if (json.substr(0, 2) != "\\u") return std::nullopt;
            const std::optional<unsigned> low = HexQuad(json.substr(2));
            if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
            json.remove_prefix(6);
            character = 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00);
        } else if (*unit >= 0xDC00 && *unit <= 0xDFFF) {
            return std::nullopt;
        }
        keld::fuzz::AppendUtf8(text, character);
    }
    return text;
}

void CheckString(std::string_view text) {
    const std::string json = keld::JsonString(text);
    FUZZ_REQUIRE(keld::fuzz::IsWellFormedUtf8(json));
    const std::optional<std::string> read = ReadJsonString(json);
    FUZZ_REQUIRE(read.has_value());
    FUZZ_REQUIRE(*read == keld::fuzz::EncodeAll(keld::fuzz::DecodeWithReplacement(text)));
}

void CheckNumber(float value) {
    const std::string json = keld::JsonNumber(value).dump();
    if (!std::isfinite(value)) {
        FUZZ_REQUIRE(json == "null");
        return;
    }
    static const std::regex jsonNumber(R"(-?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?)");
    FUZZ_REQUIRE(std::regex_match(json, jsonNumber));
    float read = 0;
    const auto [end, error] = std::from_chars(json.data(), json.data() + json.size(), read);
    FUZZ_REQUIRE(error == std::errc() && end == json.data() + json.size() && read == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckString(std::string_view(reinterpret_cast<const char*>(data), size));
    float value = 0;
    if (size >= sizeof value) {
        std::memcpy(&value, data, sizeof value);
        CheckNumber(value);
    }
    return 0;
}

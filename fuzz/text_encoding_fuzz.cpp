// SPDX-License-Identifier: MIT
// The text encoding of the datasheet: header texts and database texts in
// UTF-8, decoded character by character, then printed as WinAnsi bytes in
// Helvetica or as GB 2312 bytes in the Chinese font. The decoder is checked
// against the table of well-formed UTF-8, the two byte encodings against
// the system's own converters.
#include <iconv.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "reports/text_encoding.h"
#include "utf8_oracle.h"

namespace {

// One character converted by the C library between UTF-8 and a code page;
// nullopt when the code page lacks it.
class SystemConverter {
public:
    SystemConverter(const char* to, const char* from) : converter_(iconv_open(to, from)) {
        FUZZ_REQUIRE(converter_ != reinterpret_cast<iconv_t>(-1));
    }
    ~SystemConverter() { iconv_close(converter_); }
    SystemConverter(const SystemConverter&) = delete;
    SystemConverter& operator=(const SystemConverter&) = delete;

    std::optional<std::string> convert(std::string input) {
        char output[16];
        char* in = input.data();
        std::size_t inLeft = input.size();
        char* out = output;
        std::size_t outLeft = sizeof output;
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
            return std::nullopt;
        }
        return std::string(output, out);
    }

private:
    iconv_t converter_;
};

std::string Utf8Of(char32_t c) {
    std::string text;
    keld::fuzz::AppendUtf8(text, c);
    return text;
}

// Helvetica's byte for a character: Windows code page 1252, or "?".
char ExpectedWinAnsi(char32_t c) {
    static SystemConverter toCp1252("CP1252", "UTF-8");
    const std::optional<std::string> bytes = toCp1252.convert(Utf8Of(c));
    return bytes && bytes->size() == 1 ? bytes->front() : '?';
}

void CheckChineseFont(keld::Gb2312Encoder& encoder, char32_t c) {
    const std::optional<std::string> bytes = encoder.encode(c);
    if (c < 0x80) {
        FUZZ_REQUIRE(bytes == std::string(1, static_cast<char>(c)));
        return;
    }
    if (!bytes) return;
    // Two bytes of the GB 2312 rows, which read back as the same character.
    const auto inRows = [](char b) {
        return static_cast<unsigned char>(b) >= 0xA1 && static_cast<unsigned char>(b) <= 0xFE;
    };
    FUZZ_REQUIRE(bytes->size() == 2 && inRows((*bytes)[0]) && inRows((*bytes)[1]));
    static SystemConverter fromCp936("UTF-8", "CP936");
    FUZZ_REQUIRE(fromCp936.convert(*bytes) == Utf8Of(c));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<char32_t> characters = keld::DecodeUtf8(text);
    FUZZ_REQUIRE(characters == keld::fuzz::DecodeWithReplacement(text));

    const std::string winAnsi = keld::Utf8ToWinAnsi(text);
    FUZZ_REQUIRE(winAnsi.size() == characters.size());
    keld::Gb2312Encoder encoder;
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        FUZZ_REQUIRE(keld::EncodeUtf8(c) == Utf8Of(c));
        FUZZ_REQUIRE(winAnsi[i] == ExpectedWinAnsi(c));
        CheckChineseFont(encoder, c);
    }
    return 0;
}

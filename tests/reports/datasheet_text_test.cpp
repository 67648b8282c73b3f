// SPDX-License-Identifier: MIT
#include "reports/datasheet_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "reports/text_encoding.h"

namespace keld {
namespace {

TEST(PressureDropText, PrintsEachModuleToThreeFiguresAndKeepsDashes) {
    const struct {
        const char* cell;
        const char* printed;
    } cases[] = {
        {"61.8", "61.8"},      {"45.27/38.14", "45.3/38.1"}, {"-/38.14", "-/38.1"},
        {"45.27/-", "45.3/-"}, {"123.456", "123"},           {"71.04", "71.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(PressureDropText(c.cell), c.printed) << c.cell;
}

TEST(CanonicalModelName, TurnsSecondBrandNamesBackIntoStoredNames) {
    const struct {
        const char* shown;
        bool secondBrand;
        const char* stored;
    } cases[] = {
        {"WOTA130GN5-LQE", true, "QTK130GN5-LQE"},
        {"WOH245GP5-LQEE", true, "QHK245GP5-LQE"},
        {"WOQ325GV5-LQEE", true, "QSK325GV5-LQE"},
        {"QHK245GP5-LQE", true, "QHK245GP5-LQE"},
        // Norvex names are the stored names, whatever they look like.
        {"WOH245GP5-LQEE", false, "WOH245GP5-LQEE"},
        {"QTK130GN5-LQE", false, "QTK130GN5-LQE"},
    };
    for (const auto& c : cases) EXPECT_EQ(CanonicalModelName(c.shown, c.secondBrand), c.stored) << c.shown;
}

TEST(EscapeSqlQuotes, DoublesEverySingleQuote) {
    EXPECT_EQ(EscapeSqlQuotes("QTK9'9GN5-LQE"), "QTK9''9GN5-LQE");
    EXPECT_EQ(EscapeSqlQuotes("'; drop table x; --'"), "''; drop table x; --''");
}

TEST(TextEncoding, HelveticaTextBecomesWinAnsiWithQuestionMarksForTheRest) {
    EXPECT_EQ(Utf8ToWinAnsi("380V/3Ph/50Hz"), "380V/3Ph/50Hz");
    EXPECT_EQ(Utf8ToWinAnsi("35 °C"),
              "35 \xB0"
              "C");
    EXPECT_EQ(Utf8ToWinAnsi("€ – Müller"), "\x80 \x96 M\xFCller");
    EXPECT_EQ(Utf8ToWinAnsi("北京"), "??");
    // The first byte past ASCII is no character of its own.
    EXPECT_EQ(Utf8ToWinAnsi("\x80"), "?");
    // Broken UTF-8 (a lone lead byte, a stray continuation byte) never stops the text.
    EXPECT_EQ(Utf8ToWinAnsi("A\xE5"
                            "B\x80"),
              "A?B?");
}

// WinAnsi keeps ASCII and Latin-1 from U+00A0 as they are; of 0x80..0x9F
// only the slots its own table fills.
TEST(TextEncoding, WinAnsiBytesAtTheEdgesOfItsRanges) {
    const struct {
        char32_t codePoint;
        std::optional<char> byte;
    } cases[] = {
        {0x7F, '\x7F'},        {0x80, std::nullopt}, {0x81, std::nullopt}, {0x9F, std::nullopt},
        {0xA0, '\xA0'},        {0xA1, '\xA1'},       {0xFE, '\xFE'},       {0xFF, '\xFF'},
        {0x100, std::nullopt}, {0x20AC, '\x80'},     {0x0178, '\x9F'},     {0x2122, '\x99'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WinAnsiByte(c.codePoint), c.byte) << std::hex << static_cast<unsigned>(c.codePoint);
}

// Each sequence length at its smallest and largest code point, the overlong
// form just below, the surrogates' edges and the end of Unicode.
TEST(TextEncoding, Utf8AtTheLimitsOfEachSequenceLength) {
    const struct {
        std::string bytes;
        std::vector<char32_t> codePoints;
    } cases[] = {
        {std::string(1, '\0'), {0}},
        {"\x7F", {0x7F}},
        {"\xC1\xBF", {0xFFFD, 0xFFFD}},  // overlong U+007F
        {"\xC2\x80", {0x80}},
        {"\xDF\xBF", {0x7FF}},
        {"\xE0\x9F\xBF", {0xFFFD, 0xFFFD, 0xFFFD}},  // overlong U+07FF
        {"\xE0\xA0\x80", {0x800}},
        {"\xED\x9F\xBF", {0xD7FF}},
        {"\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD}},  // U+D800
        {"\xED\xBF\xBF", {0xFFFD, 0xFFFD, 0xFFFD}},  // U+DFFF
        {"\xEE\x80\x80", {0xE000}},
        {"\xEF\xBF\xBF", {0xFFFF}},
        {"\xF0\x8F\xBF\xBF", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}},  // overlong U+FFFF
        {"\xF0\x90\x80\x80", {0x10000}},
        {"\xF4\x8F\xBF\xBF", {0x10FFFF}},
        {"\xF4\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}},  // beyond U+10FFFF
        {"\xF3\xA0\x80\x80", {0xE0000}},
        {"\xF8\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}},  // no five-byte forms
        {"\x80", {0xFFFD}},                                      // a continuation byte alone
        // A sequence cut by the end of the text, and one cut by a new lead byte.
        {"A\xE2\x82", {U'A', 0xFFFD, 0xFFFD}},
        {"\xE2\x82\xE2\x82\xAC", {0xFFFD, 0xFFFD, 0x20AC}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeUtf8(c.bytes), c.codePoints) << testing::PrintToString(c.bytes);
        if (c.codePoints.size() == 1 && c.codePoints[0] != 0xFFFD) {  // a character, written back
            EXPECT_EQ(EncodeUtf8(c.codePoints[0]), c.bytes);
        }
    }
}

TEST(TextEncoding, ChineseCharactersBecomeGb2312AndOthersNothing) {
    Gb2312Encoder encoder;
    EXPECT_EQ(encoder.encode(U'中'), "\xD6\xD0");
    EXPECT_EQ(encoder.encode(U'·'), "\xA1\xA4");
    EXPECT_EQ(encoder.encode(U'°'), "\xA1\xE3");
    EXPECT_EQ(encoder.encode(U'A'), "A");
    EXPECT_EQ(encoder.encode(U'\x7F'), "\x7F");
    // GB 2312's two bytes each lie in A1..FE: its first and last characters
    // at those edges, and two code page 936 characters a byte below them.
    EXPECT_EQ(encoder.encode(U'\u3000'), "\xA1\xA1");
    EXPECT_EQ(encoder.encode(U'\u9F44'), "\xF7\xFE");
    // Outside GB 2312: the euro, a GBK-only character, an emoji, a broken
    // byte, a lead byte A0 and a trail byte A0.
    for (char32_t c : {U'€', U'\u4E02', U'\U0001F600', U'\uFFFD', U'\u724E', U'\u76C3'}) {
        EXPECT_EQ(encoder.encode(c), std::nullopt) << static_cast<unsigned>(c);
    }
}

}  // namespace
}  // namespace keld

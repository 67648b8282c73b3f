// SPDX-License-Identifier: MIT
#include "session/selection_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace keld {
namespace {

TEST(JsonWriter, StringsEscapeQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("line\nnext\ttab\r"), "\"line\\nnext\\ttab\\r\"");
    EXPECT_EQ(JsonString(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\\u007f\"");
    EXPECT_EQ(JsonString(std::string("nul\0end", 7)), "\"nul\\u0000end\"");
    EXPECT_EQ(JsonString("请输入一个数字。 °C"), "\"请输入一个数字。 °C\"");  // UTF-8 passes through
}

// JSON text is UTF-8: a byte that starts no valid sequence (a model name in
// another code page, a truncated or overlong sequence, a surrogate) becomes
// U+FFFD, so that the object always parses.
TEST(JsonWriter, BytesThatAreNoUtf8BecomeReplacementCharacters) {
    struct Case {
        std::string text;
        const char* json;
    };
    const Case cases[] = {
        {"QTK\xff", "\"QTK\\ufffd\""},
        {"caf\xe9 1", "\"caf\\ufffd 1\""},   // Latin-1
        {"\xe4\xb8", "\"\\ufffd\\ufffd\""},  // a sequence cut short
        {"\xe4\xb8x", "\"\\ufffd\\ufffdx\""},
        {"\xc0\xaf", "\"\\ufffd\\ufffd\""},                        // overlong "/"
        {"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},             // a surrogate
        {"\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},  // beyond U+10FFFF
        {"\x80", "\"\\ufffd\""},
        {"\xf0\x9f\x98\x80 \xe4\xb8\xad", "\"\xf0\x9f\x98\x80 \xe4\xb8\xad\""},  // valid 4 and 3 bytes
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString(c.text), c.json);
    }
}

TEST(JsonWriter, RealsReadBackAsTheSameFloat) {
    EXPECT_EQ(JsonNumber(22.07f).dump(), "22.07");
    EXPECT_EQ(JsonNumber(0.018f).dump(), "0.018");
    EXPECT_EQ(JsonNumber(-8.0f).dump(), "-8");
    EXPECT_EQ(JsonNumber(-0.0f).dump(), "0");
    EXPECT_EQ(JsonNumber(std::numeric_limits<float>::quiet_NaN()).dump(), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<float>::infinity()).dump(), "null");
    for (float value : {35.05f, 0.1f, 12.345f, 1e-7f, 3.4028235e38f, 1800.0f, 0.0457f}) {
        EXPECT_EQ(std::strtof(JsonNumber(value).dump().c_str(), nullptr), value) << JsonNumber(value).dump();
    }
}

}  // namespace
}  // namespace keld

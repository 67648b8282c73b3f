// SPDX-License-Identifier: MIT
#include "session/selection_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "session/usage_error.h"

namespace keld {
namespace {

TEST(JsonWriter, StringsEscapeQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("line\nnext\ttab\r"), "\"line\\nnext\\ttab\\r\"");
    EXPECT_EQ(JsonString(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\\u007f\"");
    // backspace and form feed as the program has always written them
    EXPECT_EQ(JsonString("\b\f"), "\"\\u0008\\u000c\"");
    // a backslash before a b stays a backslash and a b
    EXPECT_EQ(JsonString("\\b\\f"), "\"\\\\b\\\\f\"");
    EXPECT_EQ(JsonString(std::string("nul\0end", 7)), "\"nul\\u0000end\"");
    EXPECT_EQ(JsonString("请输入一个数字。 °C"), "\"请输入一个数字。 °C\"");  // UTF-8 passes through
    // Each end of the printable range, alone and beside its neighbour outside.
    EXPECT_EQ(JsonString(" ~"), "\" ~\"");
    EXPECT_EQ(JsonString("\x1f"), "\"\\u001f\"");
    EXPECT_EQ(JsonString("\x7f"), "\"\\u007f\"");
    EXPECT_EQ(JsonString("x\""), "\"x\\\"\"");
    EXPECT_EQ(JsonString("x\\"), "\"x\\\\\"");
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

// A request read from JSON is the request the command line would make of the
// same options, and it writes back to the same JSON.
TEST(RequestJson, ReadsThePageOptionsAndWritesThemBack) {
    const Json request = Json::parse(R"({"launch": "14BREXAL", "compressor": "screw", "fluid": "glycol",
        "glycol": 20, "ambient": 35.5, "heating-flow": "30", "standard": "gb"})");
    const PageOptions options = RequestFromJson(request);
    EXPECT_EQ(options.launch, "14BREXAL");
    EXPECT_EQ(options.compressor, "screw");
    EXPECT_EQ(options.glycol, "20");
    EXPECT_EQ(options.values.size(), 2u);
    EXPECT_EQ(RequestFromJson(RequestJson(options)).values, options.values);
    EXPECT_EQ(RequestJson(RequestFromJson(RequestJson(options))), RequestJson(options));
}

TEST(RequestJson, RefusesWhatTheCommandLineRefusesNamingTheMember) {
    const struct {
        const char* json;
        const char* named;
    } cases[] = {
        {R"({"ambiant": 35})", "ambiant"},          {R"({"ambient": [35]})", "ambient"},
        {R"({"ambient": true})", "ambient"},        {R"({"compressor": "scroll"})", "--compressor"},
        {R"({"inlet": 12, "flow": 20})", "--flow"}, {R"([35])", "object"},
    };
    for (const auto& c : cases) {
        try {
            RequestFromJson(Json::parse(c.json));
            ADD_FAILURE() << c.json << " was taken";
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }
}

TEST(JsonNumber, WholeNumbersWithoutAPointAndRealsAsTheirShortestText) {
    EXPECT_EQ(JsonNumber(1135.0).dump(), "1135");
    EXPECT_EQ(JsonNumber(459.2).dump(), "459.2");
    EXPECT_EQ(JsonNumber(0.1 + 0.2).dump(), "0.30000000000000004");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::quiet_NaN()).dump(), "null");
    // 2^53 is the first whole double that no longer tells its neighbours apart
    EXPECT_EQ(JsonNumber(9007199254740991.0).dump(), "9007199254740991");
    EXPECT_EQ(JsonNumber(9007199254740992.0).dump(), "9.007199254740992e+15");
}

}  // namespace
}  // namespace keld

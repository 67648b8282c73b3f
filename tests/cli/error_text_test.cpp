// SPDX-License-Identifier: MIT
// keld-cli's last line of defence: whatever a command lets through becomes a
// readable line instead of std::terminate.
#include "cli/error_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "db/database_error.h"
#include "db/lookups.h"
#include "reports/pdflib.h"

namespace keld::cli {
namespace {

std::string TextOf(const std::function<void()>& raise) {
    try {
        raise();
    } catch (...) {
        return CurrentErrorText();
    }
    return "nothing was raised";
}

TEST(ErrorText, EveryKindOfErrorBecomesItsText) {
    struct Case {
        std::function<void()> raise;
        std::string text;
    };
    const Case cases[] = {
        {[] { throw DatabaseError(database_error_code::kNoCurrentRecord, "no such table: High"); },
         "no such table: High"},
        {[] { throw DatabaseError(database_error_code::kObjectClosed, ""); },
         KnownErrorMessage(database_error_code::kObjectClosed)},
        {[] { throw InvalidArgumentError(); }, "遇到不适当的参数。"},
        // The PDF library's errors are no std::exception.
        {[] { throw PDFlib::IOException("cannot open QTK130.pdf", nullptr); }, "cannot open QTK130.pdf"},
        {[] { throw std::length_error("vector too long"); }, "vector too long"},
        {[] { throw 42; }, "an error of an unknown kind ended the command"},
    };
    for (const Case& c : cases) EXPECT_EQ(TextOf(c.raise), c.text);
}

// User text on a terminal: nothing in it can cut the message or move the
// cursor, and a long value is echoed as its start.
TEST(ErrorText, UserTextIsEscapedAndCutShort) {
    struct Case {
        std::string text;
        std::string shown;
    };
    const std::string c1Csi = "\xC2\x9B";  // U+009B, a terminal's command start
    const Case cases[] = {
        {"500", "500"},
        {std::string("500\0kW", 6), "500\\0kW"},
        {"GOOD\b\b\b\bEVIL", "GOOD\\b\\b\\b\\bEVIL"},
        {"\x1b[2J\t\r\n\x7f", "\\x1b[2J\\t\\r\\n\\x7f"},
        {c1Csi + "31m", "\\u009b31m"},
        {"北京 Plant ±5 °C", "北京 Plant ±5 °C"},
        {"\xff\xc3(", "\\xff\\xc3("},         // no UTF-8
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},  // a surrogate
    };
    for (const Case& c : cases) EXPECT_EQ(EscapedForTerminal(c.text), c.shown) << c.text;
}

TEST(ErrorText, QuotedValuesStopAtTheirLimitOnACharactersStart) {
    const std::string limit(kQuotedBytes, 'x');
    EXPECT_EQ(Quoted(limit.substr(1)), "'" + limit.substr(1) + "'");
    EXPECT_EQ(Quoted(limit), "'" + limit + "'");
    EXPECT_EQ(Quoted(limit + "y"), "'" + limit + "…'");
    EXPECT_EQ(Quoted(std::string(1 << 20, 'z')), "'" + std::string(kQuotedBytes, 'z') + "…'");
    // A three-byte character across the limit is left out whole.
    const std::string beforeCut = std::string(kQuotedBytes - 1, 'x');
    EXPECT_EQ(Quoted(beforeCut + "°C北"), "'" + beforeCut + "…'");
}

}  // namespace
}  // namespace keld::cli

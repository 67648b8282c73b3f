// SPDX-License-Identifier: MIT
#include "reports/datasheet_text.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(CellNumber, ReadsTheLeadingNumberAndZeroOtherwise) {
    EXPECT_DOUBLE_EQ(CellNumber("459.2"), 459.2);
    EXPECT_DOUBLE_EQ(CellNumber(" 12.00"), 12.0);
    EXPECT_DOUBLE_EQ(CellNumber("45.3/38.1"), 45.3);
    EXPECT_DOUBLE_EQ(CellNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(CellNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(CellNumber("1e999"), 0.0);
}

TEST(TextEncoding, HelveticaTextBecomesWinAnsiWithQuestionMarksForTheRest) {
    EXPECT_EQ(Utf8ToWinAnsi("380V/3Ph/50Hz"), "380V/3Ph/50Hz");
    EXPECT_EQ(Utf8ToWinAnsi("35 °C"),
              "35 \xB0"
              "C");
    EXPECT_EQ(Utf8ToWinAnsi("€ – Müller"), "\x80 \x96 M\xFCller");
    EXPECT_EQ(Utf8ToWinAnsi("北京"), "??");
    // Broken UTF-8 (a lone lead byte, a stray continuation byte) never stops the text.
    EXPECT_EQ(Utf8ToWinAnsi("A\xE5"
                            "B\x80"),
              "A?B?");
}

TEST(TextEncoding, ChineseCharactersBecomeGb2312AndOthersNothing) {
    Gb2312Encoder encoder;
    EXPECT_EQ(encoder.encode(U'中'), "\xD6\xD0");
    EXPECT_EQ(encoder.encode(U'·'), "\xA1\xA4");
    EXPECT_EQ(encoder.encode(U'°'), "\xA1\xE3");
    EXPECT_EQ(encoder.encode(U'A'), "A");
    // Outside GB 2312: the euro, a GBK-only character, an emoji, a broken byte.
    for (char32_t c : {U'€', U'\u4E02', U'\U0001F600', U'\uFFFD'}) {
        EXPECT_EQ(encoder.encode(c), std::nullopt) << static_cast<unsigned>(c);
    }
}

}  // namespace
}  // namespace keld

// SPDX-License-Identifier: MIT
// The four texts of the project box, as the user typed them: every
// character in a font that holds it, every field inside its own cell.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "datasheet_fixture.h"

namespace keld {
namespace {

std::string PdfFonts(const std::string& path) {
    return test::Run("pdffonts " + test::ShellQuoted(path)).output;
}

// German and French names print in Helvetica, Chinese ones in the Chinese
// font; a Polish name needs the embedded Unicode font, and only then is it
// embedded.
TEST(DatasheetHeaderFields, EachCharacterPrintsInAFontThatHoldsIt) {
    const struct {
        const char* customer;
        bool embedsUnicodeFont;
    } cases[] = {
        {"Müller Straße AG", false},
        {"Société Ørsted Señor", false},
        {"北京协和医院", false},
        {"Łódź Spółka", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.customer);
        test::DatasheetRig rig;
        DatasheetInputs inputs = test::CentrifugalInputs();
        inputs.texts.customer = c.customer;
        ASSERT_TRUE(rig.write(inputs).complete);
        EXPECT_TRUE(rig.messages().empty());

        const auto words = rig.words();
        for (int page : {1, 2}) {
            const auto places = test::FindText(words, page, c.customer);
            ASSERT_EQ(places.size(), 1u) << "page " << page;
            EXPECT_NEAR(places[0].left, 442, 0.5);
            EXPECT_NEAR(places[0].baseline, 719, 2.0);
        }
        const std::string fonts = PdfFonts(rig.path());
        EXPECT_EQ(fonts.find("DejaVuSans") != std::string::npos, c.embedsUnicodeFont) << fonts;
    }
}

// A character no font holds prints as "?", and the user is told once which
// field holds it, although both pages print the field.
TEST(DatasheetHeaderFields, ACharacterNoFontHoldsIsNamedWithItsField) {
    test::DatasheetRig rig;
    DatasheetInputs inputs = test::CentrifugalInputs();
    inputs.texts.customer = "Kunde \U00020000";
    inputs.texts.tagNo = "A\U0001F600B\U00020000";
    const ExportResult result = rig.write(inputs);
    EXPECT_EQ(result.status, ExportStatus::Written);
    EXPECT_EQ(
        rig.messages(),
        (std::vector<test::RecordingSink::Message>{
            {"JVT", "Customer: no font of the datasheet holds U+20000; it prints as \"?\"."},
            {"JVT", "Tag No.: no font of the datasheet holds U+1F600, U+20000; they print as \"?\"."}}));
    const auto words = rig.words();
    for (int page : {1, 2}) {
        EXPECT_EQ(test::FindText(words, page, "Kunde ?").size(), 1u) << "page " << page;
        EXPECT_EQ(test::FindText(words, page, "A?B?").size(), 1u) << "page " << page;
    }
}

struct FieldCell {
    const char* name;
    std::string text;
    double x;
    double baseline;
    double cellRight;  // the cell's right line
    enum { Whole, Shrunk, Cut } fit;
};

// The words of a page that stand on the field's line from its start up to
// its cell's right line or beyond, up to the next label.
std::vector<test::PdfWord> FieldWords(const std::vector<test::PdfWord>& words, int page,
                                      const FieldCell& field, double nextLabel) {
    std::vector<test::PdfWord> found;
    for (const test::PdfWord& word : words) {
        if (word.page == page && std::abs(word.baseline - field.baseline) < 3 && word.left > field.x - 0.5 &&
            word.left < nextLabel)
            found.push_back(word);
    }
    return found;
}

// Long texts shrink to fit their cells, down to 5 points, and are cut with
// "…" beyond that: nothing crosses into the next cell on either page.
TEST(DatasheetHeaderFields, EachFieldStaysInsideItsCell) {
    const FieldCell fields[] = {
        {"project", "Erweiterung der Kältezentrale Nordflügel, Bauabschnitt 3", 122, 719, 215,
         FieldCell::Cut},
        {"distributor", "Kältetechnik Nord", 322, 719, 380, FieldCell::Shrunk},
        {"customer", "北京市朝阳区第一人民医院门诊楼空调改造工程项目部", 442, 719, 545, FieldCell::Cut},
        {"tag", "CH-01/CH-02/CH-03", 442, 735, 545, FieldCell::Whole},
    };
    test::DatasheetRig rig;
    DatasheetInputs inputs = test::CentrifugalInputs();
    inputs.texts = {fields[0].text, fields[1].text, fields[2].text, fields[3].text};
    ASSERT_TRUE(rig.write(inputs).complete);
    const auto words = rig.words();

    for (int page : {1, 2}) {
        // The labels of the next cells stand where they stood, untouched.
        EXPECT_TRUE(test::HasTextAt(words, page, "Distributor", 217, 719))
            << test::LineText(words, page, 719);
        EXPECT_TRUE(test::HasTextAt(words, page, "Customer", 382, 719)) << test::LineText(words, page, 719);
        for (const FieldCell& field : fields) {
            SCOPED_TRACE(std::string(field.name) + " on page " + std::to_string(page));
            const auto printed = FieldWords(words, page, field, field.cellRight + 2);
            ASSERT_FALSE(printed.empty());
            std::string text;
            for (const test::PdfWord& word : printed) {
                EXPECT_LE(word.right, field.cellRight) << word.text;
                text += (text.empty() ? "" : " ") + word.text;
            }
            const double size = printed[0].height / 0.925;  // Helvetica's box is 0.925 of the size
            switch (field.fit) {
                case FieldCell::Whole:
                    EXPECT_EQ(text, field.text);
                    EXPECT_NEAR(size, 8, 0.1);
                    break;
                case FieldCell::Shrunk:
                    EXPECT_EQ(text, field.text);
                    EXPECT_LT(size, 7.9);
                    EXPECT_GE(size, 4.95);
                    break;
                case FieldCell::Cut: {
                    const std::string ellipsis = "…";
                    ASSERT_TRUE(text.ends_with(ellipsis)) << text;
                    const std::string kept = text.substr(0, text.size() - ellipsis.size());
                    EXPECT_GT(kept.size(), 10u) << text;
                    EXPECT_TRUE(field.text.starts_with(kept)) << text;
                    break;
                }
            }
        }
    }
    // The cut Latin text is set at the smallest size.
    const auto project = FieldWords(words, 1, fields[0], 217);
    ASSERT_FALSE(project.empty());
    EXPECT_NEAR(project[0].height / 0.925, 5, 0.1);
}

}  // namespace
}  // namespace keld

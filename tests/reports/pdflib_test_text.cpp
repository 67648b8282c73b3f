// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "reports/pdflib.h"
#include "support/pdf_tools.h"

namespace keld {
namespace {

constexpr const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The GB 2312 bytes the datasheet hands the Chinese font.
std::string ToGb2312(const std::string& utf8) {
    iconv_t converter = iconv_open("GB2312", "UTF-8");
    std::string in = utf8;
    std::string out(in.size() * 2, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t converted = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    EXPECT_NE(converted, static_cast<std::size_t>(-1)) << utf8;
    out.resize(out.size() - outLeft);
    return out;
}

// The page's text as pdftotext reads it, line by line in reading order.
std::string ExtractedText(const std::string& path) {
    return test::Run("pdftotext -enc UTF-8 -layout " + test::ShellQuoted(path) + " -").output;
}

class PdfText : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(pdf.open_file(path), 1);
        pdf.begin_page(595, 842);
        helvetica = pdf.findfont("Helvetica", "host", 0);
    }
    std::string closeAndExtract() {
        pdf.end_page();
        pdf.close();
        EXPECT_FALSE(pdf.closeFailed());
        return ExtractedText(path);
    }

    test::ScratchFolder folder;
    std::string path = folder.file("text.pdf");
    PDFlib pdf;
    int helvetica = -1;
};

TEST_F(PdfText, ChineseTextInBothCharacterMapsReadsBackAsWritten) {
    pdf.setfont(pdf.findfont("STSong-Light", "GB-EUC-H", 0), 12);
    pdf.show_xy(ToGb2312("风冷冷水机组"), 52, 700);
    pdf.setfont(pdf.findfont("STSong-Light", "GBpc-EUC-H", 0), 8);
    pdf.show_xy(ToGb2312("选型报告北京"), 52, 650);

    const std::string text = closeAndExtract();
    EXPECT_NE(text.find("风冷冷水机组"), std::string::npos) << text;
    EXPECT_NE(text.find("选型报告北京"), std::string::npos) << text;
}

TEST_F(PdfText, HostEncodingIsLatinWithTheDegreeSign) {
    pdf.setfont(helvetica, 8);
    pdf.show_xy(
        "Ambient Temperature 35\xB0"
        "C",
        52, 559);
    EXPECT_NE(closeAndExtract().find("Ambient Temperature 35°C"), std::string::npos);
}

// How the datasheet sets a project name that mixes scripts: one character
// at a time, each in its own font, each continuing where the last ended.
TEST_F(PdfText, ShowContinuesWhereTheTextBeforeEnded) {
    const int song = pdf.findfont("STSong-Light", "GBpc-EUC-H", 0);
    pdf.set_text_pos(122, 719);
    for (const std::string part : {"Plant ", "\xe5\x8c\x97\xe4\xba\xac", "-2", "\xe5\x8f\xb7", " Ltd"}) {
        const bool latin = static_cast<unsigned char>(part[0]) < 0x80;
        pdf.setfont(latin ? helvetica : song, 8);
        pdf.show(latin ? part : ToGb2312(part));
    }
    pdf.show_xy("Tag No.", 382, 735);
    pdf.show("");  // nothing drawn, nothing moved
    pdf.show(" A-01");

    const std::string text = closeAndExtract();
    EXPECT_NE(text.find("Plant 北京-2号 Ltd"), std::string::npos) << text;
    EXPECT_NE(text.find("Tag No. A-01"), std::string::npos) << text;
}

TEST_F(PdfText, TextStopsAtAnEmbeddedNul) {
    pdf.setfont(helvetica, 8);
    pdf.show_xy(std::string("Model \0QTK", 10), 52, 687);
    const std::string text = closeAndExtract();
    EXPECT_NE(text.find("Model"), std::string::npos);
    EXPECT_EQ(text.find("QTK"), std::string::npos);
}

// Widths the header fields are fitted with: Helvetica's own metrics
// ("Model " is 3001 thousandths of the size), the Chinese font's full-width
// ideographs.
TEST_F(PdfText, StringWidthFollowsTheFontsMetricsAndTheSize) {
    EXPECT_FLOAT_EQ(pdf.stringwidth("Model ", helvetica, 8), 3.001f * 8);
    EXPECT_FLOAT_EQ(pdf.stringwidth("Model ", helvetica, 5), 3.001f * 5);
    EXPECT_FLOAT_EQ(pdf.stringwidth("", helvetica, 8), 0);
    const int song = pdf.findfont("STSong-Light", "GB-EUC-H", 0);
    EXPECT_FLOAT_EQ(pdf.stringwidth(ToGb2312("北京"), song, 8), 16);
    EXPECT_THROW(pdf.stringwidth("Model", 7, 8), PDFlib::ValueException);
}

// A TrueType font takes UTF-8, knows which characters it holds, and goes
// into the file with the glyphs the page shows.
TEST_F(PdfText, ATrueTypeFontIsEmbeddedAndKnowsItsCharacters) {
    const int dejaVu = pdf.findfont(kDejaVuSans, "unicode", 1);
    EXPECT_EQ(pdf.findfont(kDejaVuSans, "unicode", 1), dejaVu);
    EXPECT_TRUE(pdf.has_glyph(dejaVu, U'Ł'));
    EXPECT_TRUE(pdf.has_glyph(dejaVu, U'Ж'));
    EXPECT_FALSE(pdf.has_glyph(dejaVu, U'北'));
    EXPECT_FALSE(pdf.has_glyph(dejaVu, U'\U00020000'));
    EXPECT_THROW(pdf.has_glyph(helvetica, U'A'), PDFlib::TypeException);
    EXPECT_THROW(pdf.findfont(kDejaVuSans, "host", 1), PDFlib::ValueException);
    EXPECT_GT(pdf.stringwidth("Łódź", dejaVu, 8), 0);

    pdf.setfont(dejaVu, 8);
    pdf.show_xy("Łódź Жуковский", 52, 700);
    const std::string text = closeAndExtract();
    EXPECT_NE(text.find("Łódź Жуковский"), std::string::npos) << text;
    const std::string fonts = test::Run("pdffonts " + test::ShellQuoted(path)).output;
    EXPECT_NE(fonts.find("DejaVuSans"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find(" yes yes "), std::string::npos) << fonts;  // embedded, as a subset
}

}  // namespace
}  // namespace keld

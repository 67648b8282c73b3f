// SPDX-License-Identifier: MIT
#include "reports/mixed_text.h"

#include <unistd.h>

#include <optional>
#include <utility>

#include "reports/pdflib.h"
#include "reports/report_drawing.h"
#include "reports/text_encoding.h"

namespace keld {
namespace {

using Font = MixedCharacter::Font;

// The fonts of mixed text in the open document.
class MixedFonts {
public:
    explicit MixedFonts(PDFlib& pdf) : pdf_(pdf), fonts_(LookUpReportFonts(pdf, kChineseMapMixed)) {}

    // The Unicode font, loaded at the first call; nothing where this system
    // has no usable font file.
    std::optional<int> unicode() {
        if (!unicodeLookedUp_) {
            unicodeLookedUp_ = true;
            if (access(kUnicodeFontFile, R_OK) == 0) {
                try {
                    unicode_ = pdf_.findfont(kUnicodeFontFile, "unicode", 1);
                } catch (const PDFlib::Exception&) {
                    // A damaged font file: its characters print as "?", and
                    // the header reports them like any other it cannot print.
                }
            }
        }
        return unicode_;
    }

    // Whether the Unicode font prints the character.
    bool unicodeHolds(char32_t c) {
        const std::optional<int> font = unicode();
        return font && pdf_.has_glyph(*font, c);
    }

    int handle(Font font) {
        switch (font) {
            case Font::Chinese:
                return fonts_.chinese;
            case Font::Unicode:
                return unicode().value_or(fonts_.helvetica);
            case Font::Helvetica:
                break;
        }
        return fonts_.helvetica;
    }

private:
    PDFlib& pdf_;
    ReportFonts fonts_;
    std::optional<int> unicode_;
    bool unicodeLookedUp_ = false;
};

MixedCharacter Classify(char32_t c, MixedFonts& fonts, std::optional<Gb2312Encoder>& chinese) {
    MixedCharacter character;
    character.codePoint = c;
    if (const std::optional<char> latin = WinAnsiByte(c)) {
        character.bytes = std::string(1, *latin);
        return character;
    }
    if (!chinese) chinese.emplace();  // an iconv descriptor: opened only for text that needs it
    if (std::optional<std::string> gb2312 = chinese->encode(c)) {
        character.font = Font::Chinese;
        character.bytes = std::move(*gb2312);
        return character;
    }
    if (fonts.unicodeHolds(c)) {
        character.font = Font::Unicode;
        character.bytes = EncodeUtf8(c);
        return character;
    }
    character.bytes.assign(1, '?');
    character.printable = false;
    return character;
}

}  // namespace

std::vector<MixedCharacter> SplitMixedText(PDFlib& pdf, const std::string& text) {
    MixedFonts fonts(pdf);
    std::optional<Gb2312Encoder> chinese;
    std::vector<MixedCharacter> characters;
    for (char32_t c : DecodeUtf8(text)) {
        MixedCharacter character = Classify(c, fonts, chinese);
        character.width = pdf.stringwidth(character.bytes, fonts.handle(character.font), 1);
        characters.push_back(std::move(character));
    }
    return characters;
}

float MixedTextWidth(const std::vector<MixedCharacter>& characters, float size) {
    float width = 0;
    for (const MixedCharacter& character : characters) width += character.width;
    return width * size;
}

void ShowMixedCharacters(PDFlib& pdf, const std::vector<MixedCharacter>& characters, float x, float y,
                         float size) {
    MixedFonts fonts(pdf);
    pdf.set_text_pos(x, y);
    for (std::size_t i = 0; i < characters.size();) {
        const Font font = characters[i].font;
        std::string run;
        for (; i < characters.size() && characters[i].font == font; ++i) run += characters[i].bytes;
        pdf.setfont(fonts.handle(font), size);
        pdf.show(run);
    }
}

void ShowMixedText(PDFlib& pdf, const std::string& text, int x, int y, float size) {
    ShowMixedCharacters(pdf, SplitMixedText(pdf, text), static_cast<float>(x), static_cast<float>(y), size);
}

void ShowDegreeCelsius(PDFlib& pdf, float x, float y) {
    const ReportFonts fonts = LookUpReportFonts(pdf, kChineseMapMixed);
    pdf.show_xy("C", x + 2.5f, y);
    pdf.setfont(fonts.helvetica, 5);
    pdf.show_xy("o", x, y + 4);
    pdf.setfont(fonts.helvetica, 8);
}

}  // namespace keld

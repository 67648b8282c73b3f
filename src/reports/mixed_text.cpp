// SPDX-License-Identifier: MIT
#include "reports/mixed_text.h"

#include <optional>

#include "reports/pdflib.h"
#include "reports/report_drawing.h"
#include "reports/text_encoding.h"

namespace keld {
namespace {

// The characters the Chinese font sets: a code whose low byte passes 0x80,
// or any code from 0xA0 on. Plain ASCII and 0x80 stay in Helvetica.
bool SetInChineseFont(char32_t c) { return (c & 0xFF) > 0x80 || c >= 0xA0; }

}  // namespace

void ShowMixedText(PDFlib& pdf, const std::string& text, int x, int y, float size) {
    const ReportFonts fonts = LookUpReportFonts(pdf, kChineseMapMixed);
    pdf.set_text_pos(static_cast<float>(x), static_cast<float>(y));

    std::optional<Gb2312Encoder> chinese;  // opened at the first Chinese character
    for (char32_t c : DecodeUtf8(text)) {
        if (SetInChineseFont(c)) {
            if (!chinese) chinese.emplace();
            if (const std::optional<std::string> bytes = chinese->encode(c)) {
                pdf.setfont(fonts.chinese, size);
                pdf.show(*bytes);
            } else {
                // The Chinese font has no glyph for it: a plain question mark.
                pdf.setfont(fonts.helvetica, size);
                pdf.show("?");
            }
        } else {
            pdf.setfont(fonts.helvetica, size);
            pdf.show(Utf8ToWinAnsi(EncodeUtf8(c)));
        }
    }
}

void ShowDegreeCelsius(PDFlib& pdf, float x, float y) {
    const ReportFonts fonts = LookUpReportFonts(pdf, kChineseMapMixed);
    pdf.show_xy("C", x + 2.5f, y);
    pdf.setfont(fonts.helvetica, 5);
    pdf.show_xy("o", x, y + 4);
    pdf.setfont(fonts.helvetica, 8);
}

}  // namespace keld

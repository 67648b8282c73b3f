// SPDX-License-Identifier: MIT
#include "reports/report_drawing.h"

#include "reports/pdflib.h"
#include "reports/text_encoding.h"
#include "selection/launch_parameters.h"

namespace keld {

bool ReportContext::secondBrand() const { return inputs.brand == kSecondBrand; }

ReportFonts LookUpReportFonts(PDFlib& pdf, const char* chineseMap) {
    ReportFonts fonts;
    fonts.chinese = pdf.findfont("STSong-Light", chineseMap, 0);
    fonts.helvetica = pdf.findfont("Helvetica", "host", 0);
    fonts.bold = pdf.findfont("Helvetica-Bold", "host", 0);
    return fonts;
}

RgbColour BarColour(const ReportContext& report) {
    return report.secondBrand() ? RgbColour{0.0f, 0.638f, 0.883f} : RgbColour{0.0f, 0.502f, 0.0f};
}

void SetFillColour(PDFlib& pdf, RgbColour colour) {
    pdf.setcolor("fill", "rgb", colour.red, colour.green, colour.blue, 0.0f);
}

void ShowText(PDFlib& pdf, const std::string& text, float x, float y) {
    pdf.show_xy(Utf8ToWinAnsi(text), x, y);
}

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "reports/report_context.h"

namespace keld {

// The three fonts every page routine looks up at its start.
struct ReportFonts {
    int chinese = 0;    // STSong-Light
    int helvetica = 0;  // Helvetica, 8-bit Latin
    int bold = 0;       // Helvetica-Bold, 8-bit Latin
};

// Character maps of the Chinese font: the pages use the plain EUC map, the
// mixed-script routine the proportional one.
inline constexpr const char* kChineseMapPage = "GB-EUC-H";
inline constexpr const char* kChineseMapMixed = "GBpc-EUC-H";

// Looks up STSong-Light with `chineseMap`, then Helvetica and Helvetica-Bold
// (all unembedded). Writer errors propagate as PDFlib::Exception.
ReportFonts LookUpReportFonts(PDFlib& pdf, const char* chineseMap);

struct RgbColour {
    float red;
    float green;
    float blue;
};

inline constexpr RgbColour kBlack{0.0f, 0.0f, 0.0f};
inline constexpr RgbColour kWhite{1.0f, 1.0f, 1.0f};

// The section bars: green for Norvex, blue for BREXAL.
RgbColour BarColour(const ReportContext& report);

void SetFillColour(PDFlib& pdf, RgbColour colour);

// Draws UTF-8 text in the current font at a baseline start, converted to the
// 8-bit Latin bytes of the Helvetica fonts.
void ShowText(PDFlib& pdf, const std::string& text, float x, float y);

}  // namespace keld

// SPDX-License-Identifier: MIT
#include "reports/report_header.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "reports/fitted_text.h"
#include "reports/mixed_text.h"
#include "reports/pdflib.h"
#include "reports/report_drawing.h"

namespace keld {
namespace {

constexpr const char* kSoftwareVersion = "V 1.0.10";

// A long project text shrinks to fit its cell, but not below what still
// reads on a printed sheet; beyond that it is cut.
constexpr float kProjectTextSize = 8;
constexpr float kSmallestProjectTextSize = 5;

struct ProjectField {
    const char* label;  // as printed beside the field
    const std::string& text;
    float x;
    float y;
    float cellRight;  // the cell's right line
};

// Tells the user which characters of a field print as "?" because no font
// of the sheet holds them, so that a customer's name is not sent out wrong
// unnoticed.
void ReportUnprintable(ReportContext& report, const char* label,
                       const std::vector<MixedCharacter>& characters) {
    std::vector<char32_t> missing;
    for (const MixedCharacter& character : characters) {
        if (!character.printable &&
            std::find(missing.begin(), missing.end(), character.codePoint) == missing.end())
            missing.push_back(character.codePoint);
    }
    if (missing.empty()) return;
    std::string codes;
    for (char32_t c : missing)
        codes += (codes.empty() ? "" : ", ") + FormatText("U+%04X", static_cast<unsigned>(c));
    report.messages.show(FormatText("%s: no font of the datasheet holds %s; %s as \"?\".", label,
                                    codes.c_str(), missing.size() == 1 ? "it prints" : "they print"),
                         kApplicationTitle);
}

void PlaceImage(ReportContext& report, const char* fileName, float x, float y, float scale) {
    const int image =
        report.pdf.open_image_file("jpeg", report.inputs.moduleDirectory + "/" + fileName, "", 0);
    report.pdf.place_image(image, x, y, scale);
    report.pdf.close_image(image);
}

}  // namespace

void DrawBrandLogo(ReportContext& report) {
    const float rowOneLine = report.RowLine(1);
    if (report.secondBrand()) {
        PlaceImage(report, "BREXAL.jpg", 54, rowOneLine + 12, 0.5f);
    } else {
        PlaceImage(report, "norvex_Min.jpg", 54, rowOneLine + 7, 0.4f);
    }
}

void DrawReportTitle(ReportContext& report) {
    const ReportFonts fonts = LookUpReportFonts(report.pdf, kChineseMapPage);
    report.pdf.setfont(fonts.helvetica, 12);
    report.pdf.show_xy("       Air cooled chiller(heat pump)", 210, 772);
    report.pdf.show_xy(" selection report", 255, 759);
}

void DrawProjectBoxLabels(ReportContext& report) {
    const float left = geometry::kTableLeft + geometry::kTextInset;
    const float middle = left + report.ColumnWidth;
    const float right = left + 2 * report.ColumnWidth;
    const float row2 = report.RowBaseline(2);
    const float row3 = report.RowBaseline(3);
    PDFlib& pdf = report.pdf;
    pdf.show_xy("Software Version", left, row2);
    pdf.show_xy("Project", left, row3);
    pdf.show_xy("Last Updated Date", middle, row2);
    pdf.show_xy("Distributor", middle, row3);
    pdf.show_xy("Tag No.", right, row2);
    pdf.show_xy("Customer", right, row3);
}

void DrawSoftwareVersion(ReportContext& report) { ShowMixedText(report.pdf, kSoftwareVersion, 122, 735, 10); }

void DrawProjectTexts(ReportContext& report) {
    using geometry::kPage1ColumnWidth;
    using geometry::kTableLeft;
    const ProjectTexts& texts = report.inputs.texts;
    // Each text stands in its cell of the project box and ends 2 points
    // before the cell's right line, as its label starts 2 points after the
    // left one.
    const ProjectField fields[] = {
        {"Project", texts.project, 122, 719, kTableLeft + kPage1ColumnWidth},
        {"Distributor", texts.distributor, 322, 719, kTableLeft + 2 * kPage1ColumnWidth},
        {"Customer", texts.customer, 442, 719, geometry::kTableRight},
        {"Tag No.", texts.tagNo, 442, 735, geometry::kTableRight},
    };
    for (const ProjectField& field : fields) {
        std::vector<MixedCharacter> characters = SplitMixedText(report.pdf, field.text);
        if (!report.unprintableReported) ReportUnprintable(report, field.label, characters);
        const float room = field.cellRight - geometry::kTextInset - field.x;
        const FittedText fitted =
            FitMixedText(report.pdf, std::move(characters), kProjectTextSize, kSmallestProjectTextSize, room);
        ShowMixedCharacters(report.pdf, fitted.characters, field.x, field.y, fitted.size);
    }
    report.unprintableReported = true;
}

void DrawDates(ReportContext& report) {
    const ReportFonts fonts = LookUpReportFonts(report.pdf, kChineseMapPage);
    report.pdf.setfont(fonts.helvetica, 8);
    ShowText(report.pdf, report.inputs.buildDate, 322, 735);

    const CalendarDate& date = report.inputs.printDate;
    char printDate[64];
    std::snprintf(printDate, sizeof printDate, "Print Date:%d/%d/%d", date.year, date.month, date.day);
    report.pdf.show_xy(printDate, 460, 765 - static_cast<float>(report.RowPitch));
}

void PlaceAhriLogo(ReportContext& report) {
    PlaceImage(report, "AHRI.jpg", 460, 773 - static_cast<float>(report.RowPitch), 0.15f);
}

}  // namespace keld

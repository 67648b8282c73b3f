// SPDX-License-Identifier: MIT
#include "reports/report_header.h"

#include <cstdio>

#include "reports/mixed_text.h"
#include "reports/pdflib.h"
#include "reports/report_drawing.h"

namespace keld {
namespace {

constexpr const char* kSoftwareVersion = "V 1.0.10";

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
    const ProjectTexts& texts = report.inputs.texts;
    ShowMixedText(report.pdf, texts.project, 122, 719, 8);
    ShowMixedText(report.pdf, texts.distributor, 322, 719, 8);
    ShowMixedText(report.pdf, texts.customer, 442, 719, 8);
    ShowMixedText(report.pdf, texts.tagNo, 442, 735, 8);
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

// SPDX-License-Identifier: MIT
#include "reports/datasheet.h"

#include "reports/certification_notes.h"
#include "reports/page1_frame.h"
#include "reports/page1_labels.h"
#include "reports/page1_values.h"
#include "reports/part_load_page.h"
#include "reports/pdflib.h"
#include "reports/report_header.h"

namespace keld {
namespace {

// The part-load table starts this far below its place in the page grid.
constexpr int kPartLoadTableOffset = 15;

}  // namespace

void DrawPage1(ReportContext& report) {
    PDFlib& pdf = report.pdf;
    pdf.begin_page(geometry::kPageWidth, geometry::kPageHeight);
    report.RowPitch = geometry::kRowPitch;
    const ReportFonts fonts = LookUpReportFonts(pdf, kChineseMapPage);

    DrawBrandLogo(report);
    DrawSectionBars(report);
    DrawPage1Grid(report);
    DrawReportTitle(report);
    DrawSectionTitles(report, fonts);
    DrawPage1Labels(report, fonts);
    DrawCertificationNotes(report);
    DrawPage1Units(report, fonts);
    DrawProjectTexts(report);
    DrawDates(report);
    pdf.setfont(fonts.helvetica, 12);
    pdf.show_xy(" 1/2", 297.5f, 10);
    DrawPage1Values(report);

    pdf.end_page();
}

void DrawDatasheet(ReportContext& report) {
    DrawPage1(report);
    DrawPartLoadPage(report, kPartLoadTableOffset);
}

}  // namespace keld

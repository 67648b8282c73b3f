// SPDX-License-Identifier: MIT
#include "reports/datasheet.h"

#include <exception>

#include "db/message_sink.h"
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

// After a drawing error: end the page that is open so that the document
// can still be written. A second error here changes nothing the user can
// act on; the first one has been shown.
void EndOpenPage(ReportContext& report) {
    if (!report.pageOpen) return;
    report.pageOpen = false;
    try {
        report.pdf.end_page();
    } catch (const PDFlib::Exception&) {
    }
}

}  // namespace

void DrawPage1(ReportContext& report) {
    PDFlib& pdf = report.pdf;
    pdf.begin_page(geometry::kPageWidth, geometry::kPageHeight);
    report.pageOpen = true;
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
    report.pageOpen = false;
}

bool DrawDatasheet(ReportContext& report) {
    std::string failure;
    try {
        DrawPage1(report);
        DrawPartLoadPage(report, kPartLoadTableOffset);
        return true;
    } catch (const PDFlib::Exception& error) {
        failure = error.get_errmsg();
    } catch (const std::exception& error) {
        // A value the formatting refuses (not finite) ends the sheet like a
        // writer error rather than the program.
        failure = error.what();
    }
    report.messages.show(failure, kApplicationTitle);
    EndOpenPage(report);
    // Page 2 did not repeat the logo; the next export must not find the flag set.
    report.AhriCertifiedFlag = false;
    return false;
}

}  // namespace keld

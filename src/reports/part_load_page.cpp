// SPDX-License-Identifier: MIT
#include "reports/part_load_page.h"

#include "base/format_text.h"
#include "base/significant.h"
#include "reports/datasheet_text.h"
#include "reports/mixed_text.h"
#include "reports/part_load_data.h"
#include "reports/pdflib.h"
#include "reports/report_drawing.h"
#include "reports/report_header.h"
#include "selection/result_columns.h"

namespace keld {
namespace {

using geometry::kTableLeft;
using geometry::kTableRight;

std::string S4(double value) { return FormatSignificant(value, 4); }

class PartLoadPage {
public:
    PartLoadPage(ReportContext& report, int tableOffset)
        : report_(report), pdf_(report.pdf), top_(static_cast<float>(tableOffset + 5 * report.RowPitch)) {}

    void draw();

private:
    void drawHeader();
    void drawTableLines();
    void drawColumnTitles();
    void drawPoints(const PartLoadData& data);
    void drawNplvBox(double nplv);

    // Left edge of table column i (0 … 8).
    float column(int i) const { return kTableLeft + report_.ColumnWidth * static_cast<float>(i); }
    // The table's y coordinates are written as constants less the offset.
    float y(float value) const { return value - top_; }
    void line(float x1, float y1, float x2, float y2) {
        pdf_.moveto(x1, y1);
        pdf_.lineto(x2, y2);
    }

    ReportContext& report_;
    PDFlib& pdf_;
    ReportFonts fonts_;
    float top_;  // the offset passed in plus five rows
};

void PartLoadPage::draw() {
    pdf_.begin_page(geometry::kPageWidth, geometry::kPageHeight);
    fonts_ = LookUpReportFonts(pdf_, kChineseMapPage);

    SetFillColour(pdf_, BarColour(report_));
    pdf_.rect(kTableLeft, y(772), geometry::kTableWidth, 20);
    pdf_.fill();
    SetFillColour(pdf_, kBlack);
    pdf_.setlinewidth(1);

    drawHeader();
    drawTableLines();
    drawColumnTitles();

    const SelectionConditions& conditions = report_.inputs.conditions;
    const bool ahri = conditions.partLoadStandard == 0;
    if (ahri) {
        pdf_.show_xy("IPLV.IP", 65, y(637));
        pdf_.show_xy("IPLV.IP is based on AHRI Standard 550/590 (I-P)", 65, y(617));
    } else {
        pdf_.show_xy("IPLV(GB)", 65, y(637));
        pdf_.show_xy("IPLV(GB) is based on GB/T 18430.1", 65, y(617));
    }

    const std::string storedName = CanonicalModelName(report_.inputs.modelName, report_.secondBrand());
    const PartLoadData data = ReadPartLoadData(report_, storedName, conditions.partLoadStandard);
    drawPoints(data);
    if (ahri) drawNplvBox(data.nplv);

    pdf_.setfont(fonts_.helvetica, 12);
    pdf_.show_xy(" 2/2", 297.5f, 14);
    pdf_.end_page();
}

void PartLoadPage::drawHeader() {
    DrawBrandLogo(report_);

    const float headerTop = geometry::kGridTop + 2 * static_cast<float>(report_.RowPitch);
    const float projectTop = report_.RowLine(1);
    const float projectBottom = report_.RowLine(3);
    line(kTableLeft, headerTop, kTableRight, headerTop);
    line(kTableLeft, headerTop, kTableLeft, projectTop);
    line(kTableRight, headerTop, kTableRight, projectTop);
    line(kTableLeft, projectTop, kTableRight, projectTop);
    line(kTableLeft, projectBottom, kTableRight, projectBottom);
    line(kTableLeft, projectTop, kTableLeft, projectBottom);
    line(kTableRight, projectTop, kTableRight, projectBottom);
    for (int i : {1, 2}) line(column(i), projectTop, column(i), projectBottom);
    pdf_.stroke();

    DrawReportTitle(report_);
    pdf_.setfont(fonts_.helvetica, 8);
    DrawProjectBoxLabels(report_);
    DrawSoftwareVersion(report_);
    SetFillColour(pdf_, kBlack);
    pdf_.setfont(fonts_.helvetica, 8);
    DrawProjectTexts(report_);
    DrawDates(report_);

    if (report_.AhriCertifiedFlag) {
        PlaceAhriLogo(report_);
        report_.AhriCertifiedFlag = false;
    }
}

void PartLoadPage::drawTableLines() {
    report_.ColumnWidth = geometry::kPartLoadColumnWidth;
    for (int i = 0; i <= 9; ++i) {
        // The third line only separates the column titles from their units.
        if (i == 2) {
            line(column(1), y(744), kTableRight, y(744));
        } else {
            const float at = y(792 - 20.0f * static_cast<float>(i));
            line(kTableLeft, at, kTableRight, at);
        }
    }
    for (int i = 0; i <= 8; ++i) {
        if (i == 0 || i == 8) {
            line(column(i), y(792), column(i), y(612));
        } else if (i == 1) {
            line(column(i), y(772), column(i), y(632));
        } else {
            line(column(i), y(772), column(i), y(652));
        }
    }
    pdf_.stroke();
}

void PartLoadPage::drawColumnTitles() {
    pdf_.setfont(fonts_.helvetica, 10);
    SetFillColour(pdf_, kWhite);
    pdf_.show_xy("Part Load Data", 55, y(777));
    SetFillColour(pdf_, kBlack);
    pdf_.setfont(fonts_.helvetica, 8);

    pdf_.show_xy("No.", 75, y(749));
    pdf_.show_xy("Part Load", column(1) + 13, y(755));
    pdf_.show_xy("Capacity", column(2) + 14, y(755));
    pdf_.show_xy("Power Input", column(3) + 7, y(755));
    pdf_.show_xy("Cooling ", column(4) + 19, y(762));
    pdf_.show_xy("Efficiency EER", column(4) + 5, y(752));
    pdf_.show_xy("OAT", column(5) + 20, y(755));
    pdf_.show_xy("LWT", column(6) + 20, y(755));
    pdf_.show_xy("Flow", column(7) + 20, y(755));

    const float units = y(735);
    pdf_.show_xy("%", column(1) + 25, units);
    pdf_.show_xy("kW", column(2) + 25, units);
    pdf_.show_xy("kW", column(3) + 22, units);
    pdf_.show_xy("W/W", column(4) + 22, units);
    ShowDegreeCelsius(pdf_, column(5) + 23, units);
    ShowDegreeCelsius(pdf_, column(6) + 23, units);
    pdf_.show_xy("L/s", column(7) + 23, units);
    pdf_.setfont(fonts_.helvetica, 8);

    for (int n = 0; n < 4; ++n) {
        pdf_.show_xy(FormatText("%d", n + 1), 78, y(717 - 20.0f * static_cast<float>(n)));
    }
}

void PartLoadPage::drawPoints(const PartLoadData& data) {
    int n = 0;
    for (const PartLoadPoint& point : data.points) {
        const float at = y(717 - 20.0f * static_cast<float>(n));
        // Full load starts 2 points further left so that its three digits
        // end where the two-digit loads end.
        const std::string load = FormatText("%.0f", point.load * 100);
        pdf_.show_xy(load, column(1) + (load == "100" ? 20 : 22), at);
        pdf_.show_xy(S4(point.capacity), column(2) + 22, at);
        pdf_.show_xy(S4(point.power), column(3) + 17, at);
        pdf_.show_xy(S4(point.cop), column(4) + 20, at);
        pdf_.show_xy(FormatText("%.1f", point.oat), column(5) + 20, at);
        pdf_.show_xy(FormatText("%.2f", point.lwt), column(6) + 22, at);
        pdf_.show_xy(S4(point.flow), column(7) + 20, at);
        ++n;
    }
    pdf_.show_xy(S4(data.iplv) + " kW/kW", column(1) + 20, y(757 - 20.0f * static_cast<float>(n + 2)));
}

void PartLoadPage::drawNplvBox(double nplv) {
    line(kTableLeft, y(592), kTableRight, y(592));
    line(kTableLeft, y(572), kTableRight, y(572));
    line(kTableLeft, y(612), kTableLeft, y(572));
    line(kTableRight, y(612), kTableRight, y(572));
    line(column(1), y(612), column(1), y(592));
    pdf_.stroke();
    pdf_.show_xy("NPLV.IP", 65, y(597));
    pdf_.show_xy("NPLV.IP is based on AHRI Standard 550/590 (I-P)", 65, y(577));
    pdf_.show_xy(S4(nplv) + " kW/kW", column(1) + 20, y(597));
}

}  // namespace

void DrawPartLoadPage(ReportContext& report, int tableOffset) { PartLoadPage(report, tableOffset).draw(); }

}  // namespace keld

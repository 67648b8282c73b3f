// SPDX-License-Identifier: MIT
#include "reports/page1_frame.h"

#include <array>
#include <utility>

#include "reports/pdflib.h"

namespace keld {
namespace {

using geometry::kTableLeft;
using geometry::kTableRight;

constexpr std::array kBarRows = {7, 16, 24, 30, 34};

// Row lines across the whole table; the ones missing between them leave the
// empty spacer rows and the bars' upper edges to their neighbours.
constexpr std::array kRowLines = {1, 3, 4, 5, 6, 7, 8, 14, 15, 16, 22, 23, 24, 28, 29, 30, 32, 33, 34, 40};

// Spans (from line, to line) of the side borders: the boxes, not the spacer rows 4, 6, 15, 23, 29, 33.
constexpr std::array<std::pair<int, int>, 7> kBoxSpans = {
    {{1, 3}, {4, 5}, {6, 14}, {15, 22}, {23, 28}, {29, 32}, {33, 40}}};

// Spans of the two lines between three columns, and of the one line between two.
constexpr std::array<std::pair<int, int>, 4> kThreeColumnSpans = {{{1, 3}, {4, 5}, {7, 14}, {15, 22}}};
constexpr std::array<std::pair<int, int>, 2> kTwoColumnSpans = {{{24, 28}, {30, 32}}};

void VerticalLine(ReportContext& report, float x, std::pair<int, int> span) {
    report.pdf.moveto(x, report.RowLine(span.first));
    report.pdf.lineto(x, report.RowLine(span.second));
}

}  // namespace

void DrawSectionBars(ReportContext& report) {
    PDFlib& pdf = report.pdf;
    SetFillColour(pdf, BarColour(report));
    const auto pitch = static_cast<float>(report.RowPitch);
    for (int row : kBarRows) pdf.rect(kTableLeft, report.RowLine(row), geometry::kTableWidth, pitch);
    pdf.fill();
    SetFillColour(pdf, kBlack);
    pdf.setlinewidth(1);
}

void DrawPage1Grid(ReportContext& report) {
    PDFlib& pdf = report.pdf;
    const float headerTop = geometry::kGridTop + 2 * static_cast<float>(report.RowPitch);
    pdf.moveto(kTableLeft, headerTop);
    pdf.lineto(kTableRight, headerTop);
    for (float x : {kTableLeft, kTableRight}) {
        pdf.moveto(x, headerTop);
        pdf.lineto(x, report.RowLine(1));
    }

    for (int line : kRowLines) {
        pdf.moveto(kTableLeft, report.RowLine(line));
        pdf.lineto(kTableRight, report.RowLine(line));
    }
    for (auto span : kBoxSpans) {
        VerticalLine(report, kTableLeft, span);
        VerticalLine(report, kTableRight, span);
    }

    report.ColumnWidth = geometry::kPage1ColumnWidth;
    report.HalfWidth = geometry::kHalfWidth;
    for (auto span : kThreeColumnSpans) {
        VerticalLine(report, kTableLeft + report.ColumnWidth, span);
        VerticalLine(report, kTableLeft + 2 * report.ColumnWidth, span);
    }
    for (auto span : kTwoColumnSpans) VerticalLine(report, kTableLeft + report.HalfWidth, span);
    pdf.stroke();
}

void DrawSectionTitles(ReportContext& report, const ReportFonts& fonts) {
    PDFlib& pdf = report.pdf;
    pdf.setfont(fonts.bold, 8);
    SetFillColour(pdf, kWhite);
    pdf.show_xy("Selection Parameters", 52, report.RowBaseline(7));
    pdf.show_xy("Evaporator", 52, report.RowBaseline(16));
    pdf.show_xy("Condenser ", 217, report.RowBaseline(16));
    pdf.show_xy("Evaporator(Water)", 382, report.RowBaseline(16));
    pdf.show_xy("Physical Parameters", 52, report.RowBaseline(24));
    pdf.show_xy("Electrical Parameters", 52, report.RowBaseline(30));
    pdf.show_xy("Note", 52, report.RowBaseline(34));
}

}  // namespace keld

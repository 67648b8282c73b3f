// SPDX-License-Identifier: MIT
#pragma once

#include "reports/report_context.h"
#include "reports/report_drawing.h"

namespace keld {

// The fixed drawing of page 1 around its labels: the five section bars in
// the brand colour, the frame and grid as one stroked path, and the white
// section titles. Writer errors propagate as PDFlib::Exception.

// Fills the bars of rows 7, 16, 24, 30 and 34, then leaves black fill and
// 1-point lines selected.
void DrawSectionBars(ReportContext& report);

// The header box, the row lines, the side borders of the boxes and the
// column lines; sets the page-1 ColumnWidth and HalfWidth.
void DrawPage1Grid(ReportContext& report);

// The section titles on the bars, white Helvetica-Bold 8.
void DrawSectionTitles(ReportContext& report, const ReportFonts& fonts);

}  // namespace keld

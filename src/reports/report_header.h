// SPDX-License-Identifier: MIT
#pragma once

#include "reports/report_context.h"

namespace keld {

// The header both pages share: brand logo, title, the project box with its
// labels, the software version, the four project texts and the two dates.
// Each routine selects the font and colour it needs; writer errors propagate
// as PDFlib::Exception.

// The brand's logo at the top left: "BREXAL.jpg" at half size for BREXAL,
// "norvex_Min.jpg" at 0.4 otherwise, from the program's directory.
void DrawBrandLogo(ReportContext& report);

// The two title lines in Helvetica 12.
void DrawReportTitle(ReportContext& report);

// The six labels of the project box (rows 2 and 3), Helvetica 8 selected.
void DrawProjectBoxLabels(ReportContext& report);

// "V 1.0.10" beside "Software Version", size 10.
void DrawSoftwareVersion(ReportContext& report);

// Project, distributor, customer and tag number in the project box, size 8;
// a text too long for its cell shrinks, down to 5 points, and is then cut
// with "…". Characters no font holds print as "?", and the first header of
// an export names them and their field in a message.
void DrawProjectTexts(ReportContext& report);

// The last-updated date and "Print Date:y/m/d", Helvetica 8.
void DrawDates(ReportContext& report);

// The AHRI certification logo at the top right.
void PlaceAhriLogo(ReportContext& report);

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include "reports/report_context.h"

namespace keld {

// Page 2: the header of page 1 again (logo, title, project box, dates, and
// the AHRI logo when page 1 placed it, which clears AhriCertifiedFlag), then
// the part-load table of the chosen standard for the marked unit: its points
// as the database stores them and its IPLV, and for AHRI the NPLV box.
// `tableOffset` moves the table down (the datasheet passes 15). A model
// without part-load points gets the empty table and an IPLV of 0; a
// database error is shown once, marks the sheet as not complete, and the
// page is still finished. Begins and
// ends the page; writer errors propagate as PDFlib::Exception.
void DrawPartLoadPage(ReportContext& report, int tableOffset);

}  // namespace keld

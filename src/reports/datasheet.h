// SPDX-License-Identifier: MIT
#pragma once

#include "reports/report_context.h"

namespace keld {

// Draws both pages of the datasheet into the writer's open document: page 1
// with its frame, labels, notes and values, then the part-load page.
// Database errors are shown inside the pages (and noted in
// report.databaseFailed) and do not end the drawing. A writer error, or any
// other failure of the drawing, ends it at once and propagates; the export
// shows it and drops the document.
void DrawDatasheet(ReportContext& report);

// Page 1 alone (begins and ends it). Writer errors propagate.
void DrawPage1(ReportContext& report);

}  // namespace keld

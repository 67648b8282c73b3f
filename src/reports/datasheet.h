// SPDX-License-Identifier: MIT
#pragma once

#include "reports/report_context.h"

namespace keld {

// Draws both pages of the datasheet into the writer's open document: page 1
// with its frame, labels, notes and values, then the part-load page.
// A writer error (or any other failure of the drawing) ends the drawing at
// once: its message is shown through report.messages with the caption "JVT",
// the open page is ended, and AhriCertifiedFlag is cleared, so the document
// stays closable and holds what was drawn. Returns false after such an
// error. Database errors are handled inside the pages and do not end it.
bool DrawDatasheet(ReportContext& report);

// Page 1 alone (begins and ends it). Writer errors propagate.
void DrawPage1(ReportContext& report);

}  // namespace keld

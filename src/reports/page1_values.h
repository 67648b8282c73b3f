// SPDX-License-Identifier: MIT
#pragma once

#include "reports/report_context.h"

namespace keld {

// Fills the value cells of page 1: the marked row's duty figures from its
// cells and the restored conditions, the water standard rating and the
// unit's physical and electrical data from "EXCEL_NEW" by the stored model
// name. A model without its "EXCEL_NEW" row shows "Data error!" (once per
// query) and leaves the lower half empty; a database error is shown once and
// ends the values. Neither stops the export; both mark the sheet as not
// complete (report.databaseFailed). Writer errors propagate as
// PDFlib::Exception.
void DrawPage1Values(ReportContext& report);

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "reports/report_context.h"

namespace keld {

class Recordset;

// Runs one statement of the datasheet on `target`. False when the statement
// failed: the database has shown why, and the sheet is noted as resting on
// figures it could not read. The failure is not shown a second time as the
// unopened result's error.
bool RunReportStatement(ReportContext& report, Recordset& target, const std::string& sql);

// Shows a failure of the sheet's figures (a database error's text, "Data
// error!") with the caption "JVT" and notes it in report.databaseFailed.
void ShowDatabaseFailure(ReportContext& report, const std::string& text);

}  // namespace keld

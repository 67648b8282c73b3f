// SPDX-License-Identifier: MIT
#include "reports/report_database.h"

#include "base/message_sink.h"
#include "db/database_error.h"
#include "db/performance_database.h"

namespace keld {

bool RunReportStatement(ReportContext& report, Recordset& target, const std::string& sql) {
    report.database.OpenRecordset(target, sql);
    // A failed statement leaves the result unopened, and its first access
    // says so; the statement's own message has been shown already.
    try {
        target.RecordCount();
    } catch (const DatabaseError& error) {
        if (error.code() != database_error_code::kObjectClosed) throw;
        report.databaseFailed = true;
        return false;
    }
    return true;
}

void ShowDatabaseFailure(ReportContext& report, const std::string& text) {
    report.databaseFailed = true;
    report.messages.show(text, kApplicationTitle);
}

}  // namespace keld

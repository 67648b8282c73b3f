// SPDX-License-Identifier: MIT
#include "db/data_stamp.h"

#include "db/performance_database.h"
#include "db/schema.h"

namespace keld {

std::string DataStamp::text() const {
    if (version == "unknown" && date == "unknown") return "unknown";
    return version + " (" + date + ")";
}

DataStamp ReadDataStamp(PerformanceDatabase& db) {
    // Asking for the statement's columns prepares it without a message box:
    // an older file simply has no stamp.
    if (db.ResultColumns(schema::kDataStampQuery) == nullptr) return {};
    Recordset stamp;
    db.OpenRecordset(stamp, schema::kDataStampQuery);
    if (stamp.IsEOF()) return {};
    return {stamp.ReadFieldText(schema::kDataStampVersion), stamp.ReadFieldText(schema::kDataStampDate)};
}

}  // namespace keld

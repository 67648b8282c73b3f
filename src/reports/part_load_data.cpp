// SPDX-License-Identifier: MIT
#include "reports/part_load_data.h"

#include "base/format_text.h"
#include "db/database_error.h"
#include "db/performance_database.h"
#include "db/schema.h"
#include "reports/datasheet_text.h"
#include "reports/report_context.h"
#include "reports/report_database.h"

namespace keld {
namespace {

PartLoadPoint ReadPoint(const Recordset& row) {
    PartLoadPoint point;
    point.iplv = row.ReadFieldDouble(schema::kPartLoadIplv);
    point.load = row.ReadFieldDouble(schema::kPartLoadLoad);
    point.capacity = row.ReadFieldDouble(schema::kPartLoadCapacity);
    point.power = row.ReadFieldDouble(schema::kPartLoadPower);
    point.cop = row.ReadFieldDouble(schema::kPartLoadCop);
    point.oat = row.ReadFieldDouble(schema::kPartLoadOat);
    point.lwt = row.ReadFieldDouble(schema::kPartLoadLwt);
    point.flow = row.ReadFieldDouble(schema::kPartLoadFlow);
    return point;
}

}  // namespace

PartLoadData ReadPartLoadData(ReportContext& report, const std::string& storedName, int partLoadStandard) {
    const bool ahri = partLoadStandard == 0;
    const char* format = ahri ? schema::kPartLoadAhriByModel : schema::kPartLoadGbByModel;
    PartLoadData data;
    Recordset& points = report.database.CurrentRecordset();
    try {
        if (RunReportStatement(report, points, FormatText(format, EscapeSqlQuotes(storedName).c_str()))) {
            if (points.RecordCount() > 0) points.MoveFirst();
            while (!points.IsEOF()) {
                data.points.push_back(ReadPoint(points));
                data.iplv = data.points.back().iplv;
                points.MoveNext();
            }
            if (ahri) points.Close();
        }
    } catch (const DatabaseError& error) {
        ShowDatabaseFailure(report, DatabaseErrorText(error));
    }
    // The table keeps the NPLV in the IPLV field of the unit's first point and
    // the IPLV in that of its last.
    if (ahri && !data.points.empty()) data.nplv = data.points.front().iplv;
    return data;
}

}  // namespace keld

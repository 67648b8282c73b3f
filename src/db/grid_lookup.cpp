// SPDX-License-Identifier: MIT
// The performance grids: ratios sampled over leaving water temperature (rows)
// and outdoor air temperature (columns), read between the grid points.
#include <cmath>
#include <memory>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "db/lookups.h"
#include "db/oat_axis.h"
#include "db/performance_database.h"
#include "db/schema.h"

namespace keld {
namespace {

// An ambient this close to a column's value reads that column.
constexpr double kOatTolerance = 0.00001;

// Where an ambient lies on a grid's axis: on the column `index`, or between
// the columns `index` - 1 and `index`; outside the axis when neither.
struct OatPosition {
    size_t index = 0;
    bool exact = false;
    bool inside = false;
};

OatPosition Locate(const OatAxis& axis, float oat) {
    OatPosition at;
    for (; at.index < axis.size(); ++at.index) {
        const double columnOat = axis[at.index].value;
        if (std::fabs(oat - columnOat) < kOatTolerance) {
            at.exact = true;
            break;
        }
        if (oat < columnOat) break;
    }
    at.inside = at.index < axis.size() && (at.exact || at.index > 0);
    return at;
}

// Runs a grid-row statement for the cells the ambient reads (within a run,
// the whole row, kept for the next ambient).
void OpenGridRow(PerformanceDatabase& db, Recordset& row, const std::string& sql, const OatAxis& axis,
                 const OatPosition& at) {
    if (!at.inside) {
        db.OpenRecordsetInRun(row, sql, {});
    } else if (at.exact) {
        db.OpenRecordsetInRun(row, sql, {axis[at.index].columnName});
    } else {
        db.OpenRecordsetInRun(row, sql, {axis[at.index - 1].columnName, axis[at.index].columnName});
    }
}

struct GridCell {
    bool notAvailable;
    float value;
};

GridCell ReadGridCell(const Recordset& row, const OatColumn& column) {
    return {row.FieldTextIs(column.columnName, "0"),
            static_cast<float>(row.ReadFieldNumber(column.columnName))};
}

// The value along the first row of `row`, the result of a grid-row
// statement opened for the ambient at `at`, inside the axis.
float ReadAlongRow(Recordset& row, const OatAxis& axis, const OatPosition& at, float oat) {
    if (!row.IsBOF()) row.MoveFirst();

    if (at.exact) {
        GridCell cell = ReadGridCell(row, axis[at.index]);
        // The small offset keeps a grid value of exactly 0.0 apart from the
        // not-available marker; at 1 and above it is below float resolution.
        float result = static_cast<float>(cell.value + 0.00000005);
        return cell.notAvailable ? 0.0f : result;
    }

    const OatColumn& lowerColumn = axis[at.index - 1];
    const OatColumn& upperColumn = axis[at.index];
    GridCell lower = ReadGridCell(row, lowerColumn);
    GridCell upper = ReadGridCell(row, upperColumn);
    // Cells and their difference in single precision, the ambients in double:
    // the mix the published selections were computed with, kept to the bit.
    float result = static_cast<float>(upper.value + (lower.value - upper.value) * (oat - upperColumn.value) /
                                                        (lowerColumn.value - upperColumn.value));
    if (lower.notAvailable || upper.notAvailable) return 0.0f;
    return result;
}

float InterpolateOnAxis(PerformanceDatabase& db, const std::string& table, float oat, float lwt,
                        const OatAxis& axis) {
    const OatPosition at = Locate(axis, oat);
    if (!at.inside) throw InvalidArgumentError();
    Recordset& row = db.CurrentRecordset();
    OpenGridRow(db, row, FormatText(schema::kGridRowAtLwt, table.c_str(), lwt), axis, at);
    return ReadAlongRow(row, axis, at, oat);
}

}  // namespace

InvalidArgumentError::InvalidArgumentError() : std::invalid_argument("遇到不适当的参数。") {}

bool NotAvailableCell(const std::string& cellText) { return cellText == "0"; }

OatColumnList BuildOatColumnList(const Recordset& grid) {
    std::vector<std::string> names;
    const int count = grid.FieldCount();
    for (int i = 0; i < count; ++i) names.push_back(grid.FieldName(i));
    OatColumnList list;
    for (OatColumn& column : OatAxisOfColumns(names)) list.push_back(std::move(column.text));
    return list;
}

float InterpolateOatRow(PerformanceDatabase& db, const std::string& table, float oat, float lwt,
                        const OatColumnList& columns) {
    return InterpolateOnAxis(db, table, oat, lwt, OatAxisOfTexts(columns));
}

double LookupOatLwt(PerformanceDatabase& db, const std::string& table, float oat, float lwt) {
    Recordset& grid = db.CurrentRecordset();
    const std::string atLwt = FormatText(schema::kGridRowAtLwt, table.c_str(), lwt);
    // The grid's ambients come from the names of its columns, read once per
    // statement; with them the row at the LWT is read for just the cells the
    // ambient needs. A statement that does not prepare fails in the open.
    const std::shared_ptr<const ColumnSet> columns = db.ResultColumns(atLwt);
    static const OatAxis kNoAxis;
    const OatAxis& axis = columns ? columns->oatAxis() : kNoAxis;
    const OatPosition at = Locate(axis, oat);
    OpenGridRow(db, grid, atLwt, axis, at);
    const int rowsAtLwt = grid.RecordCount();
    if (rowsAtLwt == 1) {
        // A grid point: this very row is the one to read along.
        if (!at.inside) throw InvalidArgumentError();
        return ReadAlongRow(grid, axis, at, oat);
    }
    if (rowsAtLwt >= 2) {
        db.messages().show("DATA ERROR!", kApplicationTitle);
        return 0.0;
    }

    // Between two grid rows: the nearest row above and the nearest below.
    db.OpenRecordsetInRun(grid, FormatText(schema::kGridRowsAboveLwt, table.c_str(), lwt),
                          {schema::kGridLwt});
    if (!grid.IsBOF()) grid.MoveFirst();
    const float upperLwt = static_cast<float>(grid.ReadFieldNumber(schema::kGridLwt));
    const float upperValue = InterpolateOnAxis(db, table, oat, upperLwt, axis);

    db.OpenRecordsetInRun(grid, FormatText(schema::kGridRowsBelowLwt, table.c_str(), lwt),
                          {schema::kGridLwt});
    if (!grid.IsBOF()) grid.MoveLast();
    const float lowerLwt = static_cast<float>(grid.ReadFieldNumber(schema::kGridLwt));
    const float lowerValue = InterpolateOnAxis(db, table, oat, lowerLwt, axis);

    const float result = lowerValue + (upperValue - lowerValue) * (lwt - lowerLwt) / (upperLwt - lowerLwt);
    // A row without data at this ambient makes the point unavailable.
    if (upperValue == 0.0f || lowerValue == 0.0f) return 0.0;
    return result;
}

}  // namespace keld

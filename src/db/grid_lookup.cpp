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

// A grid-row statement: with the leaving water written in, as a selection
// runs it, and with the leaving water as a parameter, as a map's run
// prepares it once for every row of a grid.
struct RowStatement {
    const char* written;
    const char* withParameter;
};
constexpr RowStatement kRowAtLwt{schema::kGridRowAtLwt, schema::kGridRowAtLwtParameter};
constexpr RowStatement kRowsAboveLwt{schema::kGridRowsAboveLwt, schema::kGridRowsAboveLwtParameter};
constexpr RowStatement kRowsBelowLwt{schema::kGridRowsBelowLwt, schema::kGridRowsBelowLwtParameter};

// The rows `statement` selects of the grid `table` at `lwt`, holding only
// the cells of `readColumns`. A map's run reads a row at every ambient of
// its axis: it keeps the rows whole, under the written statement, and gives
// them again when asked again.
void OpenRows(PerformanceDatabase& db, Recordset& rows, const RowStatement& statement,
              const std::string& table, float lwt, std::initializer_list<std::string_view> readColumns) {
    const std::string written = FormatText(statement.written, table.c_str(), static_cast<double>(lwt));
    if (!db.RunKeepsWholeRows()) return db.OpenRecordset(rows, written, readColumns);
    if (const Recordset* kept = db.RowsKeptFor(written)) {
        rows = *kept;
        return;
    }
    // "inf" or "nan" written into the statement fails it; as a parameter it
    // would read as 0.
    if (!std::isfinite(lwt)) return db.OpenRecordsetKept(rows, written, written);
    db.OpenRecordsetKeptAt(rows, FormatText(statement.withParameter, table.c_str()),
                           FormatText("%f", static_cast<double>(lwt)), written);
}

// The grid row at `lwt`, for the cells the ambient at `at` reads.
void OpenGridRow(PerformanceDatabase& db, Recordset& row, const std::string& table, float lwt,
                 const OatAxis& axis, const OatPosition& at) {
    if (!at.inside) {
        OpenRows(db, row, kRowAtLwt, table, lwt, {});
    } else if (at.exact) {
        OpenRows(db, row, kRowAtLwt, table, lwt, {axis[at.index].columnName});
    } else {
        OpenRows(db, row, kRowAtLwt, table, lwt, {axis[at.index - 1].columnName, axis[at.index].columnName});
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
    OpenGridRow(db, row, table, lwt, axis, at);
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
    // The grid's ambients come from the names of its columns, read once per
    // statement; with them the row at the LWT is read for just the cells the
    // ambient needs. A statement that does not prepare fails in the open.
    const std::shared_ptr<const ColumnSet> columns =
        db.RunKeepsWholeRows() ? db.ResultColumns(FormatText(kRowAtLwt.withParameter, table.c_str()))
                               : db.ResultColumns(FormatText(kRowAtLwt.written, table.c_str(), lwt));
    static const OatAxis kNoAxis;
    const OatAxis& axis = columns ? columns->oatAxis() : kNoAxis;
    const OatPosition at = Locate(axis, oat);
    OpenGridRow(db, grid, table, lwt, axis, at);
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
    OpenRows(db, grid, kRowsAboveLwt, table, lwt, {schema::kGridLwt});
    if (!grid.IsBOF()) grid.MoveFirst();
    const float upperLwt = static_cast<float>(grid.ReadFieldNumber(schema::kGridLwt));
    const float upperValue = InterpolateOnAxis(db, table, oat, upperLwt, axis);

    OpenRows(db, grid, kRowsBelowLwt, table, lwt, {schema::kGridLwt});
    if (!grid.IsBOF()) grid.MoveLast();
    const float lowerLwt = static_cast<float>(grid.ReadFieldNumber(schema::kGridLwt));
    const float lowerValue = InterpolateOnAxis(db, table, oat, lowerLwt, axis);

    const float result = lowerValue + (upperValue - lowerValue) * (lwt - lowerLwt) / (upperLwt - lowerLwt);
    // A row without data at this ambient makes the point unavailable.
    if (upperValue == 0.0f || lowerValue == 0.0f) return 0.0;
    return result;
}

}  // namespace keld

// SPDX-License-Identifier: MIT
// The performance grids: ratios sampled over leaving water temperature (rows)
// and outdoor air temperature (columns), read between the grid points.
#include <cmath>

#include "db/format_text.h"
#include "db/lookups.h"
#include "db/message_sink.h"
#include "db/number_text.h"
#include "db/performance_database.h"
#include "db/schema.h"

namespace keld {
namespace {

// An ambient this close to a column's value reads that column.
constexpr double kOatTolerance = 0.00001;

std::string OatColumnName(const std::string& oatText) {
    std::string name = FormatText(schema::kOatColumnFormat, oatText.c_str());
    for (char& c : name) {
        if (c == '.') c = '_';
    }
    return name;
}

struct GridCell {
    std::string text;
    float value;
};

GridCell ReadGridCell(const Recordset& row, const std::string& oatText) {
    std::string text = row.ReadFieldText(OatColumnName(oatText));
    return {text, static_cast<float>(LeadingNumber(text))};
}

void InsertOatValue(OatColumnList& list, std::string oatText) {
    double value = LeadingNumber(oatText);
    auto position = list.begin();
    for (auto entry = list.end(); entry != list.begin();) {
        --entry;
        if (std::trunc(LeadingNumber(*entry)) < value) {
            position = entry + 1;
            break;
        }
    }
    list.insert(position, std::move(oatText));
}

}  // namespace

InvalidArgumentError::InvalidArgumentError() : std::invalid_argument("遇到不适当的参数。") {}

bool NotAvailableCell(const std::string& cellText) { return cellText == "0"; }

OatColumnList BuildOatColumnList(const Recordset& grid) {
    OatColumnList list;
    const int count = grid.FieldCount();
    for (int i = 0; i < count; ++i) {
        std::string name = grid.FieldName(i);
        if (name.find(schema::kOatMarker) == std::string::npos) continue;
        std::string oatText = name.substr(0, name.size() - 3);
        for (char& c : oatText) {
            if (c == '_') c = '.';
        }
        InsertOatValue(list, std::move(oatText));
    }
    return list;
}

float InterpolateOatRow(PerformanceDatabase& db, const std::string& table, float oat, float lwt,
                        const OatColumnList& columns) {
    // Find the column at the ambient, or the pair around it.
    size_t index = 0;
    bool exact = false;
    for (; index < columns.size(); ++index) {
        double columnOat = LeadingNumber(columns[index]);
        if (std::fabs(oat - columnOat) < kOatTolerance) {
            exact = true;
            break;
        }
        if (oat < columnOat) break;
    }
    if (index == columns.size() || (!exact && index == 0)) throw InvalidArgumentError();

    Recordset& row = db.CurrentRecordset();
    db.OpenRecordset(row, FormatText(schema::kGridRowAtLwt, table.c_str(), lwt));
    if (!row.IsBOF()) row.MoveFirst();

    if (exact) {
        GridCell cell = ReadGridCell(row, columns[index]);
        // The small offset keeps a grid value of exactly 0.0 apart from the
        // not-available marker; at 1 and above it is below float resolution.
        float result = static_cast<float>(cell.value + 0.00000005);
        return NotAvailableCell(cell.text) ? 0.0f : result;
    }

    GridCell lower = ReadGridCell(row, columns[index - 1]);
    GridCell upper = ReadGridCell(row, columns[index]);
    double lowerOat = LeadingNumber(columns[index - 1]);
    double upperOat = LeadingNumber(columns[index]);
    // Cells and their difference in single precision, the ambients in double:
    // the mix the published selections were computed with, kept to the bit.
    float result = static_cast<float>(upper.value +
                                      (lower.value - upper.value) * (oat - upperOat) / (lowerOat - upperOat));
    if (NotAvailableCell(lower.text) || NotAvailableCell(upper.text)) return 0.0f;
    return result;
}

double LookupOatLwt(PerformanceDatabase& db, const std::string& table, float oat, float lwt) {
    Recordset& grid = db.CurrentRecordset();
    db.OpenRecordset(grid, FormatText(schema::kGridRowAtLwt, table.c_str(), lwt));
    const int rowsAtLwt = grid.RecordCount();
    const OatColumnList columns = BuildOatColumnList(grid);
    if (rowsAtLwt == 1) return InterpolateOatRow(db, table, oat, lwt, columns);
    if (rowsAtLwt >= 2) {
        db.messages().show("DATA ERROR!", kApplicationTitle);
        return 0.0;
    }

    // Between two grid rows: the nearest row above and the nearest below.
    db.OpenRecordset(grid, FormatText(schema::kGridRowsAboveLwt, table.c_str(), lwt));
    if (!grid.IsBOF()) grid.MoveFirst();
    const float upperLwt = static_cast<float>(grid.ReadFieldNumber(schema::kGridLwt));
    const float upperValue = InterpolateOatRow(db, table, oat, upperLwt, columns);

    db.OpenRecordset(grid, FormatText(schema::kGridRowsBelowLwt, table.c_str(), lwt));
    if (!grid.IsBOF()) grid.MoveLast();
    const float lowerLwt = static_cast<float>(grid.ReadFieldNumber(schema::kGridLwt));
    const float lowerValue = InterpolateOatRow(db, table, oat, lowerLwt, columns);

    const float result = lowerValue + (upperValue - lowerValue) * (lwt - lowerLwt) / (upperLwt - lowerLwt);
    // A row without data at this ambient makes the point unavailable.
    if (upperValue == 0.0f || lowerValue == 0.0f) return 0.0;
    return result;
}

}  // namespace keld

// SPDX-License-Identifier: MIT
// The correction tables: factors against one key (altitude, fouling, glycol,
// leaving water temperature, flow ratio), read linearly between the keys.
#include <cmath>
#include <cstring>
#include <string_view>

#include "base/format_text.h"
#include "base/message_sink.h"
#include "db/database_error.h"
#include "db/lookups.h"
#include "db/performance_database.h"
#include "db/schema.h"

namespace keld {
namespace {

constexpr const char* kReadDataErrorFormat = "读取数据出错:%s";

struct KeyRow {
    double value = 0.0;
    double key = 0.0;
};

DatabaseError KeyOutsideTable(const std::string& table, const char* side, const std::string& keyColumn,
                              float x) {
    return DatabaseError(
        database_error_code::kKeyOutsideTable,
        FormatText("Table %s has no row %s %s = %f", table.c_str(), side, keyColumn.c_str(), x));
}

// "读取数据出错:%s": a correction factor could not be read; the lookup
// then gives 0.
double ReportReadError(PerformanceDatabase& db, const DatabaseError& error) {
    db.messages().show(FormatText(kReadDataErrorFormat, DatabaseErrorText(error).c_str()), kApplicationTitle);
    return 0.0;
}

// Rows of a correction table are named within a run by the relation to the
// key ('=', '>' or '<'), the table, the key column and the key's bits: the
// tables are read at the same key for several quantities, and building the
// statement text again costs more than the answer. Empty for names too long
// to be kept this way.
class RunKey {
public:
    RunKey(char relation, const std::string& table, const std::string& keyColumn, float x) {
        if (1 + table.size() + keyColumn.size() + 2 + sizeof x > sizeof bytes_) return;
        bytes_[size_++] = relation;
        for (std::string_view piece : {std::string_view(table), std::string_view(keyColumn)}) {
            piece.copy(bytes_ + size_, piece.size());
            size_ += piece.size();
            bytes_[size_++] = '\0';
        }
        std::memcpy(bytes_ + size_, &x, sizeof x);
        size_ += sizeof x;
    }
    std::string_view view() const { return {bytes_, size_}; }

private:
    char bytes_[96];
    size_t size_ = 0;
};

// The statements that find a table's rows at, above or below a key: written
// with the key, as every lookup runs them, and with the key as a parameter,
// as a performance map's lookups run them.
struct KeyRelation {
    char sign;
    const char* statement;
    const char* parameterStatement;
};
constexpr KeyRelation kAtKey{'=', schema::kKeyRowsAt, schema::kKeyRowsAtParameter};
constexpr KeyRelation kAboveKey{'>', schema::kKeyRowsAbove, schema::kKeyRowsAboveParameter};
constexpr KeyRelation kBelowKey{'<', schema::kKeyRowsBelow, schema::kKeyRowsBelowParameter};

// Opens `rows` on the rows of the table in `relation` to x, or on the rows
// the run already read of it.
void OpenKeyRows(PerformanceDatabase& db, Recordset& rows, const KeyRelation& relation,
                 const std::string& table, const std::string& keyColumn, float x) {
    const RunKey runKey(relation.sign, table, keyColumn, x);
    if (const Recordset* kept = db.RowsKeptFor(runKey.view())) {
        rows = *kept;
        return;
    }
    // A key that is not finite writes "inf" or "nan" into the statement,
    // which the engine refuses, while the parameter would read as 0: such a
    // key takes the written statement in a map too.
    if (db.RunKeepsWholeRows() && std::isfinite(x)) {
        db.OpenRecordsetKeptAt(rows,
                               FormatText(relation.parameterStatement, table.c_str(), keyColumn.c_str()),
                               FormatText("%f", x), runKey.view());
        return;
    }
    db.OpenRecordsetKept(rows, FormatText(relation.statement, table.c_str(), keyColumn.c_str(), x),
                         runKey.view());
}

}  // namespace

double LookupByKey(PerformanceDatabase& db, float x, const std::string& valueColumn, const std::string& table,
                   const std::string& keyColumn) {
    Recordset rows;
    // Errors of the statements, the row count and the positioning reach the
    // caller; only the reading of the rows is answered here.
    OpenKeyRows(db, rows, kAtKey, table, keyColumn, x);
    if (rows.RecordCount() != 0) {
        rows.MoveFirst();
        try {
            double result = 0.0;
            for (; !rows.IsEOF(); rows.MoveNext()) result = rows.ReadFieldNumber(valueColumn);
            return result;
        } catch (const DatabaseError& error) {
            return ReportReadError(db, error);
        }
    }

    OpenKeyRows(db, rows, kAboveKey, table, keyColumn, x);
    if (!rows.IsBOF()) rows.MoveFirst();
    bool haveUpper = false;
    KeyRow upper;
    try {
        if (!rows.IsEOF()) {
            upper = {rows.ReadFieldNumber(valueColumn), rows.ReadFieldNumber(keyColumn)};
            haveUpper = true;
        }
    } catch (const DatabaseError& error) {
        return ReportReadError(db, error);
    }
    if (!haveUpper) throw KeyOutsideTable(table, "above", keyColumn, x);

    OpenKeyRows(db, rows, kBelowKey, table, keyColumn, x);
    if (!rows.IsBOF()) rows.MoveLast();
    bool haveLower = false;
    KeyRow lower;
    try {
        for (; !rows.IsEOF(); rows.MoveNext()) {
            lower = {rows.ReadFieldNumber(valueColumn), rows.ReadFieldNumber(keyColumn)};
            haveLower = true;
        }
    } catch (const DatabaseError& error) {
        return ReportReadError(db, error);
    }
    if (!haveLower) throw KeyOutsideTable(table, "below", keyColumn, x);

    return lower.value + (upper.value - lower.value) / (upper.key - lower.key) * (x - lower.key);
}

}  // namespace keld

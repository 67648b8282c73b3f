// SPDX-License-Identifier: MIT
#include "shipped_database.h"

#include <cstdlib>

#include "db/recordset.h"

namespace keld::test {

std::vector<Row> ShippedDatabase::Rows(const std::string& sql) {
    Recordset result;
    database_.OpenRecordset(result, sql);
    std::vector<Row> rows;
    for (; !result.IsEOF(); result.MoveNext()) {
        Row row;
        for (int i = 0; i < result.FieldCount(); ++i) {
            const std::string name = result.FieldName(i);
            row[name] = result.ReadFieldText(name);
        }
        rows.push_back(row);
    }
    return rows;
}

double Number(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

}  // namespace keld::test

// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace keld {

class PerformanceDatabase;

// OAT values of one performance grid as texts ("35", "-5", "7.5"), ascending.
using OatColumnList = std::vector<std::string>;

// Raised when an ambient lies outside a grid's OAT columns; its what() is
// the program's invalid-argument message "遇到不适当的参数。".
class InvalidArgumentError : public std::invalid_argument {
public:
    InvalidArgumentError();
};

// Bilinear lookup in a grid (rows LWT, columns OAT) in single precision.
// 0 for a not-available cell or a duplicated LWT row ("DATA ERROR!" shown).
// An LWT outside the rows raises DatabaseError; an OAT outside the columns
// raises InvalidArgumentError. Uses the database's CurrentRecordset.
double LookupOatLwt(PerformanceDatabase& db, const std::string& table, float oat, float lwt);

float InterpolateOatRow(PerformanceDatabase& db, const std::string& table, float oat, float lwt,
                        const OatColumnList& columns);

// Linear lookup in a correction table, on its own recordset. A database error
// while reading rows shows "读取数据出错:%s" and gives 0; a key outside the
// table raises DatabaseError naming the table, the key column and the value.
double LookupByKey(PerformanceDatabase& db, float x, const std::string& valueColumn,
                   const std::string& table, const std::string& keyColumn);

// A grid cell whose text is exactly "0": the unit has no data there.
bool NotAvailableCell(const std::string& cellText);

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace keld {

class PerformanceDatabase;
class Recordset;

// OAT values of one performance grid as texts ("35", "-5", "7.5"), ascending.
using OatColumnList = std::vector<std::string>;

// Raised when an ambient lies outside a grid's OAT columns; its what() is
// the program's invalid-argument message "遇到不适当的参数。".
class InvalidArgumentError : public std::invalid_argument {
public:
    InvalidArgumentError();
};

// Bilinear lookup in a performance grid (rows LWT, columns OAT), in single
// precision, returned widened to double. Runs its statements in the
// database's CurrentRecordset, which then holds the last of them (only the
// cells the lookup read): a caller must not be walking CurrentRecordset
// across this call. A grid point reads its row once; between rows the
// neighbour statements keep only the LWT, the row statements only the one
// or two cells around the ambient.
// Result 0 when a used cell is not available ("0"), when a bracketing row
// gives exactly 0, or when the LWT row exists twice ("DATA ERROR!" is shown,
// caption "JVT"). An LWT beyond the grid's rows raises DatabaseError (no
// current record); an OAT outside its columns raises InvalidArgumentError; a
// missing table shows the engine's message, then raises DatabaseError.
double LookupOatLwt(PerformanceDatabase& db, const std::string& table, float oat, float lwt);

// Linear lookup along the row of `table` whose LWT is exactly `lwt`, between
// the OAT columns of `columns` (from BuildOatColumnList). An OAT within
// 0.00001 of a column reads that column (plus 5e-8, so a 0.0 cell gives a
// tiny positive value); 0 when a used cell is not available. Raises as
// LookupOatLwt does; uses CurrentRecordset.
float InterpolateOatRow(PerformanceDatabase& db, const std::string& table, float oat, float lwt,
                        const OatColumnList& columns);

// The OAT values of a grid result's columns (every column whose name
// contains "OAT": the name without its last three characters, "_" read as
// "."). Each value goes directly after the last entry, searching from the
// end, whose value truncated to a whole number is smaller than it, else
// first: ascending for grids whose OATs differ in their whole degrees,
// whatever the column order of the table. Raises DatabaseError when the
// recordset is not open.
OatColumnList BuildOatColumnList(const Recordset& grid);

// Linear lookup of `valueColumn` in a correction table by `keyColumn`, in
// double precision, on a recordset of its own, so a caller may be walking
// CurrentRecordset meanwhile. With several rows at exactly x the last one
// wins; between keys the first row above and the last row below are used
// (the tables return their rows in ascending key order).
// A database error while reading rows (e.g. a missing value column) shows
// "读取数据出错:%s" (caption "JVT") and gives 0. A key outside the table
// raises DatabaseError naming the table, the key column and the value; a
// missing table or key column shows the engine's message, then raises
// DatabaseError.
double LookupByKey(PerformanceDatabase& db, float x, const std::string& valueColumn, const std::string& table,
                   const std::string& keyColumn);

// A grid cell whose text is exactly "0": the unit has no data there. "0.0"
// and "" are ordinary zeros.
bool NotAvailableCell(const std::string& cellText);

}  // namespace keld

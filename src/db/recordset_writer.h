// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db/column_set.h"
#include "db/recordset.h"

namespace keld {

// The rows of one statement as a recordset holds them: the cells of the
// columns read, row by row, and the bytes of every text and blob in one
// buffer. Written once by the connection that runs the statement, then only
// read, by any number of recordsets.
struct Recordset::Result {
    std::shared_ptr<const ColumnSet> columns;
    // Where each column's cell lies within a row; -1 for a column not read.
    // Empty when every column is read, in table order.
    std::vector<int> slotOfColumn;
    int width = 0;  // cells per row
    std::vector<Cell> cells;
    std::string text;
    int rowCount = 0;

    int slotOf(int column) const {
        return slotOfColumn.empty() ? column : slotOfColumn[static_cast<size_t>(column)];
    }
};

// Fills a Recordset; used only by the connection that runs the statement.
class RecordsetWriter {
public:
    using Cell = Recordset::Cell;
    using Result = Recordset::Result;

    // Leaves the recordset unopened.
    static void Clear(Recordset& target);
    // An empty result to fill for `target`: the storage of its previous one
    // when nothing else shares it, so a recordset reused statement after
    // statement rarely allocates. The target is left unopened.
    static std::shared_ptr<Result> Reuse(Recordset& target);
    // Opens `target` on a complete result; the cursor goes on the first row.
    static void Open(Recordset& target, std::shared_ptr<const Result> result);
    // The result `target` holds (null while unopened).
    static const std::shared_ptr<const Result>& Held(const Recordset& target) { return target.result_; }
};

}  // namespace keld

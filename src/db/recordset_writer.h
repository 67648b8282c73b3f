// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "db/column_set.h"
#include "db/recordset.h"

namespace keld {

// Fills a Recordset row by row; used only by the connection that runs the
// statement.
class RecordsetWriter {
public:
    using Cell = Recordset::Cell;

    // Leaves the recordset unopened and empty, keeping its storage.
    static void Clear(Recordset& target);
    // Opens an empty result with these columns.
    static void Begin(Recordset& target, std::shared_ptr<const ColumnSet> columns);
    // The next cell of the row being added, in column order.
    static Cell& AddCell(Recordset& target, size_t cellIndex);
    // Completes a result of `rows` rows; the cursor goes on the first row.
    static void Finish(Recordset& target, int rows);
};

}  // namespace keld

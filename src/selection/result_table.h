// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "selection/model_result.h"
#include "selection/result_columns.h"

namespace keld {

// The result list without its widget: rows of 22 text cells, and the one
// ModelResult each row owns. Column 20 of a row holds the id of its record as
// lower-case hexadecimal text; RecordOf maps that text back to the record, so
// no raw address ever appears in a cell.
class ResultTable {
public:
    using Row = std::array<std::string, column::kCount>;

    int rowCount() const;
    const Row& row(int index) const;

    // Inserts an empty row at `index` with `modelName` in column 0.
    void insertRow(int index, const std::string& modelName);
    void setCell(int row, int column, const std::string& text);
    const std::string& cell(int row, int column) const;

    // Creates a record owned by the table and returns its id; the run writes
    // the id's "%x" text into column 20.
    unsigned createRecord();
    // The record of a row (via column 20); null when the text is empty, zero,
    // not hexadecimal, or names no live record.
    ModelResult* recordOfRow(int row);
    const ModelResult* recordOfRow(int row) const;

    // Deletes the records of every row; the rows stay.
    void FreeResultRecords();
    void deleteAllRows();

    // The row last selected by the user (the selection mark), if any.
    std::optional<int> markedRow() const;
    void markRow(std::optional<int> row);

private:
    std::vector<Row> rows_;
    std::map<unsigned, std::unique_ptr<ModelResult>> records_;
    unsigned nextRecordId_ = 1;
    std::optional<int> marked_;
};

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "selection/model_result.h"
#include "selection/observer_list.h"
#include "selection/result_columns.h"

namespace keld {

// Told by the result table of every change to its rows, before and after it
// happens, so that a list view over the table never asks for a row the table
// no longer has (a run empties the list, then shows message boxes while the
// window repaints).
class ResultTableObserver {
public:
    virtual ~ResultTableObserver() = default;
    virtual void rowAboutToBeInserted(int index) = 0;
    virtual void rowInserted(int index) = 0;
    virtual void rowsAboutToBeDeleted() = 0;
    virtual void rowsDeleted() = 0;
    virtual void cellChanged(int row, int column) = 0;
};

// The result list without its widget: rows of 22 text cells, and the one
// ModelResult each row owns. Column 20 of a row holds the id of its record as
// lower-case hexadecimal text; recordOfRow maps that text back to the record, so
// no raw address ever appears in a cell.
//
// Every call that takes a row or column index raises std::out_of_range for an
// index outside the table (insertRow accepts 0 … rowCount()).
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
    // the id's "%x" text (RecordIdText) into column 20. Ids start at 1 and are
    // never reused while the table lives.
    unsigned createRecord();
    static std::string RecordIdText(unsigned id);
    // The record of a row (via column 20); null when the text is empty, zero,
    // not hexadecimal, or names no live record. The pointer stays valid until
    // FreeResultRecords.
    ModelResult* recordOfRow(int row);
    const ModelResult* recordOfRow(int row) const;

    // Deletes every record the table holds (so those of every row); the rows
    // stay, and their column 20 then names no record.
    void FreeResultRecords();
    // Deletes every row and the selection mark; records stay until
    // FreeResultRecords.
    void deleteAllRows();

    // The row last selected by the user (the selection mark), if any. An
    // inserted row before it moves the mark with its row.
    std::optional<int> markedRow() const;
    void markRow(std::optional<int> row);

    // `observer` is told of every row change from now on, after those that
    // subscribed before it, until the subscription is reset or destroyed.
    [[nodiscard]] Subscription subscribe(ResultTableObserver& observer) {
        return observers_.subscribe(observer);
    }

private:
    void checkRow(int row) const;
    void checkCell(int row, int column) const;
    ModelResult* findRecord(int row) const;

    std::vector<Row> rows_;
    std::map<unsigned, std::unique_ptr<ModelResult>> records_;
    unsigned nextRecordId_ = 1;
    std::optional<int> marked_;
    ObserverList<ResultTableObserver> observers_;
};

}  // namespace keld

// SPDX-License-Identifier: MIT
#include "selection/result_table.h"

#include <charconv>
#include <stdexcept>

namespace keld {
namespace {

// The record id of a column-20 text: hexadecimal digits only, no prefix,
// no blanks. 0 for anything else, as for a row that has no record.
unsigned ParseRecordId(const std::string& text) {
    unsigned id = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id, 16);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return id;
}

}  // namespace

void ResultTable::checkRow(int row) const {
    if (row < 0 || row >= rowCount()) {
        throw std::out_of_range("result row " + std::to_string(row) + " of " + std::to_string(rowCount()));
    }
}

void ResultTable::checkCell(int row, int column) const {
    checkRow(row);
    if (column < 0 || column >= column::kCount) {
        throw std::out_of_range("result column " + std::to_string(column));
    }
}

int ResultTable::rowCount() const { return static_cast<int>(rows_.size()); }

const ResultTable::Row& ResultTable::row(int index) const {
    checkRow(index);
    return rows_[index];
}

void ResultTable::insertRow(int index, const std::string& modelName) {
    if (index < 0 || index > rowCount()) {
        throw std::out_of_range("insert at result row " + std::to_string(index) + " of " +
                                std::to_string(rowCount()));
    }
    Row row;
    row[column::kModel] = modelName;
    observers_.notify(&ResultTableObserver::rowAboutToBeInserted, index);
    rows_.insert(rows_.begin() + index, std::move(row));
    // The mark stays on the row it was on, as in a list control.
    if (marked_ && *marked_ >= index) ++*marked_;
    observers_.notify(&ResultTableObserver::rowInserted, index);
}

void ResultTable::setCell(int row, int column, const std::string& text) {
    checkCell(row, column);
    std::string& cell = rows_[row][column];
    if (cell == text) return;
    cell = text;
    observers_.notify(&ResultTableObserver::cellChanged, row, column);
}

const std::string& ResultTable::cell(int row, int column) const {
    checkCell(row, column);
    return rows_[row][column];
}

unsigned ResultTable::createRecord() {
    const unsigned id = nextRecordId_;
    // Ids are never reused while the table lives; 0 means "no record".
    if (++nextRecordId_ == 0) nextRecordId_ = 1;
    records_[id] = std::make_unique<ModelResult>();
    return id;
}

std::string ResultTable::RecordIdText(unsigned id) {
    char buffer[16];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, id, 16);  // as "%x" writes it
    return std::string(buffer, written.ptr);
}

ModelResult* ResultTable::findRecord(int row) const {
    checkRow(row);
    auto found = records_.find(ParseRecordId(rows_[row][column::kRecordId]));
    return found != records_.end() ? found->second.get() : nullptr;
}

ModelResult* ResultTable::recordOfRow(int row) { return findRecord(row); }

const ModelResult* ResultTable::recordOfRow(int row) const { return findRecord(row); }

void ResultTable::FreeResultRecords() { records_.clear(); }

void ResultTable::deleteAllRows() {
    observers_.notify(&ResultTableObserver::rowsAboutToBeDeleted);
    rows_.clear();
    marked_.reset();
    observers_.notify(&ResultTableObserver::rowsDeleted);
}

std::optional<int> ResultTable::markedRow() const { return marked_; }

void ResultTable::markRow(std::optional<int> row) {
    if (row) checkRow(*row);
    marked_ = row;
}

}  // namespace keld

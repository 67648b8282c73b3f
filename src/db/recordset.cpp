// SPDX-License-Identifier: MIT
#include "db/recordset.h"

#include <cmath>

#include "db/column_set.h"
#include "db/database_error.h"
#include "db/format_text.h"
#include "db/number_text.h"
#include "db/recordset_writer.h"

namespace keld {

namespace ec = database_error_code;

void Recordset::RequireOpen() const {
    if (!columns_) throw DatabaseError(ec::kObjectClosed, {});
}

int Recordset::RecordCount() const {
    RequireOpen();
    return rowCount_;
}

bool Recordset::IsBOF() const {
    RequireOpen();
    return rowCount_ == 0;
}

bool Recordset::IsEOF() const {
    RequireOpen();
    return position_ >= rowCount_;
}

void Recordset::MoveFirst() {
    RequireOpen();
    if (rowCount_ == 0) throw DatabaseError(ec::kNoCurrentRecord, {});
    position_ = 0;
}

void Recordset::MoveLast() {
    RequireOpen();
    if (rowCount_ == 0) throw DatabaseError(ec::kNoCurrentRecord, {});
    position_ = rowCount_ - 1;
}

void Recordset::MoveNext() {
    RequireOpen();
    if (position_ >= rowCount_) throw DatabaseError(ec::kNoCurrentRecord, {});
    ++position_;
}

void Recordset::Close() { RecordsetWriter::Clear(*this); }

int Recordset::FieldCount() const {
    RequireOpen();
    return columns_->size();
}

std::string Recordset::FieldName(int index) const {
    RequireOpen();
    if (index < 0 || index >= columns_->size()) {
        throw DatabaseError(ec::kItemNotFound, FormatText("The result has no field number %d.", index));
    }
    return columns_->name(index);
}

const Recordset::Cell& Recordset::CurrentCell(const std::string& name) const {
    RequireOpen();
    int column = columns_->IndexOf(name);
    if (column < 0) {
        throw DatabaseError(ec::kItemNotFound,
                            FormatText("The result has no field named \"%s\".", name.c_str()));
    }
    if (position_ >= rowCount_) {
        throw DatabaseError(ec::kNoCurrentRecord,
                            FormatText("No current record to read the field \"%s\" from.", name.c_str()));
    }
    return cells_[static_cast<size_t>(position_) * static_cast<size_t>(columns_->size()) +
                  static_cast<size_t>(column)];
}

std::string Recordset::ReadFieldText(const std::string& name) const {
    const Cell& cell = CurrentCell(name);
    switch (cell.kind) {
        case Cell::Kind::Integer:
            return IntegerText(cell.integer);
        case Cell::Kind::Real:
            return RealText(cell.real);
        case Cell::Kind::Text:
        case Cell::Kind::Blob:
            return cell.bytes;
        case Cell::Kind::Null:
            break;
    }
    return {};
}

double Recordset::ReadFieldNumber(const std::string& name) const {
    // Same result as parsing ReadFieldText, without building the text: the
    // shortest form of a real reads back to the very same value, and an
    // infinite real reads "inf", which does not begin with a number.
    const Cell& cell = CurrentCell(name);
    switch (cell.kind) {
        case Cell::Kind::Integer:
            return static_cast<double>(cell.integer);
        case Cell::Kind::Real:
            return std::isfinite(cell.real) ? cell.real : 0.0;
        case Cell::Kind::Text:
        case Cell::Kind::Blob:
            return LeadingNumber(cell.bytes);
        case Cell::Kind::Null:
            break;
    }
    return 0.0;
}

double Recordset::ReadFieldDouble(const std::string& name) const {
    const Cell& cell = CurrentCell(name);
    double value = 0.0;
    switch (cell.kind) {
        case Cell::Kind::Integer:
            return static_cast<double>(cell.integer);
        case Cell::Kind::Real:
            return cell.real;
        case Cell::Kind::Text:
            // A text beyond the range of a double is no usable number either.
            if (ParseWholeNumber(cell.bytes, value) && std::isfinite(value)) return value;
            throw DatabaseError(ec::kTypeMismatch,
                                FormatText("The field \"%s\" holds \"%s\", which is not a number.",
                                           name.c_str(), cell.bytes.c_str()));
        case Cell::Kind::Blob:
            throw DatabaseError(
                ec::kTypeMismatch,
                FormatText("The field \"%s\" holds binary data, not a number.", name.c_str()));
        case Cell::Kind::Null:
            break;
    }
    throw DatabaseError(ec::kTypeMismatch,
                        FormatText("The field \"%s\" is empty (NULL), not a number.", name.c_str()));
}

void RecordsetWriter::Clear(Recordset& target) {
    target.columns_.reset();
    target.rowCount_ = 0;
    target.position_ = 0;
}

void RecordsetWriter::Begin(Recordset& target, std::shared_ptr<const ColumnSet> columns) {
    Clear(target);
    target.columns_ = std::move(columns);
}

RecordsetWriter::Cell& RecordsetWriter::AddCell(Recordset& target, size_t cellIndex) {
    if (cellIndex >= target.cells_.size()) target.cells_.resize(cellIndex + 1);
    return target.cells_[cellIndex];
}

void RecordsetWriter::Finish(Recordset& target, int rows) {
    target.rowCount_ = rows;
    target.position_ = 0;
}

}  // namespace keld

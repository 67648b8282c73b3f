// SPDX-License-Identifier: MIT
#include "db/recordset.h"

#include <cmath>

#include "base/format_text.h"
#include "base/number_text.h"
#include "db/database_error.h"
#include "db/recordset_writer.h"

namespace keld {

namespace ec = database_error_code;

void Recordset::RequireOpen() const {
    if (!result_) throw DatabaseError(ec::kObjectClosed, {});
}

int Recordset::RecordCount() const {
    RequireOpen();
    return result_->rowCount;
}

bool Recordset::IsBOF() const {
    RequireOpen();
    return result_->rowCount == 0;
}

bool Recordset::IsEOF() const {
    RequireOpen();
    return position_ >= result_->rowCount;
}

void Recordset::MoveFirst() {
    RequireOpen();
    if (result_->rowCount == 0) throw DatabaseError(ec::kNoCurrentRecord, {});
    position_ = 0;
}

void Recordset::MoveLast() {
    RequireOpen();
    if (result_->rowCount == 0) throw DatabaseError(ec::kNoCurrentRecord, {});
    position_ = result_->rowCount - 1;
}

void Recordset::MoveNext() {
    RequireOpen();
    if (position_ >= result_->rowCount) throw DatabaseError(ec::kNoCurrentRecord, {});
    ++position_;
}

void Recordset::Close() { RecordsetWriter::Clear(*this); }

int Recordset::FieldCount() const {
    RequireOpen();
    return result_->columns->size();
}

std::string Recordset::FieldName(int index) const {
    RequireOpen();
    if (index < 0 || index >= result_->columns->size()) {
        throw DatabaseError(ec::kItemNotFound, FormatText("The result has no field number %d.", index));
    }
    return result_->columns->name(index);
}

const Recordset::Cell& Recordset::CurrentCell(const std::string& name) const {
    RequireOpen();
    const Result& result = *result_;
    int column = result.columns->IndexOf(name);
    if (column < 0) {
        throw DatabaseError(ec::kItemNotFound,
                            FormatText("The result has no field named \"%s\".", name.c_str()));
    }
    if (position_ >= result.rowCount) {
        throw DatabaseError(ec::kNoCurrentRecord,
                            FormatText("No current record to read the field \"%s\" from.", name.c_str()));
    }
    int slot = result.slotOf(column);
    if (slot < 0) {
        throw DatabaseError(ec::kItemNotFound,
                            FormatText("The field \"%s\" was not read with this result.", name.c_str()));
    }
    return result.cells[static_cast<size_t>(position_) * static_cast<size_t>(result.width) +
                        static_cast<size_t>(slot)];
}

std::string_view Recordset::CellBytes(const Cell& cell) const {
    return std::string_view(result_->text).substr(cell.textOffset, cell.textSize);
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
            return std::string(CellBytes(cell));
        case Cell::Kind::Null:
            break;
    }
    return {};
}

bool Recordset::FieldTextIs(const std::string& name, std::string_view text) const {
    const Cell& cell = CurrentCell(name);
    NumberTextBuffer buffer;
    switch (cell.kind) {
        case Cell::Kind::Integer:
            return IntegerText(cell.integer, buffer) == text;
        case Cell::Kind::Real:
            return RealText(cell.real, buffer) == text;
        case Cell::Kind::Text:
        case Cell::Kind::Blob:
            return CellBytes(cell) == text;
        case Cell::Kind::Null:
            break;
    }
    return text.empty();
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
            return LeadingNumber(CellBytes(cell));
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
            if (ParseWholeNumber(CellBytes(cell), value) && std::isfinite(value)) return value;
            throw DatabaseError(ec::kTypeMismatch,
                                FormatText("The field \"%s\" holds \"%s\", which is not a number.",
                                           name.c_str(), std::string(CellBytes(cell)).c_str()));
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
    target.result_.reset();
    target.position_ = 0;
}

std::shared_ptr<RecordsetWriter::Result> RecordsetWriter::Reuse(Recordset& target) {
    std::shared_ptr<const Result> held = std::move(target.result_);
    Clear(target);
    if (!held || held.use_count() != 1) return std::make_shared<Result>();
    // Nothing else holds these rows: empty them and write the next result
    // into their storage. Every result is made without const.
    std::shared_ptr<Result> reused = std::const_pointer_cast<Result>(held);
    reused->columns.reset();
    reused->slotOfColumn.clear();
    reused->width = 0;
    reused->cells.clear();
    reused->text.clear();
    reused->rowCount = 0;
    return reused;
}

void RecordsetWriter::Open(Recordset& target, std::shared_ptr<const Result> result) {
    target.result_ = std::move(result);
    target.position_ = 0;
}

}  // namespace keld

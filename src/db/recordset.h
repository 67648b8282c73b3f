// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace keld {

// The whole result of one statement, held in memory, with a cursor; filled
// by PerformanceDatabase::OpenRecordset. A result opened for chosen columns
// holds only those; every column is still named, counted and found, and
// reading one it does not hold raises DatabaseError. Copies of a recordset
// share the rows and keep cursors of their own. Every operation on an unopened
// recordset (a statement that failed, or after Close) raises DatabaseError;
// so does a field read without a current row or of a column the result does
// not have. Field names are matched without regard to ASCII case.
class Recordset {
public:
    int RecordCount() const;
    // Before the first row: only an empty result is, as the cursor never
    // moves backwards.
    bool IsBOF() const;
    bool IsEOF() const;  // after the last row
    // MoveFirst and MoveLast on an empty result, and MoveNext after the last
    // row, raise DatabaseError (no current record).
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    // Closes the result; closing an unopened recordset does nothing.
    void Close();

    int FieldCount() const;
    std::string FieldName(int index) const;  // table order

    // NULL reads as ""; integers without decimals, reals in their shortest
    // form ("12.5"), text as stored.
    std::string ReadFieldText(const std::string& name) const;
    // The longest leading number of the text form, else 0 ("12,5" gives 12).
    double ReadFieldNumber(const std::string& name) const;
    // A real unchanged, an integer converted, a text that is entirely a
    // finite number converted; NULL or anything else raises DatabaseError.
    double ReadFieldDouble(const std::string& name) const;
    // Whether ReadFieldText(name) gives exactly `text`, without building it.
    bool FieldTextIs(const std::string& name, std::string_view text) const;

private:
    friend class RecordsetWriter;

    struct Cell {
        enum class Kind : unsigned char { Null, Integer, Real, Text, Blob };
        Kind kind = Kind::Null;
        std::uint32_t textSize = 0;  // Text and Blob
        union {
            std::int64_t integer = 0;
            double real;
            std::uint32_t textOffset;  // into the result's text
        };
    };
    struct Result;

    void RequireOpen() const;
    const Cell& CurrentCell(const std::string& name) const;
    std::string_view CellBytes(const Cell& cell) const;

    std::shared_ptr<const Result> result_;  // null while unopened
    int position_ = 0;
};

}  // namespace keld

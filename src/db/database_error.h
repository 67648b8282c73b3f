// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace keld {

// Codes of the errors this layer raises. Engine failures carry the SQLite
// (extended) result code itself, always below 0x10000; the record-access
// errors use the codes of the data-access objects the program first ran on
// (bit 31 set), so the two ranges never meet and every code has a text.
namespace database_error_code {
inline constexpr std::uint32_t kTypeMismatch = 0x80020005;     // field value is not a number
inline constexpr std::uint32_t kNoCurrentRecord = 0x800A0BCD;  // cursor before the first / after the last row
inline constexpr std::uint32_t kItemNotFound = 0x800A0CC1;     // no field of that name or index
inline constexpr std::uint32_t kObjectClosed = 0x800A0E78;     // recordset not open
inline constexpr std::uint32_t kKeyOutsideTable = 0x800A0F01;  // correction-table key beyond the rows
}  // namespace database_error_code

// The error of the data-access layer: a code and, where the engine or the
// layer knows more (a missing table, a field name, a key value), a
// description. It travels up to the command that started the work; what()
// is the same text as DatabaseErrorText.
class DatabaseError : public std::runtime_error {
public:
    DatabaseError(std::uint32_t code, std::string description);

    std::uint32_t code() const { return code_; }
    const std::string& description() const { return description_; }

private:
    std::uint32_t code_;
    std::string description_;
};

// The text that callers put into "Read data Error:%s" and "读取数据出错:%s":
// the error's description when it has one (it names what went wrong, e.g.
// "no such table: High"), else the message known for the code, else
// "IDispatch error #%d" for codes 0x80040201..0x8004FFFF (the number is the
// code minus 0x80040200) and "Unknown error 0x%0lX" for any other code.
std::string DatabaseErrorText(const DatabaseError& error);

// The message known for a code alone, without a description; empty when the
// code has none (the fallback rule above then applies).
std::string KnownErrorMessage(std::uint32_t code);

}  // namespace keld

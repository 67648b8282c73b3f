// SPDX-License-Identifier: MIT
#include "db/database_error.h"

#include <sqlite3.h>

#include <cstring>
#include <utility>

#include "base/format_text.h"

namespace keld {
namespace {

std::string EngineMessage(std::uint32_t code) {
    // The engine answers "unknown error" for a code it does not know; such
    // a code then falls back like any other unknown one.
    const char* text = sqlite3_errstr(static_cast<int>(code));
    if (text == nullptr || std::strcmp(text, "unknown error") == 0) return {};
    return text;
}

std::string TextFor(std::uint32_t code, const std::string& description) {
    if (!description.empty()) return description;
    std::string known = KnownErrorMessage(code);
    if (!known.empty()) return known;
    if (code > 0x80040200u && code <= 0x8004FFFFu) {
        return FormatText("IDispatch error #%d", static_cast<int>(code - 0x80040200u));
    }
    return FormatText("Unknown error 0x%0lX", static_cast<unsigned long>(code));
}

}  // namespace

DatabaseError::DatabaseError(std::uint32_t code, std::string description)
    : std::runtime_error(TextFor(code, description)), code_(code), description_(std::move(description)) {}

std::string DatabaseErrorText(const DatabaseError& error) { return error.what(); }

std::string KnownErrorMessage(std::uint32_t code) {
    namespace ec = database_error_code;
    switch (code) {
        case ec::kTypeMismatch:
            return "The field value is not a number.";
        case ec::kNoCurrentRecord:
            return "No current record: the cursor stands before the first or after the last row.";
        case ec::kItemNotFound:
            return "The result has no field of the requested name or index.";
        case ec::kObjectClosed:
            return "The recordset is not open: its statement failed or it was closed.";
        case ec::kKeyOutsideTable:
            return "The key value lies outside the rows of the correction table.";
        default:
            break;
    }
    // SQLITE_OK (0) is no error and has no message of its own here.
    if (code > 0 && code < 0x10000u) return EngineMessage(code);
    return {};
}

}  // namespace keld

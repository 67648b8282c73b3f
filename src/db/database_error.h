// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace keld {

// The error of the data-access layer: a code and, where the engine gave one,
// a description. It travels up to the command that started the work.
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
// the message known for the code, or, when there is none, "IDispatch error #%d"
// for codes 0x80040201..0x8004FFFF and "Unknown error 0x%0lX" otherwise.
std::string DatabaseErrorText(const DatabaseError& error);

}  // namespace keld

// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace keld::test {

// A parsed JSON value, enough to check what keld-cli prints. Objects keep
// their members in the order written.
struct JsonValue {
    enum class Type { Null, Boolean, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<JsonValue> array;
    std::vector<std::pair<std::string, JsonValue>> object;

    // The member `name` of an object; raises std::out_of_range when absent.
    const JsonValue& operator[](const std::string& name) const;
};

// Parses one JSON text (surrounding blanks allowed); raises
// std::runtime_error naming the offset of the first error.
JsonValue ParseJson(std::string_view text);

}  // namespace keld::test

// SPDX-License-Identifier: MIT
// The "Connect" text of a unit row, for each series: the module indices it
// names, and whether they lie in the series' module table.
#include <cstdint>
#include <string_view>

#include "engine/connect.h"
#include "engine/module_table.h"
#include "fuzz_check.h"

namespace {

using keld::ModuleConnection;

int DigitOr(char c, int otherwise) { return c >= '0' && c <= '9' ? c - '0' : otherwise; }

// The first index a GV5 row names: its leading digits as a number, or at
// least 1000 (no module) when they give more.
void CheckGv5First(std::string_view connect, int first) {
    const std::size_t digits = connect.find_first_not_of("0123456789");
    const std::string_view number = connect.substr(0, digits);
    if (number.empty()) {
        FUZZ_REQUIRE(first == ModuleConnection::kUnreadable);
        return;
    }
    std::int64_t value = 0;
    for (char d : number) {
        value = value * 10 + (d - '0');
        if (value >= 1000) break;
    }
    FUZZ_REQUIRE(value >= 1000 ? first >= 1000 : first == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the series, the rest is the text.
    const keld::Series series = static_cast<keld::Series>(data[0] % 3);
    const std::string_view connect(reinterpret_cast<const char*>(data + 1), size - 1);
    const ModuleConnection connection = keld::ParseConnect(connect, series);

    if (series == keld::Series::Gv5) {
        CheckGv5First(connect, connection.first);
    } else {
        FUZZ_REQUIRE(connection.first == (connect.empty()
                                              ? ModuleConnection::kUnreadable
                                              : DigitOr(connect.front(), ModuleConnection::kUnreadable)));
    }
    if (connect.find('+') == std::string_view::npos) {
        FUZZ_REQUIRE(!connection.hasSecond());
    } else {
        FUZZ_REQUIRE(connection.second == DigitOr(connect.back(), ModuleConnection::kUnreadable));
    }

    // A row passes only when each index it names is a module of its table.
    const auto inTable = [&](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < keld::ModuleTable(series).size();
    };
    const bool known = inTable(connection.first) && (!connection.hasSecond() || inTable(connection.second));
    FUZZ_REQUIRE(keld::NamesKnownModules(connection, series) == known);
    return 0;
}

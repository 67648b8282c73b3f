// SPDX-License-Identifier: MIT
#include "engine/connect.h"

#include <cctype>

namespace keld {
namespace {

int DigitValue(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0 ? c - '0' : ModuleConnection::kUnreadable;
}

// The GV5 table has twelve modules, so its first index may have two digits.
// The index is capped well above any table size so that a long run of digits
// cannot overflow; FindModule() rejects it anyway.
int LeadingIndex(std::string_view text) {
    if (text.empty() || DigitValue(text.front()) < 0) return ModuleConnection::kUnreadable;
    int index = 0;
    for (char c : text) {
        int digit = DigitValue(c);
        if (digit < 0) break;
        if (index < 1000) index = index * 10 + digit;
    }
    return index;
}

}  // namespace

ModuleConnection ParseConnect(std::string_view connect, Series series) {
    ModuleConnection connection;
    if (series == Series::Gv5) {
        connection.first = LeadingIndex(connect);
    } else {
        connection.first = connect.empty() ? ModuleConnection::kUnreadable : DigitValue(connect.front());
    }
    if (connect.find('+') != std::string_view::npos) connection.second = DigitValue(connect.back());
    return connection;
}

bool NamesKnownModules(const ModuleConnection& connection, Series series) {
    if (FindModule(series, connection.first) == nullptr) return false;
    return !connection.hasSecond() || FindModule(series, connection.second) != nullptr;
}

}  // namespace keld

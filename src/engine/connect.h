// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "engine/module_table.h"

namespace keld {

// The modules a unit row names in its "Connect" text, by their index in the
// series' module table.
struct ModuleConnection {
    static constexpr int kNone = -1;        // single-module unit: no second module
    static constexpr int kUnreadable = -2;  // no digit where an index belongs

    int first = kUnreadable;
    int second = kNone;

    bool hasSecond() const { return second != kNone; }
};

// Reads "Connect": QTK and QHK take the first character as the first index,
// GV5 the whole leading number (so 10 and 11 are possible); with a "+" the
// last character is the second index ("0+1", "10+3"). A place holding no
// digit (an empty text, "x", "3+") gives kUnreadable, which FindModule()
// rejects like any index outside the table. Never reads past the text.
ModuleConnection ParseConnect(std::string_view connect, Series series);

// True when every index the connection names exists in the series table.
bool NamesKnownModules(const ModuleConnection& connection, Series series);

}  // namespace keld

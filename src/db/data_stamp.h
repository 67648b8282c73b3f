// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

class PerformanceDatabase;

// Which revision of the performance data a database file holds, so that a
// selection can say what it was made from.
struct DataStamp {
    std::string version = "unknown";
    std::string date = "unknown";

    // "2026.12.1 (2026-12-11)", or "unknown" for a file without a stamp.
    std::string text() const;
};

// The stamp of the open database. A file built before the stamp existed (no
// such table, or not its two columns), an empty stamp, or a database that is
// not open gives "unknown" without a message: such files still select as
// before.
DataStamp ReadDataStamp(PerformanceDatabase& db);

}  // namespace keld

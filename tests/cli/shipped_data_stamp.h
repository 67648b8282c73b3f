// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "db/data_stamp.h"
#include "db/performance_database.h"
#include "session/collecting_sink.h"

namespace keld::test {

// The stamp of the database the build ships, as its own table gives it.
inline std::string ShippedDataStamp() {
    CollectingSink sink;
    PerformanceDatabase db(sink);
    if (!db.OpenDatabase(KELD_SHIPPED_DATABASE)) return "the shipped database does not open";
    return ReadDataStamp(db).text();
}

}  // namespace keld::test

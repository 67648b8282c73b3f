// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "db/performance_database.h"
#include "support/recording_sink.h"

namespace keld::test {

// One result row: column name -> the text the program reads.
using Row = std::map<std::string, std::string>;

// Opens the database the build ships beside the program, exactly as the
// program does. Any message box shown on the way fails the test.
class ShippedDatabase : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(database_.OpenDatabase(KELD_SHIPPED_DATABASE)); }
    void TearDown() override { sink_.expectAllTaken(); }

    // Every row of `sql`, in the order the database returns them.
    std::vector<Row> Rows(const std::string& sql);

    RecordingSink sink_{SinkMode::Strict};
    PerformanceDatabase database_{sink_};
};

double Number(const std::string& text);

}  // namespace keld::test

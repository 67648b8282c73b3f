// SPDX-License-Identifier: MIT
// The stamp a database carries of its data: read when it is there, "unknown"
// without a word for the files built before it.
#include "db/data_stamp.h"

#include <gtest/gtest.h>

#include "db/performance_database.h"
#include "support/fixture_database.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

using test::FixtureDatabase;
using test::RecordingSink;

struct Case {
    const char* name;
    const char* sql;
    const char* text;
};

TEST(DataStamp, IsReadWhereItIsAndUnknownWhereItIsNot) {
    const Case cases[] = {
        {"stamped",
         "CREATE TABLE DataStamp (Version TEXT, Date TEXT); INSERT INTO DataStamp VALUES ('7.1', "
         "'2026-01-02');",
         "7.1 (2026-01-02)"},
        {"older file", "CREATE TABLE High (Highth REAL);", "unknown"},
        {"empty stamp table", "CREATE TABLE DataStamp (Version TEXT, Date TEXT);", "unknown"},
        {"stamp without its date",
         "CREATE TABLE DataStamp (Version TEXT); INSERT INTO DataStamp VALUES ('7.1');", "unknown"},
    };
    for (const Case& c : cases) {
        FixtureDatabase file(c.sql);
        RecordingSink sink(test::SinkMode::Strict);
        PerformanceDatabase db(sink);
        ASSERT_TRUE(db.OpenDatabase(file.path())) << c.name;
        EXPECT_EQ(ReadDataStamp(db).text(), c.text) << c.name;
        sink.expectAllTaken();  // no message box for any of them
    }
}

TEST(DataStamp, IsUnknownBeforeTheDatabaseOpens) {
    RecordingSink sink(test::SinkMode::Strict);
    PerformanceDatabase db(sink);
    EXPECT_EQ(ReadDataStamp(db).text(), "unknown");
}

}  // namespace
}  // namespace keld

// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "support/fixture_database.h"

namespace keld::test {
namespace {

// Result code of reading the schema of the shipped file, after `PRAGMA key`
// with `key` (nullptr: no key at all, as a plain SQLite reader would).
int ReadSchemaWith(const char* key) {
    sqlite3* connection = nullptr;
    int result = sqlite3_open_v2(KELD_SHIPPED_DATABASE, &connection, SQLITE_OPEN_READONLY, nullptr);
    if (result == SQLITE_OK && key != nullptr) {
        result = sqlite3_exec(connection, (std::string("PRAGMA key = '") + key + "'").c_str(), nullptr,
                              nullptr, nullptr);
    }
    if (result == SQLITE_OK) {
        result = sqlite3_exec(connection, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    sqlite3_close(connection);
    return result;
}

TEST(ShippedDatabaseFile, OpensOnlyWithTheProgramsPassword) {
    EXPECT_EQ(ReadSchemaWith(nullptr), SQLITE_NOTADB);
    EXPECT_EQ(ReadSchemaWith("#kantobripu"), SQLITE_NOTADB);
    EXPECT_EQ(ReadSchemaWith(kProgramPassword), SQLITE_OK);
}

}  // namespace
}  // namespace keld::test

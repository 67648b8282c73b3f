// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "db/cipher_settings.h"
#include "db/performance_database.h"
#include "support/fixture_database.h"
#include "support/recording_sink.h"

namespace keld::test {
namespace {

// Result code of reading the schema of the shipped file, after `PRAGMA key`
// with `key` (nullptr: no key at all, as a plain SQLite reader would) and
// the cipher settings `settings`.
int ReadSchemaWith(const char* key, const char* settings) {
    sqlite3* connection = nullptr;
    int result = sqlite3_open_v2(KELD_SHIPPED_DATABASE, &connection, SQLITE_OPEN_READONLY, nullptr);
    if (result == SQLITE_OK && key != nullptr) {
        result = sqlite3_exec(connection, (std::string("PRAGMA key = '") + key + "';" + settings).c_str(),
                              nullptr, nullptr, nullptr);
    }
    if (result == SQLITE_OK) {
        result = sqlite3_exec(connection, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    sqlite3_close(connection);
    return result;
}

// Sets the library's defaults for new connections while it lives, as another
// version of the library would have them.
class LibraryDefaults {
public:
    explicit LibraryDefaults(const std::string& defaults) { Set(defaults); }
    ~LibraryDefaults() { Set(original_); }
    LibraryDefaults(const LibraryDefaults&) = delete;
    LibraryDefaults& operator=(const LibraryDefaults&) = delete;

private:
    static void Set(const std::string& defaults) {
        sqlite3* connection = nullptr;
        sqlite3_open(":memory:", &connection);
        sqlite3_exec(connection, defaults.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(connection);
    }
    // The library's own defaults, read when the test starts.
    std::string original_ = "PRAGMA cipher_default_page_size = " + Read("cipher_default_page_size") +
                            "; PRAGMA cipher_default_kdf_iter = " + Read("cipher_default_kdf_iter") +
                            "; PRAGMA cipher_default_use_hmac = " + Read("cipher_default_use_hmac") + ";";

    static std::string Read(const char* pragma) {
        sqlite3* connection = nullptr;
        sqlite3_open(":memory:", &connection);
        sqlite3_stmt* statement = nullptr;
        std::string value;
        sqlite3_prepare_v2(connection, (std::string("PRAGMA ") + pragma).c_str(), -1, &statement, nullptr);
        if (sqlite3_step(statement) == SQLITE_ROW)
            value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        sqlite3_close(connection);
        return value;
    }
};

TEST(ShippedDatabaseFile, OpensOnlyWithTheProgramsPassword) {
    EXPECT_EQ(ReadSchemaWith(nullptr, ""), SQLITE_NOTADB);
    EXPECT_EQ(ReadSchemaWith("#kantobripu", kCipherSettings), SQLITE_NOTADB);
    EXPECT_EQ(ReadSchemaWith(kProgramPassword, kCipherSettings), SQLITE_OK);
}

TEST(ShippedDatabaseFile, OpensWithItsOwnCipherSettingsWhateverTheLibraryDefaults) {
    // Defaults as SQLCipher 4 has them: a 4 KiB page and 256,000 rounds.
    LibraryDefaults otherVersion(
        "PRAGMA cipher_default_page_size = 4096; PRAGMA cipher_default_kdf_iter = 256000;");
    EXPECT_EQ(ReadSchemaWith(kProgramPassword, ""), SQLITE_NOTADB);  // the defaults alone do not fit the file

    RecordingSink sink;
    PerformanceDatabase database(sink);
    EXPECT_TRUE(database.OpenDatabase(KELD_SHIPPED_DATABASE));
    EXPECT_TRUE(sink.messages().empty());
}

}  // namespace
}  // namespace keld::test

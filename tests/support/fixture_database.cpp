// SPDX-License-Identifier: MIT
#include "support/fixture_database.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "db/cipher_settings.h"

namespace keld::test {
namespace {

std::string MakeTemporaryDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "keld-fixture-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory from " + pattern);
    }
    return buffer.data();
}

// The password goes into PRAGMA key as an SQL string literal.
std::string QuotedLiteral(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted + "'";
}

void Execute(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error != nullptr ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw std::runtime_error("fixture SQL failed: " + message);
    }
}

void WriteDatabase(const std::string& path, const std::string& sqlScript, const std::string& password) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        throw std::runtime_error("cannot create fixture database " + path + ": " + message);
    }
    try {
        // Encrypted as the build encrypts the program's own file.
        if (!password.empty()) Execute(db, "PRAGMA key = " + QuotedLiteral(password) + ";" + kCipherSettings);
        // A throw-away file needs no protection against power loss; without
        // the syncs a fixture is written in a few milliseconds.
        Execute(db, "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY;");
        Execute(db, sqlScript);
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    sqlite3_close(db);
}

}  // namespace

FixtureDatabase::FixtureDatabase(const std::string& sqlScript, const std::string& password)
    : directory_(MakeTemporaryDirectory()), path_(directory_ + "/KELD_Vortan.tbs") {
    try {
        WriteDatabase(path_, sqlScript, password);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
        throw;
    }
}

FixtureDatabase::~FixtureDatabase() {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

}  // namespace keld::test

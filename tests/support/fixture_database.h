// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "db/performance_database.h"

namespace keld::test {

// The password every fixture uses unless a test asks for another one: the
// one the program opens its performance database with.
inline constexpr const char* kProgramPassword = kDatabasePassword;

// A small performance database for one test: a fresh temporary directory
// holding KELD_Vortan.tbs, built from SQL text and encrypted with `password`
// and the cipher settings of the program's own file (an empty password
// writes a plain, unencrypted SQLite file). The directory
// and everything in it is removed when the fixture is destroyed.
// Throws std::runtime_error when the directory or the file cannot be made or
// the SQL fails (the message names the engine's error).
class FixtureDatabase {
public:
    explicit FixtureDatabase(const std::string& sqlScript, const std::string& password = kProgramPassword);
    ~FixtureDatabase();
    FixtureDatabase(const FixtureDatabase&) = delete;
    FixtureDatabase& operator=(const FixtureDatabase&) = delete;

    // The directory plays the program's ModuleDirectory (no trailing slash).
    const std::string& directory() const { return directory_; }
    // directory() + "/KELD_Vortan.tbs"
    const std::string& path() const { return path_; }

private:
    std::string directory_;
    std::string path_;
};

}  // namespace keld::test

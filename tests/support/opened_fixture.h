// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "db/performance_database.h"
#include "support/fixture_database.h"
#include "support/recording_sink.h"

namespace keld::test {

// A fixture database already opened by a PerformanceDatabase whose messages
// go to a RecordingSink. Opening costs a key derivation (some tens of
// milliseconds), so a test suite may build one in SetUpTestSuite and share
// it, clearing `sink` before each test. Throws std::runtime_error, with the
// database's message, when the fixture does not open.
struct OpenedFixture {
    explicit OpenedFixture(const std::string& sqlScript);

    FixtureDatabase fixture;
    RecordingSink sink;
    PerformanceDatabase db;
};

}  // namespace keld::test

// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "db/performance_database.h"
#include "support/fixture_database.h"
#include "support/recording_sink.h"

namespace keld::test {

// A fixture database already opened by a PerformanceDatabase whose messages
// go to a strict RecordingSink. Opening costs a key derivation (some tens of
// milliseconds), so a test suite may build one in SetUpTestSuite and share
// it; each test then takes the messages it expects, and the suite's TearDown
// calls sink.expectAllTaken() so that a message is blamed on the test that
// caused it. Throws std::runtime_error, with the database's message, when the
// fixture does not open.
struct OpenedFixture {
    explicit OpenedFixture(const std::string& sqlScript);

    FixtureDatabase fixture;
    RecordingSink sink{SinkMode::Strict};
    PerformanceDatabase db;
};

}  // namespace keld::test

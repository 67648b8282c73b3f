// SPDX-License-Identifier: MIT
#include "session/selection_session.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/selection_fixture.h"

namespace keld::test {
namespace {

using Messages = std::vector<RecordingSink::Message>;

constexpr const char* kQtk130 =
    "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK130GN5-LQE', '1', 459.2, 135.5, 22.07, '11.04-33.11', "
    "'61.8', '22.07');\n";

TEST(SelectionSessionTest, RunsThePageOfTheLaunchOnTheOpenedDatabase) {
    FixtureDatabase fixture(SelectionDatabaseSql() + kQtk130);
    RecordingSink sink;
    SelectionSession session(DecodeLaunchText("14BREXAL"), sink, fixture.path());
    EXPECT_EQ(session.page().launch().Brand, "BREXAL");
    EXPECT_EQ(session.page().launch().SecondDigit, 4);

    ASSERT_TRUE(session.openDatabase());
    EXPECT_EQ(session.runSelection().list, ListEffect::Replaced);
    ASSERT_EQ(session.page().results().rowCount(), 1);
    EXPECT_EQ(session.page().results().cell(0, 0), "WOTA130GN5-LQE");
    EXPECT_TRUE(sink.messages().empty());
    EXPECT_FALSE(session.databaseFailed());
}

TEST(SelectionSessionTest, NotesEveryDatabaseFailure) {
    RecordingSink sink;
    SelectionSession missing(LaunchParameters{}, sink, "/nonexistent/KELD_Vortan.tbs");
    EXPECT_FALSE(missing.openDatabase());
    EXPECT_EQ(sink.messages().size(), 1u);
    EXPECT_TRUE(missing.databaseFailed());

    // A database without the unit tables: the run cannot ask for candidates.
    FixtureDatabase fixture("CREATE TABLE Other (x);");
    sink.clear();
    SelectionSession session(LaunchParameters{}, sink, fixture.path());
    ASSERT_TRUE(session.openDatabase());
    EXPECT_FALSE(session.databaseFailed());
    session.runSelection();
    EXPECT_FALSE(sink.messages().empty());
    EXPECT_TRUE(session.databaseFailed());
    EXPECT_EQ(session.page().results().rowCount(), 0);
}

}  // namespace
}  // namespace keld::test

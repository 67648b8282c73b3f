// SPDX-License-Identifier: MIT
// Correction tables: exact keys, interpolation between keys, duplicated
// keys, read errors and keys outside a table.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "db/database_error.h"
#include "db/lookups.h"
#include "db/performance_database.h"
#include "support/opened_fixture.h"

namespace keld {
namespace {

using test::OpenedFixture;
using test::RecordingSink;
using Messages = std::vector<RecordingSink::Message>;

// Altitude factors in ascending key order, 1000 m twice.
constexpr const char* kCorrections =
    "create table High(Highth REAL, Capacity REAL, PowerC REAL);"
    "insert into High values (0, 1.0, 1.0), (500, 0.98, 1.01), (1000, 0.96, 1.02),"
    " (1000, 0.955, 1.025), (1800, 0.9, 1.05);"
    "create table Fluid(Concertration REAL, Capacity REAL);"
    "insert into Fluid values (0, 1.0), (500, 0.5);";

class KeyLookupTest : public testing::Test {
protected:
    static void SetUpTestSuite() { shared_ = std::make_unique<OpenedFixture>(kCorrections); }
    static void TearDownTestSuite() { shared_.reset(); }
    // Each test takes the messages it expects; one left over is its fault.
    void TearDown() override { shared_->sink.expectAllTaken(); }

    double Altitude(float metres, const std::string& column = "Capacity") {
        return LookupByKey(db_, metres, column, "High", "Highth");
    }

    static inline std::unique_ptr<OpenedFixture> shared_;
    RecordingSink& sink_ = shared_->sink;
    PerformanceDatabase& db_ = shared_->db;
};

TEST_F(KeyLookupTest, ExactKeyReadsItsRowAndTheLastOfEqualKeys) {
    EXPECT_EQ(Altitude(500), 0.98);
    EXPECT_EQ(Altitude(0, "PowerC"), 1.0);
    EXPECT_EQ(Altitude(1000), 0.955);
    EXPECT_EQ(Altitude(1800, "PowerC"), 1.05);
    EXPECT_TRUE(sink_.take().empty());
}

TEST_F(KeyLookupTest, InterpolatesBetweenTheNearestKeys) {
    EXPECT_DOUBLE_EQ(Altitude(250), 0.99);
    EXPECT_DOUBLE_EQ(Altitude(750, "PowerC"), 1.015);
    // Below 1400 m the last of the two 1000 m rows is the neighbour.
    EXPECT_DOUBLE_EQ(Altitude(1400), 0.9275);
}

TEST_F(KeyLookupTest, MissingValueColumnShowsTheReadErrorAndGivesZero) {
    EXPECT_EQ(Altitude(500, "HotCapacity"), 0.0);
    EXPECT_EQ(Altitude(250, "HotCapacity"), 0.0);
    const RecordingSink::Message readError{"JVT",
                                           "读取数据出错:The result has no field named \"HotCapacity\"."};
    EXPECT_EQ(sink_.take(), (Messages{readError, readError}));
}

TEST_F(KeyLookupTest, KeyOutsideTheTableRaisesAnErrorNamingIt) {
    for (float metres : {2000.0f, -10.0f}) {
        try {
            Altitude(metres);
            ADD_FAILURE() << "no error at " << metres << " m";
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.code(), database_error_code::kKeyOutsideTable);
            std::string text = DatabaseErrorText(error);
            EXPECT_NE(text.find("High"), std::string::npos) << text;
            EXPECT_NE(text.find("Highth"), std::string::npos) << text;
            EXPECT_NE(text.find(metres > 0 ? "above Highth = 2000.000000" : "below Highth = -10.000000"),
                      std::string::npos)
                << text;
        }
    }
    EXPECT_TRUE(sink_.take().empty());
}

TEST_F(KeyLookupTest, MissingTableOrKeyColumnShowsTheEngineTextThenRaises) {
    EXPECT_THROW(LookupByKey(db_, 0.018f, "Capacity", "Dirt", "Dirt"), DatabaseError);
    EXPECT_THROW(LookupByKey(db_, 500, "Capacity", "High", "Height"), DatabaseError);
    EXPECT_EQ(sink_.take(), (Messages{{"JVT", "no such table: Dirt"}, {"JVT", "no such column: Height"}}));
    EXPECT_EQ(Altitude(500), 0.98);  // the connection goes on
}

TEST_F(KeyLookupTest, WalkOfTheCurrentRecordsetSurvivesLookups) {
    Recordset& walk = db_.CurrentRecordset();
    db_.OpenRecordset(walk, "select * from High order by Highth");
    double sum = 0.0;
    // The first four rows; 1 m beyond the last one lies outside the table.
    for (int row = 0; row < 4; ++row, walk.MoveNext()) {
        sum += Altitude(static_cast<float>(walk.ReadFieldNumber("Highth")) + 1.0f, "PowerC");
        sum += walk.ReadFieldNumber("Capacity");
    }
    ASSERT_FALSE(walk.IsEOF());
    EXPECT_EQ(walk.ReadFieldNumber("Highth"), 1800.0);
    EXPECT_NEAR(sum, (1.00002 + 1.01002 + 2 * 1.02503125) + (1.0 + 0.98 + 0.96 + 0.955), 1e-9);
    EXPECT_TRUE(sink_.take().empty());
}

// The statements every connection opened while it lives sends to the
// engine, by their text as prepared.
class StatementTexts {
public:
    StatementTexts() { sqlite3_auto_extension(reinterpret_cast<void (*)()>(TraceEveryConnection)); }
    ~StatementTexts() { sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(TraceEveryConnection)); }
    StatementTexts(const StatementTexts&) = delete;
    StatementTexts& operator=(const StatementTexts&) = delete;

    static inline std::vector<std::string> texts;

private:
    static int Record(unsigned, void*, void* statement, void*) {
        texts.emplace_back(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
        return 0;
    }
    static int TraceEveryConnection(sqlite3* db, char**, const void*) {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, Record, nullptr);
        return SQLITE_OK;
    }
};

// Within a run the correction tables are read at the same key for several
// quantities: each table is asked once per key, each keeps its own rows, and
// a statement that fails is never kept, so it says so every time.
TEST(KeyLookupWithinARun, EachTableIsAskedOncePerKeyAndKeepsItsOwnRows) {
    const StatementTexts statements;
    OpenedFixture opened(kCorrections);
    PerformanceDatabase& db = opened.db;
    auto read = [&db](const char* table, const char* key, float x, const char* column) {
        return LookupByKey(db, x, column, table, key);
    };
    {
        const PerformanceDatabase::RunScope run(db);
        StatementTexts::texts.clear();
        EXPECT_EQ(read("High", "Highth", 500, "Capacity"), 0.98);
        EXPECT_EQ(read("High", "Highth", 500, "PowerC"), 1.01);
        EXPECT_EQ(read("Fluid", "Concertration", 500, "Capacity"), 0.5);
        EXPECT_EQ(read("High", "Highth", 1000, "Capacity"), 0.955);
        EXPECT_EQ(read("Fluid", "Concertration", 500, "Capacity"), 0.5);
        EXPECT_EQ(read("High", "Highth", 500, "PowerC"), 1.01);
        EXPECT_EQ(StatementTexts::texts.size(), 3u);
        // Between two keys: the key itself, the rows above and below.
        EXPECT_DOUBLE_EQ(read("High", "Highth", 250, "Capacity"), 0.99);
        EXPECT_DOUBLE_EQ(read("High", "Highth", 250, "PowerC"), 1.005);
        EXPECT_EQ(StatementTexts::texts.size(), 6u);

        EXPECT_THROW(read("Dirt", "Dirt", 0.0f, "Capacity"), DatabaseError);
        EXPECT_THROW(read("Dirt", "Dirt", 0.0f, "Capacity"), DatabaseError);
        EXPECT_EQ(opened.sink.take(),
                  (Messages{{"JVT", "no such table: Dirt"}, {"JVT", "no such table: Dirt"}}));
    }
    // The next run asks again.
    StatementTexts::texts.clear();
    EXPECT_EQ(read("High", "Highth", 500, "Capacity"), 0.98);
    EXPECT_EQ(StatementTexts::texts.size(), 1u);
}

// A run keeps a table's rows under the relation, the table's and the key
// column's names and the key's bits: 89 characters of names fill that room
// (with their two ends, the relation and the key), and longer names are asked
// again each time, with the same answer.
TEST(KeyLookupWithinARun, KeepsTheRowsOfNamesThatFillTheRoomAndNoLonger) {
    const std::string key = "Highth";
    struct Case {
        size_t namesLength;  // table and key column together
        size_t statements;   // for two reads at the same key
    };
    const std::vector<Case> cases = {{88, 1}, {89, 1}, {90, 2}};
    std::string sql;
    for (const Case& c : cases) {
        const std::string table(c.namesLength - key.size(), 'T');
        sql += "create table " + table + "(Highth REAL, Capacity REAL, PowerC REAL);";
        sql += "insert into " + table + " values (0, 1.0, 1.0), (500, 0.98, 1.01);";
    }
    const StatementTexts statements;
    OpenedFixture opened(sql);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.namesLength);
        const std::string table(c.namesLength - key.size(), 'T');
        const PerformanceDatabase::RunScope run(opened.db);
        StatementTexts::texts.clear();
        EXPECT_EQ(LookupByKey(opened.db, 500, "Capacity", table, key), 0.98);
        EXPECT_EQ(LookupByKey(opened.db, 500, "PowerC", table, key), 1.01);
        EXPECT_EQ(StatementTexts::texts.size(), c.statements);
    }
}

// The odd rows a key column may hold: a key stored as text, a missing key,
// whole numbers, and a column without a declared type (no affinity) whose
// keys are numbers and a number written as text.
constexpr const char* kOddKeys =
    "create table Flow(Flow REAL, Conference REAL);"
    "insert into Flow values (0.5, 0.3), (0.8, 0.6), ('n/a', 9), (NULL, 8), (1, 1.0), (1.3, 1.6);"
    "create table Bare(Key, Capacity);"
    "insert into Bare values (0, 1.0), (500, 0.9), ('700', 0.8), (1000, 0.7);";

// Messages and error of one lookup, and its value when it has one.
struct LookupOutcome {
    double value = 0.0;
    std::string error;
    Messages messages;
    bool operator==(const LookupOutcome&) const = default;
};

LookupOutcome Outcome(OpenedFixture& opened, const char* table, const char* key, float x,
                      const char* column) {
    LookupOutcome outcome;
    try {
        outcome.value = LookupByKey(opened.db, x, column, table, key);
    } catch (const DatabaseError& error) {
        outcome.error = DatabaseErrorText(error);
    }
    outcome.messages = opened.sink.take();
    return outcome;
}

// A map's run asks the tables at a new key nearly every point and binds the
// key instead of writing it into the statement. Every key must read there,
// the first time and again, what the statement with the key written in
// reads: rounded to six decimals as the written key is (0.8000001 and
// 0.7999999 are the row at 0.8, 0.800001 is not), past text and missing
// keys, in a column without a type, outside the table, and a key that is not
// a number.
TEST(KeyLookupInAMapRun, EveryKeyReadsWhatTheStatementWithTheKeyWrittenInReads) {
    OpenedFixture opened(kOddKeys);
    struct Case {
        const char* table;
        const char* key;
        float x;
        const char* column;
    };
    const Case cases[] = {
        {"Flow", "Flow", 0.8f, "Conference"},
        {"Flow", "Flow", 0.8000001f, "Conference"},
        {"Flow", "Flow", 0.7999999f, "Conference"},
        {"Flow", "Flow", 0.800001f, "Conference"},
        {"Flow", "Flow", 0.65f, "Conference"},
        {"Flow", "Flow", 1.0f, "Conference"},
        {"Flow", "Flow", 1.15f, "Conference"},
        {"Flow", "Flow", 0.4f, "Conference"},
        {"Flow", "Flow", 1.4f, "Conference"},
        {"Flow", "Flow", 0.65f, "Missing"},
        {"Flow", "Flow", std::nanf(""), "Conference"},
        {"Bare", "Key", 500, "Capacity"},
        {"Bare", "Key", 700, "Capacity"},
        {"Bare", "Key", 250, "Capacity"},
        {"Bare", "Key", 800, "Capacity"},
        {"Nothing", "Key", 1, "Capacity"},
        {"Bare", "Nothing", 1, "Capacity"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.table << "." << c.key << " at " << c.x << ", " << c.column);
        const LookupOutcome alone = Outcome(opened, c.table, c.key, c.x, c.column);
        const PerformanceDatabase::RunScope run(opened.db, PerformanceDatabase::GridRows::KeptWhole);
        EXPECT_EQ(Outcome(opened, c.table, c.key, c.x, c.column), alone);
        EXPECT_EQ(Outcome(opened, c.table, c.key, c.x, c.column), alone);
    }
    // What it is for: keys between the rows do not make a statement each.
    const StatementTexts statements;
    OpenedFixture traced(kOddKeys);
    StatementTexts::texts.clear();
    const PerformanceDatabase::RunScope run(traced.db, PerformanceDatabase::GridRows::KeptWhole);
    for (float x : {0.61f, 0.62f, 0.63f}) LookupByKey(traced.db, x, "Conference", "Flow", "Flow");
    const std::set<std::string> distinct(statements.texts.begin(), statements.texts.end());
    EXPECT_EQ(statements.texts.size(), 9u);
    EXPECT_EQ(distinct.size(), 3u);
}

}  // namespace
}  // namespace keld

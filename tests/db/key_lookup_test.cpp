// SPDX-License-Identifier: MIT
// Correction tables: exact keys, interpolation between keys, duplicated
// keys, read errors and keys outside a table.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
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

// The statements every connection opened while it lives sends to the engine.
class StatementCount {
public:
    StatementCount() { sqlite3_auto_extension(reinterpret_cast<void (*)()>(TraceEveryConnection)); }
    ~StatementCount() { sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(TraceEveryConnection)); }
    StatementCount(const StatementCount&) = delete;
    StatementCount& operator=(const StatementCount&) = delete;

    static inline int count = 0;

private:
    static int CountStatement(unsigned, void*, void*, void*) {
        ++count;
        return 0;
    }
    static int TraceEveryConnection(sqlite3* db, char**, const void*) {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, CountStatement, nullptr);
        return SQLITE_OK;
    }
};

// Within a run the correction tables are read at the same key for several
// quantities: each table is asked once per key, each keeps its own rows, and
// a statement that fails is never kept, so it says so every time.
TEST(KeyLookupWithinARun, EachTableIsAskedOncePerKeyAndKeepsItsOwnRows) {
    const StatementCount statements;
    OpenedFixture opened(kCorrections);
    PerformanceDatabase& db = opened.db;
    auto read = [&db](const char* table, const char* key, float x, const char* column) {
        return LookupByKey(db, x, column, table, key);
    };
    {
        const PerformanceDatabase::RunScope run(db);
        StatementCount::count = 0;
        EXPECT_EQ(read("High", "Highth", 500, "Capacity"), 0.98);
        EXPECT_EQ(read("High", "Highth", 500, "PowerC"), 1.01);
        EXPECT_EQ(read("Fluid", "Concertration", 500, "Capacity"), 0.5);
        EXPECT_EQ(read("High", "Highth", 1000, "Capacity"), 0.955);
        EXPECT_EQ(read("Fluid", "Concertration", 500, "Capacity"), 0.5);
        EXPECT_EQ(read("High", "Highth", 500, "PowerC"), 1.01);
        EXPECT_EQ(StatementCount::count, 3);
        // Between two keys: the key itself, the rows above and below.
        EXPECT_DOUBLE_EQ(read("High", "Highth", 250, "Capacity"), 0.99);
        EXPECT_DOUBLE_EQ(read("High", "Highth", 250, "PowerC"), 1.005);
        EXPECT_EQ(StatementCount::count, 6);

        EXPECT_THROW(read("Dirt", "Dirt", 0.0f, "Capacity"), DatabaseError);
        EXPECT_THROW(read("Dirt", "Dirt", 0.0f, "Capacity"), DatabaseError);
        EXPECT_EQ(opened.sink.take(),
                  (Messages{{"JVT", "no such table: Dirt"}, {"JVT", "no such table: Dirt"}}));
    }
    // The next run asks again.
    StatementCount::count = 0;
    EXPECT_EQ(read("High", "Highth", 500, "Capacity"), 0.98);
    EXPECT_EQ(StatementCount::count, 1);
}

// A run keeps a table's rows under the relation, the table's and the key
// column's names and the key's bits: 89 characters of names fill that room
// (with their two ends, the relation and the key), and longer names are asked
// again each time, with the same answer.
TEST(KeyLookupWithinARun, KeepsTheRowsOfNamesThatFillTheRoomAndNoLonger) {
    const std::string key = "Highth";
    struct Case {
        size_t namesLength;  // table and key column together
        int statements;      // for two reads at the same key
    };
    const std::vector<Case> cases = {{88, 1}, {89, 1}, {90, 2}};
    std::string sql;
    for (const Case& c : cases) {
        const std::string table(c.namesLength - key.size(), 'T');
        sql += "create table " + table + "(Highth REAL, Capacity REAL, PowerC REAL);";
        sql += "insert into " + table + " values (0, 1.0, 1.0), (500, 0.98, 1.01);";
    }
    const StatementCount statements;
    OpenedFixture opened(sql);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.namesLength);
        const std::string table(c.namesLength - key.size(), 'T');
        const PerformanceDatabase::RunScope run(opened.db);
        StatementCount::count = 0;
        EXPECT_EQ(LookupByKey(opened.db, 500, "Capacity", table, key), 0.98);
        EXPECT_EQ(LookupByKey(opened.db, 500, "PowerC", table, key), 1.01);
        EXPECT_EQ(StatementCount::count, c.statements);
    }
}

}  // namespace
}  // namespace keld

// SPDX-License-Identifier: MIT
// Record access: whole results in memory, the cursor, and the three ways a
// field is read.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/format_text.h"
#include "db/database_error.h"
#include "db/performance_database.h"
#include "support/opened_fixture.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

namespace ec = database_error_code;
using test::OpenedFixture;
using test::RecordingSink;
using Messages = std::vector<RecordingSink::Message>;

// Runs `call` and returns the code of the DatabaseError it raises.
template <typename Call>
std::optional<std::uint32_t> RaisedCode(Call call) {
    try {
        call();
    } catch (const DatabaseError& error) {
        return error.code();
    }
    return std::nullopt;
}

class RecordsetTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        shared_ = std::make_unique<OpenedFixture>(
            "create table Units(ModelName TEXT, capacity REAL, Connect TEXT, Flow_7 REAL);"
            "insert into Units values('QTK090GN5-LQE', 316.5, '0', 15.1),"
            " ('QTK180GN5-LQE', 633, '0+0', NULL), ('QTK130GN5-LQE', 457.2, '1', 21.85);");
    }
    static void TearDownTestSuite() { shared_.reset(); }
    // Each test takes the messages it expects; one left over is its fault.
    void TearDown() override { shared_->sink.expectAllTaken(); }

    static inline std::unique_ptr<OpenedFixture> shared_;
    RecordingSink& sink_ = shared_->sink;
    PerformanceDatabase& db_ = shared_->db;
};

TEST_F(RecordsetTest, HoldsTheWholeResultWithTheCursorOnTheFirstRow) {
    Recordset& units = db_.CurrentRecordset();
    db_.OpenRecordset(units, "select * from Units order by ModelName");
    EXPECT_EQ(units.RecordCount(), 3);
    EXPECT_FALSE(units.IsBOF());
    ASSERT_EQ(units.FieldCount(), 4);
    EXPECT_EQ(units.FieldName(0), "ModelName");
    EXPECT_EQ(units.FieldName(3), "Flow_7");

    std::string walked;
    for (; !units.IsEOF(); units.MoveNext()) walked += units.ReadFieldText("ModelName") + ";";
    EXPECT_EQ(walked, "QTK090GN5-LQE;QTK130GN5-LQE;QTK180GN5-LQE;");

    units.MoveLast();
    EXPECT_EQ(units.ReadFieldText("modelname"), "QTK180GN5-LQE");  // names ignore case
    units.MoveFirst();
    EXPECT_EQ(units.ReadFieldText("Connect"), "0");
    EXPECT_TRUE(sink_.take().empty());
}

TEST_F(RecordsetTest, EmptyResultIsBeforeTheFirstAndAfterTheLastRow) {
    Recordset rows;
    db_.OpenRecordset(rows, "select * from Units where capacity > 1000");
    EXPECT_EQ(rows.RecordCount(), 0);
    EXPECT_TRUE(rows.IsBOF());
    EXPECT_TRUE(rows.IsEOF());
    EXPECT_EQ(rows.FieldCount(), 4);  // the columns are known without rows
    EXPECT_EQ(RaisedCode([&] { rows.MoveFirst(); }), ec::kNoCurrentRecord);
    EXPECT_EQ(RaisedCode([&] { rows.MoveLast(); }), ec::kNoCurrentRecord);
    EXPECT_EQ(RaisedCode([&] { rows.ReadFieldText("ModelName"); }), ec::kNoCurrentRecord);
}

TEST_F(RecordsetTest, AccessBeyondTheResultRaises) {
    Recordset rows;
    db_.OpenRecordset(rows, "select * from Units where ModelName = 'QTK090GN5-LQE'");
    EXPECT_EQ(RaisedCode([&] { rows.ReadFieldText("Power"); }), ec::kItemNotFound);
    EXPECT_EQ(RaisedCode([&] { rows.FieldName(4); }), ec::kItemNotFound);
    EXPECT_EQ(RaisedCode([&] { rows.FieldName(-1); }), ec::kItemNotFound);
    rows.MoveNext();
    EXPECT_TRUE(rows.IsEOF());
    EXPECT_EQ(RaisedCode([&] { rows.ReadFieldNumber("capacity"); }), ec::kNoCurrentRecord);
    EXPECT_EQ(RaisedCode([&] { rows.MoveNext(); }), ec::kNoCurrentRecord);
    try {
        rows.ReadFieldText("Power");
    } catch (const DatabaseError& error) {
        EXPECT_NE(DatabaseErrorText(error).find("\"Power\""), std::string::npos) << error.what();
    }
}

TEST_F(RecordsetTest, FailedStatementShowsTheEngineTextOnceAndLeavesTheTargetUnopened) {
    Recordset& rows = db_.CurrentRecordset();
    db_.OpenRecordset(rows, "select * from Units");
    db_.OpenRecordset(rows, "select * from [CapacityQTK090&180GN5] where [LWT]=7.000000 ");
    EXPECT_EQ(sink_.take(), (Messages{{"JVT", "no such table: CapacityQTK090&180GN5"}}));
    EXPECT_EQ(RaisedCode([&] { rows.RecordCount(); }), ec::kObjectClosed);
    EXPECT_EQ(RaisedCode([&] { rows.IsEOF(); }), ec::kObjectClosed);
    EXPECT_EQ(RaisedCode([&] { rows.ReadFieldText("ModelName"); }), ec::kObjectClosed);

    db_.OpenRecordset(rows, "select * from Units where Power > 1");  // unknown column
    db_.OpenRecordset(rows, "selec * from Units");                   // syntax
    db_.OpenRecordset(rows, "  ");                                   // no statement at all
    EXPECT_EQ(sink_.take(), (Messages{{"JVT", "no such column: Power"},
                                      {"JVT", "near \"selec\": syntax error"},
                                      {"JVT", "The statement text is empty."}}));
    EXPECT_EQ(RaisedCode([&] { rows.FieldCount(); }), ec::kObjectClosed);

    db_.OpenRecordset(rows, "select * from Units");  // the connection is unharmed
    EXPECT_EQ(rows.RecordCount(), 3);
}

TEST_F(RecordsetTest, CloseEndsTheResult) {
    Recordset rows;
    db_.OpenRecordset(rows, "select * from Units");
    rows.Close();
    rows.Close();
    EXPECT_EQ(RaisedCode([&] { rows.MoveFirst(); }), ec::kObjectClosed);
}

TEST_F(RecordsetTest, ResultsOfTheSameStatementStayIndependent) {
    // The prepared statement is reused; each recordset keeps its own rows,
    // and they stay readable after the connection is gone.
    Recordset first;
    Recordset second;
    {
        RecordingSink sink;
        PerformanceDatabase other(sink);
        ASSERT_TRUE(other.OpenDatabase(shared_->fixture.path()));
        other.OpenRecordset(first, "select * from Units order by capacity");
        other.OpenRecordset(second, "select * from Units order by capacity");
        second.MoveLast();
        // Far more distinct statements than the connection keeps prepared.
        for (int i = 0; i < 600; ++i) {
            other.OpenRecordset(other.CurrentRecordset(), FormatText("select %d as n", i));
        }
        EXPECT_EQ(other.CurrentRecordset().ReadFieldText("n"), "599");
        other.OpenRecordset(first, "select * from Units order by capacity");
    }
    EXPECT_EQ(first.ReadFieldText("ModelName"), "QTK090GN5-LQE");
    EXPECT_EQ(second.ReadFieldText("ModelName"), "QTK180GN5-LQE");
}

TEST(RecordsetWithoutDatabaseTest, StatementBeforeOpenIsReported) {
    RecordingSink sink;
    PerformanceDatabase db(sink);
    db.OpenRecordset(db.CurrentRecordset(), "select 1");
    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0].caption, "JVT");
    EXPECT_THROW(db.CurrentRecordset().RecordCount(), DatabaseError);
    Recordset neverOpened;
    EXPECT_THROW(neverOpened.IsBOF(), DatabaseError);
}

// One stored value read as text, as a number and as a double.
struct FieldReadCase {
    const char* storedAs;  // SQL literal
    const char* text;
    double number;
    std::optional<double> asDouble;  // nullopt: ReadFieldDouble raises
};

const FieldReadCase kFieldReadCases[] = {
    {"NULL", "", 0.0, std::nullopt},
    {"42", "42", 42.0, 42.0},
    {"-7", "-7", -7.0, -7.0},
    {"0", "0", 0.0, 0.0},
    {"12.5", "12.5", 12.5, 12.5},
    {"35.0", "35", 35.0, 35.0},
    {"0.1", "0.1", 0.1, 0.1},
    {"1e-7", "1e-07", 1e-7, 1e-7},
    {"2.5e20", "2.5e+20", 2.5e20, 2.5e20},
    {"'12.5'", "12.5", 12.5, 12.5},
    {"'12,5'", "12,5", 12.0, std::nullopt},
    {"'-'", "-", 0.0, std::nullopt},
    {"''", "", 0.0, std::nullopt},
    {"'0.0'", "0.0", 0.0, 0.0},
    {"' 7.5 '", " 7.5 ", 7.5, 7.5},
    {"'+.5'", "+.5", 0.5, 0.5},
    {"'1e3kPa'", "1e3kPa", 1000.0, std::nullopt},
    {"'2e'", "2e", 2.0, std::nullopt},
    {"'.'", ".", 0.0, std::nullopt},
    {"'inf'", "inf", 0.0, std::nullopt},
    {"'0x1A'", "0x1A", 0.0, std::nullopt},
    {"'15.1-21.9'", "15.1-21.9", 15.1, std::nullopt},
    {"'1e999'", "1e999", HUGE_VAL, std::nullopt},
    // A real beyond the range of a double is stored as infinity; its text
    // does not begin with a number, so it reads as 0 like any such text.
    {"1e999", "inf", 0.0, HUGE_VAL},
    {"-1e999", "-inf", 0.0, -HUGE_VAL},
    {"x'3132'", "12", 12.0, std::nullopt},
};

class FieldReadTest : public testing::TestWithParam<int> {
protected:
    // All values in one table, row `id` holding case `id`.
    static void SetUpTestSuite() {
        std::string sql = "create table Cell(id INTEGER, v);";
        int id = 0;
        for (const FieldReadCase& c : kFieldReadCases) {
            sql += FormatText("insert into Cell values(%d, %s);", id++, c.storedAs);
        }
        shared_ = std::make_unique<OpenedFixture>(sql);
    }
    static void TearDownTestSuite() { shared_.reset(); }

    static inline std::unique_ptr<OpenedFixture> shared_;
};

TEST_P(FieldReadTest, ReadsTheValueAsAUserExpects) {
    const FieldReadCase& c = kFieldReadCases[GetParam()];
    SCOPED_TRACE(std::string("stored as ") + c.storedAs);
    Recordset cell;
    shared_->db.OpenRecordset(cell, FormatText("select * from Cell where id = %d", GetParam()));

    EXPECT_EQ(cell.ReadFieldText("v"), c.text);
    EXPECT_EQ(cell.ReadFieldNumber("v"), c.number);
    if (c.asDouble) {
        EXPECT_EQ(cell.ReadFieldDouble("v"), *c.asDouble);
    } else {
        EXPECT_EQ(RaisedCode([&] { cell.ReadFieldDouble("v"); }), ec::kTypeMismatch);
    }
}

INSTANTIATE_TEST_SUITE_P(StoredValues, FieldReadTest,
                         testing::Range(0, static_cast<int>(std::size(kFieldReadCases))));

}  // namespace
}  // namespace keld

// SPDX-License-Identifier: MIT
// Performance grids: exact points, the not-available marker, bilinear
// interpolation and the points outside a grid.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "db/database_error.h"
#include "db/lookups.h"
#include "db/performance_database.h"
#include "support/opened_fixture.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

using test::OpenedFixture;
using test::RecordingSink;
using Messages = std::vector<RecordingSink::Message>;

// Rows stored out of LWT order, columns out of OAT order; "0" marks the
// missing point (45 °C, 7 °C), "0.0" is an ordinary zero.
constexpr const char* kGrids =
    "create table [CapacityTest&GN5](LWT REAL, [35OAT], [25OAT], [-5OAT], [7_5OAT], [45OAT]);"
    "insert into [CapacityTest&GN5] values (9, 1.1, 1.2, 1.4, '0.0', 0.9),"
    " (5, 0.9, 1.0, 1.2, 1.1, 0.8), (7, 1.0, 1.1, 1.3, 1.2, '0');"
    "create table Twice(LWT REAL, [25OAT], [35OAT]);"
    "insert into Twice values (5, 1.0, 0.9), (7, 1.1, 1.0), (7, 2.1, 2.0), (9, 1.2, 1.1);"
    "create table NoAmbient(LWT REAL, Capacity REAL);"
    "insert into NoAmbient values (7, 1.0);"
    "create table Steps(LWT REAL, [30OAT], [35OAT]);"
    "insert into Steps values (4, 0.9, 0.8626), (7, 0.9061, 0.86);";

constexpr const char* kGrid = "CapacityTest&GN5";

class GridLookupTest : public testing::Test {
protected:
    static void SetUpTestSuite() { shared_ = std::make_unique<OpenedFixture>(kGrids); }
    static void TearDownTestSuite() { shared_.reset(); }
    // Each test takes the messages it expects; one left over is its fault.
    void TearDown() override { shared_->sink.expectAllTaken(); }

    float Lookup(const std::string& table, float oat, float lwt) {
        return static_cast<float>(LookupOatLwt(shared_->db, table, oat, lwt));
    }

    static inline std::unique_ptr<OpenedFixture> shared_;
    RecordingSink& sink_ = shared_->sink;
};

TEST_F(GridLookupTest, GridPointGivesTheCellPlusAHairAboveZero) {
    // 5e-8 is half an ulp and more below 1, nothing from 1 on.
    EXPECT_EQ(Lookup(kGrid, 35, 5), std::nextafter(0.9f, 1.0f));
    EXPECT_EQ(Lookup(kGrid, 25, 7), 1.1f);
    EXPECT_EQ(Lookup(kGrid, -5, 9), 1.4f);
    EXPECT_EQ(Lookup(kGrid, 7.5f, 5), 1.1f);
    EXPECT_EQ(Lookup(kGrid, 7.5f, 9), static_cast<float>(5e-8));  // "0.0" is data
    EXPECT_EQ(Lookup(kGrid, 45, 7), 0.0f);                        // "0" is not
    EXPECT_TRUE(sink_.take().empty());
}

TEST_F(GridLookupTest, AmbientWithinTheToleranceReadsTheColumn) {
    EXPECT_EQ(Lookup(kGrid, 35.000004f, 5), std::nextafter(0.9f, 1.0f));
    float justBeyond = Lookup(kGrid, 35.00002f, 5);  // interpolated towards 45 °C
    EXPECT_LT(justBeyond, 0.9f);
    EXPECT_NEAR(justBeyond, 0.8999998, 1e-7);
}

TEST_F(GridLookupTest, InterpolatesBetweenColumnsAndRows) {
    EXPECT_FLOAT_EQ(Lookup(kGrid, 30, 5), 0.95f);  // along one row
    EXPECT_FLOAT_EQ(Lookup(kGrid, 25, 8), 1.15f);  // between rows at a column
    EXPECT_FLOAT_EQ(Lookup(kGrid, 30, 6), 1.0f);   // mean of four cells
    EXPECT_FLOAT_EQ(Lookup(kGrid, 1.25f, 5.5f), 1.175f);
}

TEST_F(GridLookupTest, KeepsEveryStepInItsOwnPrecision) {
    // Each point comes out one float step away from a lookup that takes the
    // named step in the other precision, so the bits show the mix.
    struct Case {
        float oat, lwt, expected;
        const char* step;
    };
    for (const Case& c : {Case{30.7f, 4, 0x1.ca1e82p-1f, "ambients in double between the columns"},
                          Case{30.1f, 5, 0x1.cd6daap-1f, "cells in single precision"},
                          Case{33.2f, 6.9f, 0x1.c0cedcp-1f, "single precision between the rows"}}) {
        EXPECT_EQ(Lookup("Steps", c.oat, c.lwt), c.expected) << c.step;
    }
}

TEST_F(GridLookupTest, MissingNeighbourMakesThePointUnavailable) {
    EXPECT_EQ(Lookup(kGrid, 40, 7), 0.0f);  // between 35 °C and the missing 45 °C
    EXPECT_EQ(Lookup(kGrid, 45, 8), 0.0f);  // the 9 °C row has data, the 7 °C row none
    EXPECT_EQ(Lookup(kGrid, 45, 6), 0.0f);  // the 5 °C row has data, the 7 °C row above none
}

TEST_F(GridLookupTest, DuplicatedRowIsADataErrorOnlyWhenHitExactly) {
    EXPECT_EQ(Lookup("Twice", 35, 7), 0.0f);
    EXPECT_EQ(sink_.take(), (Messages{{"JVT", "DATA ERROR!"}}));
    // Between rows the first of the two 7 °C rows serves without complaint.
    EXPECT_FLOAT_EQ(Lookup("Twice", 35, 6), 0.95f);
    EXPECT_TRUE(sink_.take().empty());
}

// A map's run keeps each grid row it reads whole and serves the next ambient
// from it, and binds the leaving water rather than writing it into the
// statement: every kind of point must read in such a run, the first time and
// again, as it reads alone, messages included.
TEST_F(GridLookupTest, ARunReadsEveryPointAsALookupAloneDoes) {
    struct Point {
        const char* table;
        float oat;
        float lwt;
    };
    const Point points[] = {
        {kGrid, 35, 5},
        {kGrid, 25, 7},
        {kGrid, 7.5f, 9},
        {kGrid, 30, 7},
        {kGrid, 30, 6},
        {kGrid, 40, 7},
        {kGrid, 45, 8},
        {kGrid, 20, 7},
        {"Twice", 35, 7},
        {"Twice", 35, 6},
        {"Steps", 31, 5.5f},
        {"Steps", 35, 4},
        {kGrid, 35.000004f, 7},
        // Leaving waters the statement's six decimals write as a row's.
        {kGrid, 35, 7.0000005f},
        {kGrid, 30, 6.9999995f},
    };
    for (const Point& p : points) {
        const float alone = Lookup(p.table, p.oat, p.lwt);
        const Messages aloneMessages = sink_.take();
        const PerformanceDatabase::RunScope run(shared_->db, PerformanceDatabase::GridRows::KeptWhole);
        for (int time = 1; time <= 2; ++time) {
            EXPECT_EQ(Lookup(p.table, p.oat, p.lwt), alone)
                << p.table << " " << p.oat << " " << p.lwt << " #" << time;
            EXPECT_EQ(sink_.take(), aloneMessages) << p.table << " " << p.oat << " " << p.lwt;
        }
    }
    // A row kept at one ambient serves the others of its leaving water.
    const PerformanceDatabase::RunScope run(shared_->db, PerformanceDatabase::GridRows::KeptWhole);
    EXPECT_EQ(Lookup(kGrid, 35, 9), 1.1f);
    EXPECT_EQ(Lookup(kGrid, -5, 9), 1.4f);
    EXPECT_FLOAT_EQ(Lookup(kGrid, 30, 9), 1.15f);
}

TEST_F(GridLookupTest, LeavingWaterOutsideTheRowsRaisesADatabaseError) {
    for (float lwt : {4.0f, 9.5f}) {
        try {
            Lookup(kGrid, 35, lwt);
            ADD_FAILURE() << "no error for LWT " << lwt;
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.code(), database_error_code::kNoCurrentRecord);
            EXPECT_NE(DatabaseErrorText(error).find("LWT"), std::string::npos) << error.what();
        }
    }
}

TEST_F(GridLookupTest, AmbientOutsideTheColumnsIsAnInvalidArgument) {
    for (float oat : {45.1f, -5.1f}) {
        try {
            Lookup(kGrid, oat, 7);
            ADD_FAILURE() << "no error for OAT " << oat;
        } catch (const InvalidArgumentError& error) {
            EXPECT_STREQ(error.what(), "遇到不适当的参数。");
        }
    }
    EXPECT_THROW(Lookup("NoAmbient", 35, 7), InvalidArgumentError);
    EXPECT_TRUE(sink_.take().empty());
}

TEST_F(GridLookupTest, MissingGridTableShowsTheEngineTextThenRaises) {
    EXPECT_THROW(Lookup("PowerQTK090&180GN5", 35, 7), DatabaseError);
    EXPECT_EQ(sink_.take(), (Messages{{"JVT", "no such table: PowerQTK090&180GN5"}}));
}

// Column layout of a grid table -> its OatColumnList.
struct ColumnOrderCase {
    const char* columns;
    std::vector<std::string> list;
};

void PrintTo(const ColumnOrderCase& c, std::ostream* out) { *out << c.columns; }

class OatColumnListTest : public testing::TestWithParam<ColumnOrderCase> {};

TEST_P(OatColumnListTest, OrdersTheAmbientsByTheirWholeDegrees) {
    OpenedFixture grid(std::string("create table Grid(") + GetParam().columns + ");");
    grid.db.OpenRecordset(grid.db.CurrentRecordset(), "select * from [Grid] where [LWT]=7.000000 ");
    EXPECT_EQ(BuildOatColumnList(grid.db.CurrentRecordset()), GetParam().list);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, OatColumnListTest,
    testing::Values(ColumnOrderCase{"LWT, [35OAT], [25OAT], [-5OAT], [7_5OAT], [45OAT]",
                                    {"-5", "7.5", "25", "35", "45"}},
                    ColumnOrderCase{"[20OAT], LWT, [10OAT], Remark", {"10", "20"}},
                    ColumnOrderCase{"LWT, [-5OAT], [-10OAT], [0OAT]", {"-10", "-5", "0"}},
                    // Same whole degree: the rule keeps the later one after the earlier.
                    ColumnOrderCase{"LWT, [7_5OAT], [7_2OAT]", {"7.5", "7.2"}},
                    // The earlier one's whole degree equal to the later value, and just above it.
                    ColumnOrderCase{"LWT, [7_5OAT], [7OAT]", {"7", "7.5"}},
                    ColumnOrderCase{"LWT, [7_5OAT], [6_9OAT]", {"6.9", "7.5"}}, ColumnOrderCase{"LWT", {}}));

TEST(NotAvailableCellTest, OnlyTheTextZeroMarksAMissingPoint) {
    EXPECT_TRUE(NotAvailableCell("0"));
    for (const char* text : {"0.0", "", "00", " 0", "0 ", "-0"}) EXPECT_FALSE(NotAvailableCell(text)) << text;
}

}  // namespace
}  // namespace keld

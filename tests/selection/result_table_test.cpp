// SPDX-License-Identifier: MIT
#include "selection/result_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "selection/result_columns.h"

namespace keld {
namespace {

// Adds a row the way a run does: the name, then the record id last.
ModelResult* AddRow(ResultTable& table, int index, const std::string& name) {
    table.insertRow(index, name);
    const unsigned id = table.createRecord();
    table.setCell(index, column::kRecordId, ResultTable::RecordIdText(id));
    ModelResult* record = table.recordOfRow(index);
    record->modelName = table.cell(index, column::kModel);
    return record;
}

TEST(ResultTable, RowsOwnTheirRecordsThroughColumn20) {
    ResultTable table;
    ModelResult* first = AddRow(table, 0, "QTK130GN5-LQE");
    ModelResult* second = AddRow(table, 1, "QTK260GN5-LQE");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(table.cell(0, column::kRecordId), "1");
    EXPECT_EQ(table.cell(1, column::kRecordId), "2");
    EXPECT_EQ(table.recordOfRow(1)->modelName, "QTK260GN5-LQE");
    EXPECT_EQ(table.row(0)[column::kModel], "QTK130GN5-LQE");
    EXPECT_EQ(table.row(0)[column::kCoolingCapacity], "");

    table.FreeResultRecords();
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.recordOfRow(0), nullptr);
    EXPECT_EQ(table.recordOfRow(1), nullptr);

    table.deleteAllRows();
    EXPECT_EQ(table.rowCount(), 0);
    // Ids are not reused: a stale id text never finds a new run's record.
    AddRow(table, 0, "QSK240GV5");
    EXPECT_EQ(table.cell(0, column::kRecordId), "3");
}

// Ids are hexadecimal, the digits up to "f" and no further: the record
// after "f" is "10", and a "g" names none.
TEST(ResultTable, IdsAreLowerCaseHex) {
    ResultTable table;
    for (int i = 0; i < 17; ++i) AddRow(table, i, "QHK" + std::to_string(i));
    EXPECT_EQ(table.cell(9, column::kRecordId), "a");
    EXPECT_EQ(table.recordOfRow(9)->modelName, "QHK9");
    EXPECT_EQ(table.cell(14, column::kRecordId), "f");
    EXPECT_EQ(table.recordOfRow(14)->modelName, "QHK14");
    EXPECT_EQ(table.cell(15, column::kRecordId), "10");
    EXPECT_EQ(table.recordOfRow(15)->modelName, "QHK15");
    table.setCell(16, column::kRecordId, "g");
    EXPECT_EQ(table.recordOfRow(16), nullptr);
    EXPECT_EQ(ResultTable::RecordIdText(0xBEEF), "beef");
    EXPECT_EQ(ResultTable::RecordIdText(0xFFFFFFFF), "ffffffff");
}

TEST(ResultTable, Column20ThatNamesNoRecordGivesNone) {
    const char* texts[] = {"", "0", "zz", "0x1", "-1", " 1", "1 ", "ffffffffff", "7f", "1g"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        ResultTable table;
        AddRow(table, 0, "QTK090GN5-LQE");
        table.setCell(0, column::kRecordId, text);
        EXPECT_EQ(table.recordOfRow(0), nullptr);
        table.FreeResultRecords();  // and freeing does not trip over it
    }
    ResultTable table;
    AddRow(table, 0, "QTK090GN5-LQE");
    table.setCell(0, column::kRecordId, "1");
    EXPECT_NE(table.recordOfRow(0), nullptr);
}

TEST(ResultTable, IndexesOutsideTheTableAreRefused) {
    ResultTable table;
    AddRow(table, 0, "QTK090GN5-LQE");
    EXPECT_THROW(table.row(1), std::out_of_range);
    EXPECT_THROW(table.cell(-1, 0), std::out_of_range);
    EXPECT_THROW(table.cell(0, column::kCount), std::out_of_range);
    EXPECT_THROW(table.setCell(0, -1, "x"), std::out_of_range);
    EXPECT_THROW(table.insertRow(2, "x"), std::out_of_range);
    EXPECT_THROW(table.insertRow(-1, "x"), std::out_of_range);
    EXPECT_THROW(table.recordOfRow(5), std::out_of_range);
    EXPECT_THROW(table.markRow(1), std::out_of_range);
    EXPECT_EQ(table.rowCount(), 1);
    // The last row and column themselves are inside.
    EXPECT_NO_THROW(table.setCell(0, column::kCount - 1, "x"));
    EXPECT_EQ(table.cell(0, column::kCount - 1), "x");
}

TEST(ResultTable, TheMarkFollowsItsRowAndGoesWithTheRows) {
    ResultTable table;
    AddRow(table, 0, "A");
    AddRow(table, 1, "B");
    EXPECT_FALSE(table.markedRow());
    table.markRow(1);
    AddRow(table, 0, "C");  // before the mark
    ASSERT_TRUE(table.markedRow());
    EXPECT_EQ(table.cell(*table.markedRow(), column::kModel), "B");
    AddRow(table, 2, "E");  // at the mark: the marked row moves down
    EXPECT_EQ(table.cell(*table.markedRow(), column::kModel), "B");
    AddRow(table, 4, "D");  // after the mark
    EXPECT_EQ(*table.markedRow(), 3);
    table.deleteAllRows();
    EXPECT_FALSE(table.markedRow());
}

// A view over the table hears of each change while the table still has its
// old rows (before) and once it has the new ones (after), so it never asks
// for a row the table does not have.
class RecordingTableObserver : public ResultTableObserver {
public:
    explicit RecordingTableObserver(const ResultTable& table) : table_(table) {}
    void rowAboutToBeInserted(int index) override { note("insert " + std::to_string(index)); }
    void rowInserted(int index) override { note("inserted " + std::to_string(index)); }
    void rowsAboutToBeDeleted() override { note("delete"); }
    void rowsDeleted() override { note("deleted"); }
    void cellChanged(int row, int column) override {
        note("cell " + std::to_string(row) + "," + std::to_string(column) + " " + table_.cell(row, column));
    }
    std::vector<std::string> events;

private:
    void note(const std::string& event) {
        events.push_back(event + " of " + std::to_string(table_.rowCount()));
    }
    const ResultTable& table_;
};

TEST(ResultTable, AnObserverHearsEachRowChangeBeforeAndAfter) {
    ResultTable table;
    RecordingTableObserver observer(table);
    Subscription subscription = table.subscribe(observer);
    table.insertRow(0, "QTK130GN5-LQE");
    table.setCell(0, column::kCoolingCapacity, "512.3");
    table.setCell(0, column::kCoolingCapacity, "512.3");  // unchanged: nothing to redraw
    table.insertRow(0, "QTK090GN5-LQE");
    table.FreeResultRecords();  // rows stay
    table.deleteAllRows();
    subscription.reset();
    table.insertRow(0, "QTK260GN5-LQE");
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"insert 0 of 0", "inserted 0 of 1", "cell 0,1 512.3 of 1",
                                        "insert 0 of 1", "inserted 0 of 2", "delete of 2", "deleted of 0"}));
}

// Views that write down, into one shared log, what each hears of the table;
// each may act once on what it hears next (leave, let another leave, bring
// another in) as a list closing or a plot opening would.
class LoggingView : public ResultTableObserver {
public:
    LoggingView(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    void rowAboutToBeInserted(int) override { hear("insert"); }
    void rowInserted(int) override { hear("inserted"); }
    void rowsAboutToBeDeleted() override { hear("delete"); }
    void rowsDeleted() override { hear("deleted"); }
    void cellChanged(int, int) override { hear("cell"); }

    Subscription subscription;
    std::function<void()> onNextEvent;

private:
    void hear(const std::string& event) {
        log_.push_back(name_ + " " + event);
        if (onNextEvent) std::exchange(onNextEvent, {})();
    }
    std::string name_;
    std::vector<std::string>& log_;
};

struct Views {
    ResultTable table;
    std::vector<std::string> log;
    LoggingView a{"a", log}, b{"b", log}, c{"c", log};
    std::unique_ptr<LoggingView> late;

    Views() {
        for (LoggingView* view : {&a, &b, &c}) view->subscription = table.subscribe(*view);
    }
};

struct LeavingCase {
    const char* name;
    std::function<void(Views&)> arrange;  // before a cell changes twice
    std::vector<std::string> heard;
};

TEST(ResultTableViews, EachHearsInTheOrderItCameAndNotOnceItHasLeft) {
    const std::vector<LeavingCase> cases = {
        {"all three", [](Views&) {}, {"a cell", "b cell", "c cell", "a cell", "b cell", "c cell"}},
        {"b left before",
         [](Views& v) { v.b.subscription.reset(); },
         {"a cell", "c cell", "a cell", "c cell"}},
        {"b leaves as it hears",
         [](Views& v) { v.b.onNextEvent = [&v] { v.b.subscription.reset(); }; },
         {"a cell", "b cell", "c cell", "a cell", "c cell"}},
        // c has not heard yet: it hears nothing of the change that made it leave.
        {"a makes c leave",
         [](Views& v) { v.a.onNextEvent = [&v] { v.c.subscription.reset(); }; },
         {"a cell", "b cell", "a cell", "b cell"}},
        {"c makes a leave",
         [](Views& v) { v.c.onNextEvent = [&v] { v.a.subscription.reset(); }; },
         {"a cell", "b cell", "c cell", "b cell", "c cell"}},
        {"a leaves, then comes back last",
         [](Views& v) {
             v.a.onNextEvent = [&v] {
                 v.a.subscription.reset();
                 v.a.subscription = v.table.subscribe(v.a);
             };
         },
         {"a cell", "b cell", "c cell", "b cell", "c cell", "a cell"}},
        // A view that opens during a change hears from the next one on.
        {"b brings a fourth in",
         [](Views& v) {
             v.b.onNextEvent = [&v] {
                 v.late = std::make_unique<LoggingView>("d", v.log);
                 v.late->subscription = v.table.subscribe(*v.late);
             };
         },
         {"a cell", "b cell", "c cell", "a cell", "b cell", "c cell", "d cell"}},
        // Moving a subscription keeps the place; overwriting one ends it.
        {"b's place moved, c's overwritten",
         [](Views& v) {
             Subscription moved = std::move(v.b.subscription);
             v.b.subscription = std::move(moved);
             v.c.subscription = Subscription();
         },
         {"a cell", "b cell", "a cell", "b cell"}},
    };
    for (const LeavingCase& c : cases) {
        SCOPED_TRACE(c.name);
        Views views;
        views.table.insertRow(0, "QTK130GN5-LQE");
        views.log.clear();
        c.arrange(views);
        views.table.setCell(0, column::kCoolingCapacity, "512.3");
        views.table.setCell(0, column::kCoolingCapacity, "498.1");
        EXPECT_EQ(views.log, c.heard);
    }
}

// A list that is destroyed stops listening by itself, also when the table
// has gone first.
TEST(ResultTableViews, AViewAndItsTableMayGoInEitherOrder) {
    std::vector<std::string> log;
    auto table = std::make_unique<ResultTable>();
    {
        LoggingView gone("gone", log);
        gone.subscription = table->subscribe(gone);
    }
    LoggingView stays("stays", log);
    stays.subscription = table->subscribe(stays);
    table->insertRow(0, "QTK130GN5-LQE");
    EXPECT_EQ(log, (std::vector<std::string>{"stays insert", "stays inserted"}));
    table.reset();
    stays.subscription.reset();
}

// A column's heading in a printed table, the one line that stands for the
// list's three header rows: its own caption, else the mode and the symbol,
// else the quantity; the unit after either.
TEST(ColumnHeading, CaptionElseModeAndSymbolElseQuantityThenUnit) {
    const struct {
        int column;
        const char* heading;
    } cases[] = {
        {column::kModel, "Model"},
        {column::kCoolingCapacity, "Cooling Pf kW"},
        {column::kHeatingFlow, "Heating qw L/s"},
        {column::kPressureDrop, "Water pressure drop kPa"},
        {column::kAltitude, "Altitude m"},
        {column::kCount - 2, "Address"},
        {column::kCount - 1, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ColumnHeading(c.column), c.heading) << c.column;
}

}  // namespace
}  // namespace keld

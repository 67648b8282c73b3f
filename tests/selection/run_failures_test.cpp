// SPDX-License-Identifier: MIT
// What a run does to the result list and which messages it shows when
// something stands in its way: input checks, missing data, database errors,
// unit rows that contradict the module table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/message_sink.h"
#include "selection/launch_parameters.h"
#include "selection/page/page_controls.h"
#include "selection/run_steps.h"
#include "support/fixture_database.h"
#include "support/selection_fixture.h"

namespace keld::test {
namespace {

using Messages = std::vector<RecordingSink::Message>;

constexpr const char* kQtk130 =
    "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK130GN5-LQE', '1', 459.2, 135.5, 22.07, '11.04-33.11', "
    "'61.8', "
    "'22.07');\n";

constexpr const char* kGv5Unit =
    "INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK185GV5-LQE', '1', 467.0, 467.0, 155.9, 22.0, "
    "'11.00-33.00', '50.0', '22.0');\n";

constexpr const char* kQhk150 =
    "INSERT INTO ALL_Model_qhk VALUES (0, 2, 0, 0, 'QHK150GP5-LQE', '1', 507.0, 507.0, 136.7, 24.17, 23.89, "
    "'12.09-36.26', '55.6', '24.17');\n";

// A page whose list holds the default run's row (QTK130GN5-LQE), with the
// messages of that run cleared.
class FilledList : public RunFixture {
public:
    explicit FilledList(const std::string& extraSql = "", const std::string& launch = "",
                        const GridValues& grids = {})
        : RunFixture(std::string(kQtk130) + extraSql, launch, grids) {
        set(kCoolingAmbientEdit, "30");
        if (run() != ListEffect::Replaced || page().results().rowCount() != 1) {
            throw std::runtime_error("the first run did not fill the list");
        }
        previousRows_ = rows();
        if (!sink().take().empty()) throw std::runtime_error("the first run showed a message");
        set(kCoolingAmbientEdit, "35");
    }
    const std::vector<ResultTable::Row>& previousRows() const { return previousRows_; }

private:
    std::vector<ResultTable::Row> previousRows_;
};

TEST(RunFailures, FailedInputCheckClearsTheList) {
    FilledList run;
    run.set(kCoolingAmbientEdit, "44.1");
    EXPECT_EQ(run.run(), ListEffect::Cleared);
    EXPECT_EQ(
        run.sink().take(),
        (Messages{{"Cooling", "Please input the value of ambient temperature between -8.0 and 44.0 "}}));
    EXPECT_EQ(run.page().results().rowCount(), 0);
}

TEST(RunFailures, TextThatIsNoNumberStartsNoRun) {
    FilledList run;
    run.set(kCoolingCapacityEdit, "five hundred");
    EXPECT_EQ(run.run(), ListEffect::Kept);
    EXPECT_EQ(run.sink().take(), (Messages{{"JVT", "请输入一个整数。"}}));
    EXPECT_EQ(run.rows(), run.previousRows());
}

// A band without units says so: the rows of the previous run stay, and the
// user is not left to take them for the answer to the new duty.
TEST(RunFailures, QueryWithoutCandidatesSaysSoAndKeepsTheList) {
    struct Case {
        const char* name;
        const char* launch;
        bool screw;
        const char* capacity;
        const char* tolerance;
    };
    const Case cases[] = {
        {"QTK above every unit", "", false, "5000", "15"},
        {"QTK negative duty", "", false, "-100", "15"},
        // 459.2 kW lies 8.16 % below 500 kW: outside a band of 8 %.
        {"QTK narrow band", "", false, "500", "8"},
        {"QTK no tolerance", "", false, "500", "0"},
        {"QHK above every unit", "", true, "5000", "15"},
        {"GV5 above every unit", "BREXAL", true, "5000", "15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FilledList run(std::string(kQhk150) + kGv5Unit, c.launch);
        if (c.screw) run.page().clickScrew();
        run.set(kCoolingCapacityEdit, c.capacity);
        run.set(kToleranceEdit, c.tolerance);
        EXPECT_EQ(run.run(), ListEffect::Kept);
        EXPECT_FALSE(run.endedByError());
        EXPECT_EQ(run.sink().take(), (Messages{{"JVT", "No suitable models!"}}));
        EXPECT_EQ(run.rows(), run.previousRows());
    }
}

// A grid without data at the duty point gives a capacity ratio of 0, which
// leaves no band to search.
TEST(RunFailures, NoPerformanceDataAtTheDutyPointKeepsTheList) {
    const std::string grid =
        "DROP TABLE \"CapcityQTK130&260GN5\";\n" + GridSql("CapcityQTK130&260GN5", "1", {{"7", "35", "0"}});
    FilledList run(grid);
    EXPECT_EQ(run.run(), ListEffect::Kept);
    EXPECT_EQ(run.sink().take(),
              (Messages{{"JVT", "No performance data at ambient 35.0 °C, leaving water 7.00 °C"}}));
    EXPECT_EQ(run.rows(), run.previousRows());
}

// A database error in the corrections (here an altitude beyond the last row
// of "High") ends the run before the list is touched and is shown once.
TEST(RunFailures, DatabaseErrorDuringCorrectionsKeepsTheList) {
    FilledList run("DELETE FROM High WHERE Highth > 1000;");
    run.set(kAltitudeEdit, "1500");
    EXPECT_EQ(run.run(), ListEffect::Kept);
    EXPECT_TRUE(run.endedByError());
    EXPECT_EQ(run.sink().take(), (Messages{{"JVT", "Table High has no row above Highth = 1500.000000"}}));
    EXPECT_EQ(run.rows(), run.previousRows());
}

// A leaving water below the grid's rows is a database error as well.
TEST(RunFailures, LeavingWaterOutsideAGridKeepsTheList) {
    FilledList run("DELETE FROM \"PowerQTK130&260GN5\" WHERE LWT < 7;");
    run.set(kCoolingOutletEdit, "5");
    run.set(kCoolingInletEdit, "10");
    EXPECT_EQ(run.run(), ListEffect::Kept);
    EXPECT_TRUE(run.endedByError());
    EXPECT_EQ(run.sink().take(), (Messages{{"JVT", "No current record to read the field \"LWT\" from."}}));
    EXPECT_EQ(run.rows(), run.previousRows());
}

// An ambient outside a grid's columns ends the command with the
// invalid-argument message; the list stays.
TEST(RunFailures, AmbientOutsideAGridKeepsTheList) {
    const std::string grid =
        "DROP TABLE \"PowerQTK090&180GN5\";\n"
        "CREATE TABLE \"PowerQTK090&180GN5\" (\"LWT\" REAL, \"30OAT\", \"40OAT\");\n"
        "INSERT INTO \"PowerQTK090&180GN5\" VALUES (7, 1, 1);\n";
    FilledList run(grid);
    run.set(kCoolingAmbientEdit, "20");
    EXPECT_EQ(run.run(), ListEffect::Kept);
    EXPECT_FALSE(run.endedByError());
    EXPECT_EQ(run.sink().take(), (Messages{{"JVT", "遇到不适当的参数。"}}));
    EXPECT_EQ(run.rows(), run.previousRows());
}

// A statement that fails before the walk (a grid or a unit table missing)
// is reported once, by the failed statement itself; the list stays.
TEST(RunFailures, FailedStatementBeforeTheWalkIsReportedOnce) {
    struct Case {
        const char* missingTable;
        const char* message;
    };
    const Case cases[] = {
        {"CapacityQSK_GV5", "no such table: CapacityQSK_GV5"},  // during the corrections
        {"ALL_Model_GV5", "no such table: ALL_Model_GV5"},      // the candidate query
    };
    for (const Case& c : cases) {
        FilledList run(std::string("DROP TABLE \"") + c.missingTable + "\";", "BREXAL");
        run.page().clickScrew();
        EXPECT_EQ(run.run(), ListEffect::Kept) << c.missingTable;
        EXPECT_TRUE(run.endedByError()) << c.missingTable;
        EXPECT_EQ(run.sink().take(), (Messages{{"JVT", c.message}})) << c.missingTable;
        EXPECT_EQ(run.rows(), run.previousRows()) << c.missingTable;
    }
}

// Performance ratios that scale the ratings beyond the range of a real (here
// a fouling factor of 1e308, or twice that) leave no figure to show: the run
// ends with a message naming the duty point and the list stays.
TEST(RunFailures, PerformanceRatioBeyondTheRangeOfARealKeepsTheList) {
    // Fouling 0.044: cooling power × 1e308; fouling 0.06: × 1e305; fouling
    // 0.086: heating capacity × 1e308.
    const std::string hugeFactors =
        "INSERT INTO Dirt VALUES (0.044, 1, 1e308, 1, 1);\n"
        "INSERT INTO Dirt VALUES (0.06, 1, 1e305, 1, 1);\n"
        "INSERT INTO Dirt VALUES (0.086, 1, 1, 1e308, 1);\n";
    struct Case {
        bool heatPump;
        const char* fouling;
        GridValues grids;
        const char* message;
    };
    const Case cases[] = {
        // the power ratio of the odd modules, 1e308: finite, but not the powers it scales
        {false, "0.044", {}, "No valid performance data at ambient 35.0 °C, leaving water 7.00 °C"},
        // the power ratio of the even modules, 2 × 1e308: not a finite number at all
        {false,
         "0.044",
         {{"PowerQTK090&180GN5", "2"}},
         "No valid performance data at ambient 35.0 °C, leaving water 7.00 °C"},
        // 1e305: one module of the largest rating (984 kW) stays finite, but a
        // unit of two such modules does not
        {false, "0.06", {}, "No valid performance data at ambient 35.0 °C, leaving water 7.00 °C"},
        // the heating capacity ratio, 1e308
        {true, "0.086", {}, "No valid performance data at ambient 7.0 °C, leaving water 45.00 °C"},
    };
    for (const Case& c : cases) {
        FilledList run(hugeFactors + kQhk150, "", c.grids);
        if (c.heatPump) run.page().clickScrew();
        run.set(kFoulingEdit, c.fouling);
        EXPECT_EQ(run.run(), ListEffect::Kept) << c.message;
        EXPECT_EQ(run.sink().take(), (Messages{{"JVT", c.message}}));
        EXPECT_EQ(run.rows(), run.previousRows()) << c.message;
    }
}

// The largest unit the catalogue knows is two modules of 984 kW: a ratio is
// usable while that unit's 1968 kW scaled by it is still a real, up to the
// last such ratio itself, and not one real beyond.
TEST(RunFailures, ARatioIsUsableWhileTheLargestUnitScaledByItIsAReal) {
    double last = std::numeric_limits<double>::max() / 1968.0;
    while (!std::isfinite(last * 1968.0)) last = std::nextafter(last, 0.0);
    while (std::isfinite(std::nextafter(last, INFINITY) * 1968.0)) last = std::nextafter(last, INFINITY);
    RecordingSink sink(SinkMode::Strict);
    EXPECT_TRUE(CheckUsableRatios(sink, 35, 7, {1.0, last, -last}));
    EXPECT_TRUE(sink.take().empty());
    const double beyond = std::nextafter(last, INFINITY);
    for (double ratio : {beyond, -beyond, std::nan("")}) {
        EXPECT_FALSE(CheckUsableRatios(sink, 35, 7, {1.0, ratio})) << ratio;
        EXPECT_EQ(sink.take(),
                  (Messages{{"JVT", "No valid performance data at ambient 35.0 °C, leaving water 7.00 °C"}}));
    }
}

// A rated figure of a unit row whose number is beyond the range of a real is
// read as a field that holds no number: the walk ends with "Read data Error".
TEST(RunFailures, RatedFigureBeyondTheRangeOfARealEndsTheWalk) {
    RunFixture run(std::string(kQtk130) +
                   "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK131GN5-LQE', '1', 459.2, '1e999x', 22.07, "
                   "'11.04-33.11', '61.8', '22.07');\n");
    EXPECT_EQ(run.run(), ListEffect::Replaced);
    EXPECT_TRUE(run.endedByError());
    EXPECT_EQ(
        run.sink().take(),
        (Messages{{"JVT", "Read data Error:The field \"Power\" holds \"1e999x\", which is not a number."}}));
    ASSERT_EQ(run.page().results().rowCount(), 1);
    EXPECT_EQ(run.page().results().cell(0, column::kModel), "QTK130GN5-LQE");
}

// An error while the candidates are walked ends the run at once: the rows so
// far stay with their records, the rejected units go unreported.
TEST(RunFailures, DatabaseErrorDuringTheWalkKeepsTheRowsSoFar) {
    RunFixture run(
        std::string(kQtk130) +
        "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK131GN5-LQE', '1', 459.2, 135.5, 22.07, '1-2', "
        "'61.8', '22.07');\n"
        "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK132GN5-LQE', '1', 459.2, 135.5, NULL, "
        "'11.04-33.11', '61.8', '22.07');\n");
    EXPECT_EQ(run.run(), ListEffect::Replaced);
    EXPECT_EQ(run.sink().take(),
              (Messages{{"JVT", "Read data Error:The field \"Flow_7\" is empty (NULL), not a number."}}));
    ASSERT_EQ(run.page().results().rowCount(), 1);
    EXPECT_EQ(run.rows()[0][column::kRecordId], "record");
}

// Units whose rows contradict the module table get no row and are named
// after the run's other closing messages.
TEST(RunFailures, InconsistentUnitsAreNamedLast) {
    RunFixture run(std::string(kQtk130) +
                   // module 7 does not exist in the QTK table
                   "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK888GN5-LQE', '7', 459.2, 135.5, 22.07, "
                   "'11.04-33.11', '61.8', '22.07');\n"
                   // two drops for a unit of one module
                   "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK889GN5-LQE', '1', 459.2, 135.5, 22.07, "
                   "'11.04-33.11', '45.3/61.8', '14.91/22.07');\n"
                   // no module at all
                   "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK890GN5-LQE', NULL, 459.2, 135.5, 22.07, "
                   "'11.04-33.11', '61.8', '22.07');\n"
                   "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK900GN5-LQE', '1', 459.2, 135.5, 22.07, "
                   "'1-2', '61.8', '22.07');\n");
    EXPECT_EQ(run.run(), ListEffect::Replaced);
    EXPECT_EQ(run.sink().take(),
              (Messages{{"JVT", "QTK900GN5-LQE:Water flow is beyond range"},
                        {"JVT", "QTK888GN5-LQE,QTK889GN5-LQE,QTK890GN5-LQE:Model data is inconsistent"}}));
    ASSERT_EQ(run.page().results().rowCount(), 1);
    EXPECT_EQ(run.page().results().cell(0, column::kModel), "QTK130GN5-LQE");
}

// No cell may show an infinite flow or inlet: a zero temperature difference
// (not checked off the rating point) or an entered flow of 0 rejects the unit
// with the flow-range rejections.
TEST(RunFailures, NonFiniteFlowOrInletRejectsTheUnit) {
    const Messages rejected{{"JVT", "QTK130GN5-LQE:Water flow is beyond range"}};

    RunFixture sameInletAndOutlet(kQtk130);
    sameInletAndOutlet.set(kCoolingAmbientEdit, "36");
    sameInletAndOutlet.set(kCoolingInletEdit, "7");
    EXPECT_EQ(sameInletAndOutlet.run(), ListEffect::Replaced);
    EXPECT_EQ(sameInletAndOutlet.sink().take(), rejected);
    EXPECT_EQ(sameInletAndOutlet.page().results().rowCount(), 0);

    RunFixture zeroFlow(kQtk130);
    zeroFlow.enterCoolingFlow("0");
    EXPECT_EQ(zeroFlow.run(), ListEffect::Replaced);
    EXPECT_EQ(zeroFlow.sink().take(), rejected);
    EXPECT_EQ(zeroFlow.page().results().rowCount(), 0);
}

// A window that cannot show its first message box: the error it raises
// stands for any failure inside a run that is none of the program's own.
class FirstBoxFails : public MessageSink {
public:
    void show(const std::string& text, const std::string& caption) override {
        if (!failed_) {
            failed_ = true;
            throw std::runtime_error("the window could not show a message box");
        }
        shown.push_back({caption, text});
    }

    Messages shown;

private:
    bool failed_ = false;
};

// Nothing a run raises escapes it. Before the walk (here the box of an empty
// band) the list stays; during the walk (here the box of a pressure-drop
// factor that cannot be read, after a first row) the rows so far stay. Both
// end with the error as a message and count as a run an error ended.
TEST(RunFailures, AnyErrorEndsTheRunAsAMessage) {
    // A two-module unit whose module flows are too small to need a drop
    // factor, then a one-module unit that does, from a table without it.
    FixtureDatabase fixture(SelectionDatabaseSql() +
                            "DROP TABLE WaterPD;\n"
                            "CREATE TABLE WaterPD (Flow REAL, Other REAL);\n"
                            "INSERT INTO WaterPD VALUES (0.3, 0.3), (1.5, 1.5);\n"
                            "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK100GN5-LQE', '0+1', 769.3, 228.6, "
                            "36.98, '1-100', '45.3/61.8', '1e9/1e9');\n" +
                            kQtk130);
    struct Case {
        const char* name;
        const char* capacity;
        ListEffect effect;
        std::vector<std::string> models;
    };
    const Case cases[] = {
        {"before the walk", "5000", ListEffect::Kept, {"QTK100GN5-LQE"}},
        {"during the walk", "600", ListEffect::Replaced, {"QTK100GN5-LQE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FirstBoxFails window;
        PerformanceDatabase db(window);
        ASSERT_TRUE(db.OpenDatabase(fixture.path()));
        SelectionPage page(DecodeLaunchText(""), window);
        // A first run lists the two-module unit alone, without a message.
        page.setEditText(kCoolingCapacityEdit, "770");
        page.setEditText(kToleranceEdit, "5");
        ASSERT_EQ(RunSelection(page, db).list, ListEffect::Replaced);
        ASSERT_EQ(page.results().rowCount(), 1);
        page.setEditText(kCoolingCapacityEdit, c.capacity);
        page.setEditText(kToleranceEdit, "30");

        const RunOutcome outcome = RunSelection(page, db);
        EXPECT_EQ(outcome.list, c.effect);
        EXPECT_TRUE(outcome.endedByError);
        EXPECT_EQ(window.shown, (Messages{{"JVT", "the window could not show a message box"}}));
        std::vector<std::string> models;
        for (int r = 0; r < page.results().rowCount(); ++r)
            models.push_back(page.results().cell(r, column::kModel));
        EXPECT_EQ(models, c.models);
    }
}

}  // namespace
}  // namespace keld::test

// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "db/performance_database.h"
#include "selection/page/selection_page.h"
#include "selection/run_selection.h"
#include "support/fixture_database.h"
#include "support/recording_sink.h"

namespace keld::test {

// A cell of a performance grid that differs from the grid's uniform value.
struct GridCell {
    std::string lwt;   // the row's LWT as SQL ("7")
    std::string oat;   // the column's OAT text ("35")
    std::string text;  // the cell as stored ("0" marks no data)
};

// One performance grid with every cell `value`, except `cells`. Its rows
// cover LWT −8 … 55 °C and its columns OAT −15 … 50 °C, including the rating
// points (7 and 45 °C water, 7 and 35 °C ambient).
std::string GridSql(const std::string& table, const std::string& value,
                    const std::vector<GridCell>& cells = {});

// Grid values of a fixture, by table name; the grids not named hold 1.
using GridValues = std::map<std::string, std::string>;

// Every correction table, with factors of exactly 1 at altitude 0, fouling
// 0.018 and water, and simple other rows (see selection_fixture.cpp); the drop
// tables give back the flow ratio itself ("WaterPD_GV5" column Conference2
// twice the ratio). Then the ten grids and the three (empty) unit tables.
std::string SelectionDatabaseSql(const GridValues& grids = {});

// A page over a fixture database: the SQL of SelectionDatabaseSql() plus the
// test's own unit rows and table changes, a strict recording sink (a test
// takes every message it expects) and a page started with `launchText`.
class RunFixture {
public:
    explicit RunFixture(const std::string& extraSql, const std::string& launchText = "",
                        const GridValues& grids = {});

    SelectionPage& page() { return page_; }
    PerformanceDatabase& db() { return db_; }
    RecordingSink& sink() { return sink_; }

    void set(int editId, const std::string& text) { page_.setEditText(editId, text); }
    // Makes the flow the entered value of the cooling (or heating) circuit.
    void enterCoolingFlow(const std::string& flow);
    void enterHeatingFlow(const std::string& flow);

    ListEffect run() {
        lastOutcome_ = RunSelection(page_, db_);
        return lastOutcome_.list;
    }
    // Whether an error ended the last run.
    bool endedByError() const { return lastOutcome_.endedByError; }

    // The rows of the list; column 20 replaced by "record" when it names the
    // row's record, so that expected rows can be written as text.
    std::vector<ResultTable::Row> rows();

private:
    FixtureDatabase fixture_;
    RecordingSink sink_{SinkMode::Strict};
    PerformanceDatabase db_;
    SelectionPage page_;
    RunOutcome lastOutcome_{ListEffect::Kept};
};

// A row of 22 cells: column 0 and the cells given by column, the rest empty,
// column 20 "record".
ResultTable::Row ExpectedRow(const std::string& model, const std::map<int, std::string>& cells);

}  // namespace keld::test

namespace keld {
// Lets test failures name the list effect instead of its bytes.
void PrintTo(ListEffect effect, std::ostream* out);
}  // namespace keld

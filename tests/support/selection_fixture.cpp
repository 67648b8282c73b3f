// SPDX-License-Identifier: MIT
#include "support/selection_fixture.h"

#include <stdexcept>

#include "selection/launch_parameters.h"
#include "selection/page/page_controls.h"

namespace keld::test {
namespace {

const std::vector<std::string> kGridLwts{"-8", "2", "4", "7", "10", "15", "20", "35", "45", "55"};
const std::vector<std::string> kGridOats{"-15", "-10", "-8", "5",  "7",  "25",
                                         "30",  "35",  "36", "44", "46", "50"};

const std::vector<std::string> kGridTables{
    "CapacityQTK090&180GN5", "PowerQTK090&180GN5", "CapcityQTK130&260GN5", "PowerQTK130&260GN5",
    "CapacityQHK",           "PowerQHK",           "CapacityQHK_H",        "PowerQHK_H",
    "CapacityQSK_GV5",       "PowerQSK_GV5",
};

// Factors of 1 at the page's defaults (altitude 0, fouling 0.018, water),
// round numbers elsewhere. The drop tables are linear: the factor is the
// flow ratio itself, so a drop is the nominal drop times the ratio.
constexpr const char* kCorrectionTables = R"sql(
CREATE TABLE "High" ("Highth" REAL, "Capacity" REAL, "PowerC" REAL, "HotCapacity" REAL, "PowerH" REAL);
INSERT INTO "High" VALUES (0, 1, 1, 1, 1);
INSERT INTO "High" VALUES (1000, 0.95, 1.04, 0.96, 1.03);
INSERT INTO "High" VALUES (2000, 0.9, 1.08, 0.92, 1.06);
CREATE TABLE "Dirt" ("Dirt" REAL, "Capacity" REAL, "PowerC" REAL, "HotCapacity" REAL, "PowerH" REAL);
INSERT INTO "Dirt" VALUES (0, 1.01, 0.99, 1.01, 0.99);
INSERT INTO "Dirt" VALUES (0.018, 1, 1, 1, 1);
INSERT INTO "Dirt" VALUES (0.132, 0.95, 1.05, 0.96, 1.04);
CREATE TABLE "Fluid" ("Concertration" REAL, "Capacity" REAL, "PowerC" REAL, "HotCapacity" REAL, "PowerH" REAL, "WaterPD" REAL, "Flow" REAL);
INSERT INTO "Fluid" VALUES (0, 1, 1, 1, 1, 1, 1);
INSERT INTO "Fluid" VALUES (10, 0.99, 1, 0.99, 1, 1.05, 1.02);
INSERT INTO "Fluid" VALUES (20, 0.98, 1.01, 0.97, 1.02, 1.1, 1.05);
INSERT INTO "Fluid" VALUES (50, 0.9, 1.05, 0.9, 1.05, 1.3, 1.2);
CREATE TABLE "waterTem" ("waterout" REAL, "Capacity" REAL, "Power" REAL);
INSERT INTO "waterTem" VALUES (-8, 0.8, 0.9);
INSERT INTO "waterTem" VALUES (2, 0.9, 0.95);
INSERT INTO "waterTem" VALUES (4, 1, 1);
INSERT INTO "waterTem" VALUES (15, 1, 1);
CREATE TABLE "WaterPD" ("Flow" REAL, "Conference" REAL);
INSERT INTO "WaterPD" VALUES (0.3, 0.3);
INSERT INTO "WaterPD" VALUES (0.5, 0.5);
INSERT INTO "WaterPD" VALUES (1, 1);
INSERT INTO "WaterPD" VALUES (1.3, 1.3);
INSERT INTO "WaterPD" VALUES (1.5, 1.5);
CREATE TABLE "WaterPD2" ("Flow" REAL, "Conference" REAL);
INSERT INTO "WaterPD2" SELECT * FROM "WaterPD";
CREATE TABLE "WaterPD_GV5" ("Flow" REAL, "Conference" REAL, "Conference2" REAL);
INSERT INTO "WaterPD_GV5" SELECT "Flow", "Conference", 2 * "Conference" FROM "WaterPD";
)sql";

constexpr const char* kUnitTables = R"sql(
CREATE TABLE "ALL_Model" ("Type" INTEGER, "Refrig" INTEGER, "Version" INTEGER, "Recycle" INTEGER, "ModelName" TEXT, "Connect" TEXT, "capacity" REAL, "Power" REAL, "Flow_7" REAL, "FlowRange_C" TEXT, "WaterPress" TEXT, "Flow_Tow" TEXT);
CREATE TABLE "ALL_Model_qhk" ("Type" INTEGER, "Refrig" INTEGER, "Version" INTEGER, "Recycle" INTEGER, "ModelName" TEXT, "Connect" TEXT, "capacity" REAL, "capacity7" REAL, "Power7" REAL, "Flow_7" REAL, "Flow_7H" REAL, "FlowRange_C" TEXT, "WaterPress" TEXT, "Flow_Tow" TEXT);
CREATE TABLE "ALL_Model_GV5" ("Centre" INTEGER, "Type" INTEGER, "Refrig" INTEGER, "Version" INTEGER, "Recycle" INTEGER, "ModelName" TEXT, "Connect" TEXT, "capacity" REAL, "capacity7" REAL, "Power7" REAL, "Flow_7" REAL, "FlowRange_C" TEXT, "WaterPress" TEXT, "Flow_Tow" TEXT);
)sql";

std::string CellFor(const std::string& lwt, const std::string& oat, const std::string& value,
                    const std::vector<GridCell>& cells) {
    for (const GridCell& cell : cells) {
        if (cell.lwt == lwt && cell.oat == oat) return "'" + cell.text + "'";
    }
    return value;
}

}  // namespace

std::string GridSql(const std::string& table, const std::string& value, const std::vector<GridCell>& cells) {
    std::string sql = "CREATE TABLE \"" + table + "\" (\"LWT\" REAL";
    for (const std::string& oat : kGridOats) sql += ", \"" + oat + "OAT\"";
    sql += ");\n";
    for (const std::string& lwt : kGridLwts) {
        sql += "INSERT INTO \"" + table + "\" VALUES (" + lwt;
        for (const std::string& oat : kGridOats) sql += ", " + CellFor(lwt, oat, value, cells);
        sql += ");\n";
    }
    return sql;
}

std::string SelectionDatabaseSql(const GridValues& grids) {
    std::string sql = kCorrectionTables;
    for (const std::string& table : kGridTables) {
        auto value = grids.find(table);
        sql += GridSql(table, value != grids.end() ? value->second : "1");
    }
    return sql + kUnitTables;
}

RunFixture::RunFixture(const std::string& extraSql, const std::string& launchText, const GridValues& grids)
    : fixture_(SelectionDatabaseSql(grids) + extraSql),
      db_(sink_),
      page_(DecodeLaunchText(launchText), sink_) {
    if (!db_.OpenDatabase(fixture_.path())) throw std::runtime_error("fixture database does not open");
}

void RunFixture::enterCoolingFlow(const std::string& flow) {
    page_.focusField(kCoolingFlowEdit);
    page_.setEditText(kCoolingFlowEdit, flow);
}

void RunFixture::enterHeatingFlow(const std::string& flow) {
    page_.focusField(kHeatingFlowEdit);
    page_.setEditText(kHeatingFlowEdit, flow);
}

std::vector<ResultTable::Row> RunFixture::rows() {
    const ResultTable& table = page_.results();
    std::vector<ResultTable::Row> rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        ResultTable::Row row = table.row(r);
        const ModelResult* record = table.recordOfRow(r);
        if (record != nullptr && record->modelName == row[column::kModel]) row[column::kRecordId] = "record";
        rows.push_back(row);
    }
    return rows;
}

ResultTable::Row ExpectedRow(const std::string& model, const std::map<int, std::string>& cells) {
    ResultTable::Row row;
    row[column::kModel] = model;
    for (const auto& [index, text] : cells) row[static_cast<std::size_t>(index)] = text;
    row[column::kRecordId] = "record";
    return row;
}

}  // namespace keld::test

namespace keld {

void PrintTo(ListEffect effect, std::ostream* out) {
    switch (effect) {
        case ListEffect::Replaced:
            *out << "Replaced";
            return;
        case ListEffect::Kept:
            *out << "Kept";
            return;
        case ListEffect::Cleared:
            *out << "Cleared";
            return;
    }
}

}  // namespace keld

// SPDX-License-Identifier: MIT
// A datasheet whose figures the database cannot give is never taken for a
// whole one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datasheet_fixture.h"

namespace keld {
namespace {

const std::vector<std::string> kExcelNewColumns = {
    "ModelName",   "Flow7",       "Std_capacity7", "Std_Power7",     "WaterResistance",
    "Size",        "FanNum",      "Fan",           "FanPower",       "CompressorType",
    "Num",         "Quality",     "OnQuality",     "LengthWideHigh", "Noise",
    "PowerSupply", "RateCurrent", "SafeCurrent"};
const std::vector<std::string> kPartLoadColumns = {"ModelName", "load", "capacity", "power", "COP",
                                                   "OAT",       "LWT",  "flow",     "IPLV"};

// The statements that take one column out of a fixture table; the engine
// has no DROP COLUMN.
std::string WithoutColumn(const std::string& table, const std::vector<std::string>& columns,
                          const std::string& dropped) {
    std::string kept;
    for (const std::string& column : columns) {
        if (column != dropped) kept += (kept.empty() ? "" : ", ") + column;
    }
    return "CREATE TABLE Kept AS SELECT " + kept + " FROM " + table + "; DROP TABLE " + table +
           "; ALTER TABLE Kept RENAME TO " + table + ";";
}

// A table or column of the sheet missing: the sheet is drawn to its end,
// the failure is shown once, and the sheet is not complete.
TEST(DatasheetDatabaseFailures, EachIsShownOnceAndLeavesTheSheetIncomplete) {
    const struct {
        std::string change;
        int partLoadStandard;  // 0 AHRI, 1 GB
        const char* message;
    } cases[] = {
        {WithoutColumn("EXCEL_NEW", kExcelNewColumns, "ModelName"), 0, "no such column: ModelName"},
        {WithoutColumn("EXCEL_NEW", kExcelNewColumns, "Std_Power7"), 0,
         "The result has no field named \"Std_Power7\"."},
        {WithoutColumn("EXCEL_NEW", kExcelNewColumns, "Noise"), 0,
         "The result has no field named \"Noise\"."},
        {WithoutColumn("QSK_QHK_R134a_AHRI", kPartLoadColumns, "IPLV"), 0,
         "The result has no field named \"IPLV\"."},
        {WithoutColumn("QSK_QHK_R134a_AHRI", kPartLoadColumns, "load"), 0,
         "The result has no field named \"load\"."},
        {"DROP TABLE QSK_QHK_R134a_GB;", 1, "no such table: QSK_QHK_R134a_GB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        test::DatasheetRig rig(std::string(test::kDatasheetTablesSql) + c.change);
        DatasheetInputs inputs = test::CentrifugalInputs();
        inputs.conditions.partLoadStandard = c.partLoadStandard;
        const ExportResult result = rig.write(inputs);
        EXPECT_EQ(result.status, ExportStatus::Written);
        EXPECT_FALSE(result.complete);
        EXPECT_EQ(rig.messages(), (std::vector<test::RecordingSink::Message>{{"JVT", c.message}}));
        EXPECT_TRUE(test::HasTextOnLine(rig.words(), 2, "2/2", 14));
    }
}

}  // namespace
}  // namespace keld

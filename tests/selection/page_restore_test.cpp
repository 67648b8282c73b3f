// SPDX-License-Identifier: MIT
// Marking a result row puts its stored inputs back on the page.
#include <gtest/gtest.h>

#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

void AddMarkedRow(SelectionPage& page, const ModelResult& stored) {
    ResultTable& table = page.results();
    const int row = table.rowCount();
    table.insertRow(row, stored.modelName);
    table.setCell(row, column::kRecordId, ResultTable::RecordIdText(table.createRecord()));
    *table.recordOfRow(row) = stored;
    table.markRow(row);
}

ModelResult CentrifugalRecord(const std::string& name) {
    ModelResult r;
    r.modelName = name;
    r.coolingAmbientTemp = 38;
    r.coolingInletTemp = 13.5f;
    r.coolingWaterFlow = 30.1234f;
    r.coolingOutletTemp = 8;
    r.tolerancePercent = 10;
    r.coolingCapacityRequired = 600;
    r.altitude = 250;
    r.foulingFactor = 0.044f;
    r.coolingFlowEntered = true;
    return r;
}

TEST(RowRestore, CentrifugalRowBringsBackTheCentrifugalChiller) {
    for (const char* name : {"QTK260GN5-LQE", "WOTA260GN5-LQE"}) {
        SCOPED_TRACE(name);
        test::RecordingSink sink{test::SinkMode::Strict};
        SelectionPage page(DecodeLaunchText(""), sink);
        page.clickScrew();
        page.setEditText(kHeatingAmbientEdit, "5");
        page.leaveField(kHeatingAmbientEdit);
        page.selectFluid(true);
        page.conditions().recoveryInletTemp = 60;
        page.writeControls();
        AddMarkedRow(page, CentrifugalRecord(name));

        page.RestoreInputsFromRow();
        EXPECT_TRUE(page.isChecked(kCentrifugalRadio));
        EXPECT_TRUE(page.isChecked(kChillersRadio));
        EXPECT_FALSE(page.isEnabled(kHeatPumpRadio));
        EXPECT_FALSE(page.fluidListShowsGlycol());
        EXPECT_EQ(page.editText(kCoolingAmbientEdit), "38");
        EXPECT_EQ(page.editText(kCoolingInletEdit), "13.5");
        EXPECT_EQ(page.editText(kCoolingFlowEdit), "30.12");  // the flow's leave rule ran
        EXPECT_EQ(page.editText(kCoolingOutletEdit), "8");
        EXPECT_EQ(page.editText(kToleranceEdit), "10");
        EXPECT_EQ(page.editText(kCoolingCapacityEdit), "600");
        EXPECT_EQ(page.editText(kAltitudeEdit), "250");
        EXPECT_EQ(page.editText(kFoulingEdit), "0.044");
        EXPECT_FALSE(page.isReadOnly(kCoolingFlowEdit));
        EXPECT_TRUE(page.isReadOnly(kCoolingInletEdit));
        EXPECT_EQ(page.editText(kRecoveryInletEdit), "50");
        EXPECT_EQ(page.editText(kRecoveryOutletEdit), "55");
        EXPECT_EQ(page.editText(kRecoveryFoulingEdit), "0.018");
        EXPECT_TRUE(page.isChecked(kRecoveryNoneRadio));
        EXPECT_FALSE(page.isEnabled(kRecoveryInletEdit));
        EXPECT_FALSE(page.isEnabled(kRecoveryFoulingEdit));
        EXPECT_EQ(page.editText(kHeatingAmbientEdit), "5");  // heating inputs untouched
        EXPECT_FALSE(page.isEnabled(kHeatingAmbientEdit));
        ASSERT_TRUE(page.readControls());
        EXPECT_TRUE(page.conditions().coolingFlowEntered);
        EXPECT_EQ(page.conditions().compressorType, 0);
        EXPECT_TRUE(sink.take().empty());
    }
}

ModelResult HeatPumpRecord(bool glycol) {
    ModelResult r = CentrifugalRecord("QHK300HN5-LE");
    r.coolingFlowEntered = false;
    r.heatingFlowEntered = true;
    r.heatingAmbientTemp = 5;
    r.heatingInletTemp = 41.25;
    r.heatingOutletTemp = 46;
    r.heatingWaterFlow = 20.56789;
    r.heatingCapacityRequired = 450;
    r.isWater = glycol ? 0 : 1;
    r.glycolPercent = glycol ? 25 : 0;
    return r;
}

TEST(RowRestore, ScrewRowWithGlycolBringsBackTheHeatPumpAndItsFluid) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    AddMarkedRow(page, HeatPumpRecord(true));

    page.RestoreInputsFromRow();
    EXPECT_TRUE(page.isChecked(kScrewRadio));
    EXPECT_TRUE(page.isChecked(kHeatPumpRadio));
    EXPECT_TRUE(page.fluidListShowsGlycol());
    EXPECT_TRUE(page.isEnabled(kGlycolEdit));
    EXPECT_EQ(page.editText(kGlycolEdit), "25");
    EXPECT_EQ(page.editText(kHeatingAmbientEdit), "5");
    EXPECT_EQ(page.editText(kHeatingInletEdit), "41.25");
    EXPECT_EQ(page.editText(kHeatingOutletEdit), "46");
    EXPECT_EQ(page.editText(kHeatingFlowEdit), "20.57");
    EXPECT_EQ(page.editText(kHeatingCapacityEdit), "450");
    EXPECT_EQ(page.editText(kCoolingAmbientEdit), "38");
    EXPECT_FALSE(page.isReadOnly(kHeatingFlowEdit));
    EXPECT_TRUE(page.isReadOnly(kHeatingInletEdit));
    EXPECT_TRUE(page.isReadOnly(kCoolingFlowEdit));
    EXPECT_FALSE(page.isReadOnly(kCoolingInletEdit));
    ASSERT_TRUE(page.readControls());
    EXPECT_TRUE(page.conditions().fluidIsGlycol);
    EXPECT_EQ(page.conditions().glycolPercent, 25);
    EXPECT_TRUE(page.conditions().heatingFlowEntered);
    EXPECT_FALSE(page.conditions().coolingFlowEntered);
}

TEST(RowRestore, ScrewRowOnWaterClearsTheGlycol) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText("BREXAL"), sink);
    page.clickScrew();
    page.selectFluid(true);
    page.setEditText(kGlycolEdit, "30");
    ModelResult stored = HeatPumpRecord(false);
    stored.modelName = "WOQ240GV5E";
    AddMarkedRow(page, stored);

    page.RestoreInputsFromRow();
    EXPECT_TRUE(page.isChecked(kChillersRadio));
    EXPECT_FALSE(page.fluidListShowsGlycol());
    EXPECT_FALSE(page.isEnabled(kGlycolEdit));
    EXPECT_EQ(page.editText(kGlycolEdit), "0");
    EXPECT_FALSE(page.isEnabled(kGbRadio));
}

TEST(RowRestore, NothingHappensWithoutAMarkedRowOrItsRecord) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    AddMarkedRow(page, CentrifugalRecord("QTK260GN5-LQE"));
    page.results().markRow(std::nullopt);
    page.RestoreInputsFromRow();
    EXPECT_EQ(page.editText(kCoolingAmbientEdit), "35");

    page.results().markRow(0);
    page.results().setCell(0, column::kRecordId, "");
    page.RestoreInputsFromRow();
    EXPECT_EQ(page.editText(kCoolingAmbientEdit), "35");

    page.results().setCell(0, column::kRecordId, "1");
    page.results().FreeResultRecords();
    page.RestoreInputsFromRow();
    EXPECT_EQ(page.editText(kCoolingAmbientEdit), "35");
}

}  // namespace
}  // namespace keld

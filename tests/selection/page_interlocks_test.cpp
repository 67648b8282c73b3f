// SPDX-License-Identifier: MIT
// What the option choices leave enabled and checked, per brand.
#include <gtest/gtest.h>

#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

const std::vector<int> kHeatingEdits = {kHeatingAmbientEdit, kHeatingInletEdit, kHeatingOutletEdit,
                                        kHeatingFlowEdit, kHeatingCapacityEdit};
const std::vector<int> kRecoveryEdits = {kRecoveryInletEdit, kRecoveryOutletEdit, kRecoveryFoulingEdit};

void ExpectEnabled(const SelectionPage& page, const std::vector<int>& ids, bool enabled) {
    for (int id : ids) EXPECT_EQ(page.isEnabled(id), enabled) << "control " << id;
}

// A new page starts at the rating duty: 500 kW within 15 %, 35 °C ambient
// and 12 → 7 °C chilled water, 7 °C ambient and 40 → 45 °C hot water, clean
// water at sea level with the standard fouling allowance.
TEST(PageInterlocks, NewPageShowsTheStartingDuty) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    const struct {
        int editId;
        const char* text;
    } edits[] = {
        {kCoolingCapacityEdit, "500"},
        {kToleranceEdit, "15"},
        {kHeatingCapacityEdit, "500"},
        {kCoolingAmbientEdit, "35"},
        {kCoolingInletEdit, "12"},
        {kCoolingFlowEdit, "22.07"},
        {kCoolingOutletEdit, "7"},
        {kHeatingAmbientEdit, "7"},
        {kHeatingInletEdit, "40"},
        {kHeatingFlowEdit, "22.07"},
        {kHeatingOutletEdit, "45"},
        {kRecoveryInletEdit, "50"},
        {kRecoveryOutletEdit, "55"},
        {kRecoveryFoulingEdit, "0.018"},
        {kGlycolEdit, "0"},
        {kFoulingEdit, "0.018"},
        {kAltitudeEdit, "0"},
    };
    for (const auto& e : edits) EXPECT_EQ(page.editText(e.editId), e.text) << "control " << e.editId;
    EXPECT_TRUE(page.isChecked(kStandardVersionRadio));
    EXPECT_TRUE(page.isChecked(kRecoveryNoneRadio));
    EXPECT_TRUE(sink.take().empty());
}

TEST(PageInterlocks, NewPageIsACentrifugalChillerOnWater) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    EXPECT_TRUE(page.isChecked(kCentrifugalRadio));
    EXPECT_TRUE(page.isChecked(kChillersRadio));
    EXPECT_FALSE(page.isChecked(kHeatPumpRadio));
    EXPECT_TRUE(page.isChecked(kR134aRadio));
    EXPECT_TRUE(page.isChecked(kStandardVersionRadio));
    EXPECT_TRUE(page.isChecked(kRecoveryNoneRadio));
    EXPECT_TRUE(page.isChecked(kAhriRadio));
    EXPECT_FALSE(page.fluidListShowsGlycol());
    ExpectEnabled(page,
                  {kHeatPumpRadio, kFluidList, kGlycolEdit, kR22Radio, kLowNoiseRadio, kRecoveryTotalRadio},
                  false);
    ExpectEnabled(page, kHeatingEdits, false);
    ExpectEnabled(page, kRecoveryEdits, false);
    ExpectEnabled(page, {kChillersRadio, kGbRadio, kCoolingAmbientEdit, kCoolingFlowEdit, kFoulingEdit},
                  true);
    EXPECT_TRUE(page.isReadOnly(kCoolingFlowEdit));
    EXPECT_TRUE(page.isReadOnly(kHeatingFlowEdit));
    EXPECT_TRUE(sink.take().empty());

    ASSERT_TRUE(page.readControls());
    const SelectionConditions& c = page.conditions();
    EXPECT_EQ(c.compressorType, 0);
    EXPECT_EQ(c.unitType, 0);
    EXPECT_EQ(c.refrigerant, 2);
    EXPECT_FALSE(c.fluidIsGlycol);
    EXPECT_FALSE(c.coolingFlowEntered);
    EXPECT_FLOAT_EQ(c.heatingWaterFlow, 22.07f);
}

TEST(PageInterlocks, FirstBrandScrewIsAHeatPump) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText("00"), sink);
    page.clickScrew();
    EXPECT_TRUE(page.isChecked(kScrewRadio));
    EXPECT_FALSE(page.isChecked(kCentrifugalRadio));
    EXPECT_TRUE(page.isChecked(kHeatPumpRadio));
    EXPECT_FALSE(page.isChecked(kChillersRadio));
    ExpectEnabled(page, {kChillersRadio, kGlycolEdit}, false);
    ExpectEnabled(page, {kHeatPumpRadio, kFluidList, kGbRadio}, true);
    ExpectEnabled(page, kHeatingEdits, true);
    ExpectEnabled(page, kRecoveryEdits, false);
    EXPECT_EQ(page.conditions().unitType, 1);

    page.clickChillers();  // disabled: nothing happens
    EXPECT_TRUE(page.isChecked(kHeatPumpRadio));
}

TEST(PageInterlocks, SecondBrandScrewIsAChillerWithAhriOnly) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText("BREXAL"), sink);
    page.clickStandard(1);
    ASSERT_TRUE(page.isChecked(kGbRadio));
    page.clickScrew();
    EXPECT_TRUE(page.isChecked(kChillersRadio));
    EXPECT_FALSE(page.isChecked(kHeatPumpRadio));
    ExpectEnabled(page, {kHeatPumpRadio, kGbRadio}, false);
    ExpectEnabled(page, {kChillersRadio, kFluidList}, true);
    ExpectEnabled(page, kHeatingEdits, false);
    EXPECT_TRUE(page.isChecked(kAhriRadio));
    EXPECT_FALSE(page.isChecked(kGbRadio));
    EXPECT_EQ(page.conditions().unitType, 0);
    EXPECT_EQ(page.conditions().partLoadStandard, 0);

    page.clickStandard(1);  // GB is disabled
    EXPECT_TRUE(page.isChecked(kAhriRadio));

    page.clickCentrifugal();
    EXPECT_TRUE(page.isEnabled(kGbRadio));
    EXPECT_FALSE(page.isEnabled(kFluidList));
    // Enabled again, either standard can be chosen, and back.
    page.clickStandard(1);
    EXPECT_TRUE(page.isChecked(kGbRadio));
    EXPECT_EQ(page.conditions().partLoadStandard, 1);
    page.clickStandard(0);
    EXPECT_TRUE(page.isChecked(kAhriRadio));
    EXPECT_FALSE(page.isChecked(kGbRadio));
    EXPECT_EQ(page.conditions().partLoadStandard, 0);
}

TEST(PageInterlocks, BackToCentrifugalDropsGlycolAndHeating) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    page.clickScrew();
    page.selectFluid(true);
    EXPECT_TRUE(page.isEnabled(kGlycolEdit));
    page.setEditText(kGlycolEdit, "25");
    ASSERT_TRUE(page.readControls());
    EXPECT_TRUE(page.conditions().fluidIsGlycol);

    page.clickCentrifugal();
    EXPECT_FALSE(page.fluidListShowsGlycol());
    EXPECT_EQ(page.editText(kGlycolEdit), "0");
    ExpectEnabled(page, {kGlycolEdit, kFluidList, kHeatPumpRadio}, false);
    ExpectEnabled(page, kHeatingEdits, false);
    EXPECT_TRUE(page.isChecked(kChillersRadio));
    ASSERT_TRUE(page.readControls());
    EXPECT_EQ(page.conditions().compressorType, 0);
    EXPECT_EQ(page.conditions().unitType, 0);
    EXPECT_FALSE(page.conditions().fluidIsGlycol);
}

TEST(PageInterlocks, ChoosingWaterDropsTheGlycolButNoTypedValue) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    page.clickScrew();
    page.selectFluid(true);
    page.setEditText(kGlycolEdit, "30");
    page.setEditText(kCoolingCapacityEdit, "640");  // typed, field not yet read

    page.selectFluid(false);
    EXPECT_FALSE(page.isEnabled(kGlycolEdit));
    EXPECT_EQ(page.editText(kGlycolEdit), "0");
    EXPECT_EQ(page.editText(kCoolingCapacityEdit), "640");
    EXPECT_EQ(page.conditions().glycolPercent, 0);
}

TEST(PageInterlocks, TheFluidListIsClosedToACentrifugalChiller) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    page.selectFluid(true);
    EXPECT_FALSE(page.fluidListShowsGlycol());
    EXPECT_FALSE(page.isEnabled(kGlycolEdit));
}

}  // namespace
}  // namespace keld

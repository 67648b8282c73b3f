// SPDX-License-Identifier: MIT
// Leaving a field: what the user sees afterwards, and what the record holds.
#include <gtest/gtest.h>

#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

struct LeaveCase {
    int controlId;
    const char* typed;
    const char* shown;
};

// A first-brand page on the screw heat pump, so that every real edit the
// user can reach is enabled.
class PageFields : public ::testing::Test {
protected:
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page{DecodeLaunchText(""), sink};
    void SetUp() override { page.clickScrew(); }
};

TEST_F(PageFields, LeavingAFieldNormalisesItsValue) {
    const LeaveCase cases[] = {
        {kFoulingEdit, "0.01", "0.018"},      // fouled but below the allowance: the allowance
        {kFoulingEdit, "0", "0"},             // clean stays clean
        {kFoulingEdit, "-1", "0"},            // negative counts as clean
        {kFoulingEdit, "0.04567", "0.0457"},  // three significant digits
        {kFoulingEdit, "0.0179", "0.018"},
        {kFoulingEdit, "0.132", "0.132"},
        // Either side of the allowance and of clean.
        {kFoulingEdit, "0.018", "0.018"},
        {kFoulingEdit, "0.0181", "0.0181"},
        {kFoulingEdit, "0.0001", "0.018"},
        {kFoulingEdit, "-0.0001", "0"},
        {kCoolingInletEdit, "12.345", "12.35"},
        {kCoolingInletEdit, "12.3", "12.3"},
        {kCoolingInletEdit, "12.125", "12.13"},  // an exact half hundredth rounds up
        // ... and so does a value less than 0.0000001 below one, not one further below.
        {kCoolingOutletEdit, "0.1249999", "0.13"},
        {kCoolingOutletEdit, "0.12499985", "0.12"},
        {kCoolingOutletEdit, "6.999", "7"},
        {kHeatingOutletEdit, "-3.456", "-3.46"},
        {kCoolingAmbientEdit, "35.05", "35"},  // 35.05 is 35.0499… in single precision
        {kCoolingAmbientEdit, "35.06", "35.1"},
        {kCoolingAmbientEdit, "-7.25", "-7.2"},
        {kHeatingAmbientEdit, "6.96", "7"},
        {kAltitudeEdit, "12.6", "13"},
        {kAltitudeEdit, "12.4", "12"},
        {kAltitudeEdit, "-0.4", "0"},
        {kCoolingFlowEdit, "22.0749", "22.07"},
        {kHeatingFlowEdit, "123.456", "123.5"},
        {kCoolingFlowEdit, "0.123456", "0.1235"},
        // Values a tenth or a hundredth of a step off the scale would take for
        // whole: 0.990099 × 10.1 and 0.939061 × 100.1 are whole in single
        // precision, ×10 and ×100 are not, so they are rounded.
        {kCoolingAmbientEdit, "0.990099", "1"},
        {kCoolingAmbientEdit, "1.919192", "1.9"},
        {kCoolingOutletEdit, "0.939061", "0.94"},
        {kCoolingOutletEdit, "0.960961", "0.96"},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.controlId) + " " + c.typed);
        page.focusField(c.controlId);
        page.setEditText(c.controlId, c.typed);
        page.leaveField(c.controlId);
        EXPECT_EQ(page.editText(c.controlId), c.shown);
    }
    EXPECT_TRUE(sink.take().empty());
}

TEST_F(PageFields, LeavingOneFieldTakesOverTheOthersUnchanged) {
    page.setEditText(kCoolingAmbientEdit, "35.05");
    page.setEditText(kCoolingCapacityEdit, "640");
    page.setEditText(kCoolingInletEdit, "12.345");
    page.leaveField(kCoolingInletEdit);
    EXPECT_EQ(page.editText(kCoolingInletEdit), "12.35");
    EXPECT_EQ(page.editText(kCoolingAmbientEdit), "35.05");
    EXPECT_EQ(page.editText(kCoolingCapacityEdit), "640");
    EXPECT_FLOAT_EQ(page.conditions().coolingInletTemp, 12.35f);
    EXPECT_FLOAT_EQ(page.conditions().coolingAmbientTemp, 35.05f);
    EXPECT_EQ(page.conditions().coolingCapacityRequired, 640);
}

TEST_F(PageFields, IntegerFieldsHaveNoLeaveRule) {
    page.setEditText(kToleranceEdit, "abc");
    page.leaveField(kToleranceEdit);
    EXPECT_EQ(page.editText(kToleranceEdit), "abc");
    EXPECT_TRUE(sink.take().empty());
}

TEST_F(PageFields, LeavingAFieldWithTextThatIsNoNumberRevertsIt) {
    page.setEditText(kAltitudeEdit, "120");
    page.setEditText(kCoolingAmbientEdit, "hot");
    page.setEditText(kCoolingOutletEdit, "8");
    page.leaveField(kCoolingAmbientEdit);
    EXPECT_EQ(sink.take(), (std::vector<test::RecordingSink::Message>{{"JVT", "请输入一个数字。"}}));
    EXPECT_EQ(page.editText(kAltitudeEdit), "120");  // read before the ambient
    EXPECT_EQ(page.editText(kCoolingAmbientEdit), "35");
    EXPECT_EQ(page.editText(kCoolingOutletEdit), "7");  // never read: reverted
}

TEST_F(PageFields, FocusChoosesWhichValueOfACircuitIsEntered) {
    EXPECT_TRUE(page.isReadOnly(kCoolingFlowEdit));
    EXPECT_FALSE(page.isReadOnly(kCoolingInletEdit));

    page.focusField(kCoolingFlowEdit);
    page.focusField(kHeatingFlowEdit);
    EXPECT_FALSE(page.isReadOnly(kCoolingFlowEdit));
    EXPECT_TRUE(page.isReadOnly(kCoolingInletEdit));
    ASSERT_TRUE(page.readControls());
    EXPECT_TRUE(page.conditions().coolingFlowEntered);
    EXPECT_TRUE(page.conditions().heatingFlowEntered);

    page.focusField(kCoolingInletEdit);
    ASSERT_TRUE(page.readControls());
    EXPECT_FALSE(page.conditions().coolingFlowEntered);
    EXPECT_TRUE(page.conditions().heatingFlowEntered);
    EXPECT_TRUE(page.isReadOnly(kCoolingFlowEdit));
}

TEST(PageFieldsDisabled, ADisabledEditTakesNoFocusAndNoLeaveRule) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);  // centrifugal: heating disabled
    page.focusField(kHeatingFlowEdit);
    EXPECT_TRUE(page.isReadOnly(kHeatingFlowEdit));
    page.setEditText(kHeatingAmbientEdit, "6.96");
    page.leaveField(kHeatingAmbientEdit);
    EXPECT_EQ(page.editText(kHeatingAmbientEdit), "6.96");
}

TEST(PageFieldsDisabled, UnknownEditIdsAreRefused) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    EXPECT_THROW(page.setEditText(kChillersRadio, "1"), std::out_of_range);
    EXPECT_THROW(page.editText(9999), std::out_of_range);
}

}  // namespace
}  // namespace keld

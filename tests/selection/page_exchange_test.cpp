// SPDX-License-Identifier: MIT
// Reading the edits into the record: what counts as a number, the prompt, and
// which fields a failed read has taken over.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "selection/page/page_controls.h"
#include "selection/page/page_edits.h"
#include "selection/page/selection_page.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

using Messages = std::vector<test::RecordingSink::Message>;

struct BadText {
    int controlId;
    const char* text;
    const char* prompt;
};

// The ambient (a real) and the cooling capacity (an integer) stand between
// the altitude, read first, and the outlet temperature, read after them.
TEST(PageExchange, TextThatIsNoNumberStopsTheRead) {
    const char* real = "请输入一个数字。";
    const char* integer = "请输入一个整数。";
    const BadText cases[] = {
        {kCoolingAmbientEdit, "12abc", real},
        {kCoolingAmbientEdit, "nan", real},
        {kCoolingAmbientEdit, "inf", real},
        {kCoolingAmbientEdit, "0x1A", real},
        {kCoolingAmbientEdit, "", real},
        {kCoolingAmbientEdit, "1e", real},
        {kCoolingAmbientEdit, "   ", real},
        {kCoolingAmbientEdit, "1 2", real},
        {kCoolingAmbientEdit, "12,5", real},
        {kCoolingAmbientEdit, "1e39", real},                  // beyond a float
        {kCoolingAmbientEdit, "3.402823466385289e38", real},  // the double just past the largest float
        {kCoolingAmbientEdit, "+-3", real},
        {kCoolingAmbientEdit, ".", real},
        {kCoolingCapacityEdit, "12.5", integer},
        {kCoolingCapacityEdit, "4294967296", integer},
        {kCoolingCapacityEdit, "2147483648", integer},
        {kCoolingCapacityEdit, "1e3", integer},
        {kCoolingCapacityEdit, "", integer},
        {kCoolingCapacityEdit, "+-5", integer},
        {kCoolingCapacityEdit, "0x10", integer},
    };
    for (const BadText& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.controlId));
        test::RecordingSink sink{test::SinkMode::Strict};
        SelectionPage page(DecodeLaunchText(""), sink);
        page.setEditText(kAltitudeEdit, "300");
        page.setEditText(c.controlId, c.text);
        page.setEditText(kCoolingOutletEdit, "9");

        EXPECT_FALSE(page.readControls());
        EXPECT_EQ(sink.take(), (Messages{{"JVT", c.prompt}}));
        EXPECT_FLOAT_EQ(page.conditions().altitude, 300);
        EXPECT_FLOAT_EQ(page.conditions().coolingAmbientTemp, 35);
        EXPECT_EQ(page.conditions().coolingCapacityRequired, 500);
        EXPECT_FLOAT_EQ(page.conditions().coolingOutletTemp, 7);
        EXPECT_EQ(page.editText(c.controlId), c.text);  // a read changes no text
    }
}

struct GoodText {
    int controlId;
    const char* text;
    double value;
};

TEST(PageExchange, NumbersMayHaveSignsExponentsAndSurroundingBlanks) {
    const GoodText cases[] = {
        {kCoolingAmbientEdit, " 12.5 ", 12.5},
        {kCoolingAmbientEdit, "\t-8", -8},
        {kCoolingAmbientEdit, "+3", 3},
        {kCoolingAmbientEdit, "1.5e1", 15},
        {kCoolingAmbientEdit, ".5", 0.5},
        {kCoolingAmbientEdit, "5.", 5},
        {kCoolingAmbientEdit, "-0", 0},
        {kCoolingAmbientEdit, "1e-50", 0},
        {kCoolingAmbientEdit, "-2e-56", 0},
        {kCoolingCapacityEdit, " 600\t", 600},
        {kCoolingCapacityEdit, "+7", 7},
        {kCoolingCapacityEdit, "-2147483648", -2147483648.0},
        {kCoolingCapacityEdit, "007", 7},
        // The largest float itself, and the reals next to zero.
        {kCoolingAmbientEdit, "3.4028234663852886e38", 3.4028234663852886e38},
        {kCoolingAmbientEdit, "1", 1},
        {kCoolingAmbientEdit, "-1", -1},
    };
    for (const GoodText& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " + std::to_string(c.controlId));
        test::RecordingSink sink{test::SinkMode::Strict};
        SelectionPage page(DecodeLaunchText(""), sink);
        page.setEditText(c.controlId, c.text);
        ASSERT_TRUE(page.readControls());
        EXPECT_TRUE(sink.take().empty());
        if (c.controlId == kCoolingCapacityEdit) {
            EXPECT_EQ(page.conditions().coolingCapacityRequired, c.value);
        } else {
            EXPECT_FLOAT_EQ(page.conditions().coolingAmbientTemp, static_cast<float>(c.value));
            // A zero is stored without its sign: the record never holds -0.
            EXPECT_EQ(std::signbit(page.conditions().coolingAmbientTemp), std::signbit(c.value));
        }
    }
}

TEST(PageExchange, WriteShowsRealsWithSixSignificantDigits) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    EXPECT_EQ(page.editText(kCoolingAmbientEdit), "35");
    EXPECT_EQ(page.editText(kFoulingEdit), "0.018");
    EXPECT_EQ(page.editText(kCoolingFlowEdit), "22.07");
    EXPECT_EQ(page.editText(kCoolingCapacityEdit), "500");
    EXPECT_EQ(page.editText(kRecoveryOutletEdit), "55");

    page.conditions().coolingAmbientTemp = 1234567.0f;
    page.conditions().coolingInletTemp = 0.000012345678f;
    page.conditions().altitude = -0.0f;
    page.conditions().coolingOutletTemp = 1;
    page.conditions().heatingOutletTemp = -1;
    page.writeControls();
    EXPECT_EQ(page.editText(kCoolingOutletEdit), "1");
    EXPECT_EQ(page.editText(kHeatingOutletEdit), "-1");
    EXPECT_EQ(page.editText(kCoolingAmbientEdit), "1.23457e+06");
    EXPECT_EQ(page.editText(kCoolingInletEdit), "1.23457e-05");
    EXPECT_EQ(page.editText(kAltitudeEdit), "0");
}

// A radio field is the index of the checked radio of its group. An index
// that names no radio leaves the whole group unchecked, and a group with
// none checked reads as -1; the first and the last radio read back as
// themselves.
TEST(PageExchange, ARadioGroupWithNoneCheckedReadsAsMinusOne) {
    struct RadioField {
        std::int32_t SelectionConditions::*field;
        int firstRadio;
        int radios;
    };
    const RadioField fields[] = {
        {&SelectionConditions::unitType, kChillersRadio, 2},
        {&SelectionConditions::refrigerant, kR22Radio, 3},
        {&SelectionConditions::version, kStandardVersionRadio, 3},
        {&SelectionConditions::recoveryMode, kRecoveryNoneRadio, 3},
        {&SelectionConditions::compressorType, kCentrifugalRadio, 2},
        {&SelectionConditions::partLoadStandard, kAhriRadio, 2},
    };
    for (const RadioField& f : fields) {
        for (int index : {-1, 0, f.radios - 1, f.radios}) {
            SCOPED_TRACE(testing::Message() << "radio " << f.firstRadio << ", index " << index);
            test::RecordingSink sink{test::SinkMode::Strict};
            SelectionPage page(DecodeLaunchText(""), sink);
            page.conditions().*f.field = index;
            page.writeControls();
            const auto group = RadioGroupOf(f.firstRadio);
            ASSERT_EQ(group.size(), static_cast<std::size_t>(f.radios));
            for (int i = 0; i < f.radios; ++i) EXPECT_EQ(page.isChecked(group[i]), i == index) << i;
            page.conditions().*f.field = 7;
            EXPECT_TRUE(page.readControls());
            EXPECT_EQ(page.conditions().*f.field, index >= 0 && index < f.radios ? index : -1);
        }
    }
}

// The radio groups of the compressor type and the standard are read after
// every edit: a failed read leaves them as they were in the record.
TEST(PageExchange, RadiosReadAfterAFailingEditAreNotTakenOver) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    page.setEditText(kToleranceEdit, "ten");
    page.clickStandard(1);
    EXPECT_EQ(sink.take(), (Messages{{"JVT", "请输入一个整数。"}}));
    EXPECT_TRUE(page.isChecked(kGbRadio));
    EXPECT_EQ(page.conditions().partLoadStandard, 0);
    page.setEditText(kToleranceEdit, "10");
    page.clickStandard(1);
    EXPECT_EQ(page.conditions().partLoadStandard, 1);
    EXPECT_EQ(page.conditions().tolerancePercent, 10);
}

}  // namespace
}  // namespace keld

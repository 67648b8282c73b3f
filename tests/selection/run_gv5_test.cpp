// SPDX-License-Identifier: MIT
// Whole GV5 screw chiller runs (screw compressor, second brand): module
// indexes up to 11, the second drop curve of the large units, the launch
// digit that hides units, the envelope pre-check.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "selection/page/page_controls.h"
#include "support/selection_fixture.h"

namespace keld::test {
namespace {

// QSK620 (10+3) has nominal flows apart from its modules' rated 45.0 and
// 29.0 L/s, so the drops show which flows were used.
constexpr const char* kGv5Units = R"sql(
INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK185GV5-LQE', '1', 467.0, 467.0, 155.9, 22.0, '11.00-33.00', '50.0', '22.0');
INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK215GV5-LQE', '2', 538.0, 538.0, 186.1, 26.0, '13.00-39.00', '60.0', '26.0');
INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK260GV5-LQE', '4', 649.0, 649.0, 208.0, 31.0, '15.50-46.50', '55.0', '31.0');
INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK325GV5-LQE', '7', 800.0, 800.0, 256.3, 38.0, '19.00-57.00', '60.0', '38.0');
INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK380GV5-LQE', '10', 947.6, 947.6, 302.5, 45.0, '22.50-67.50', '70.0', '45.0');
INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK390GV5-LQE', '11', 984.0, 984.0, 332.7, 47.0, '23.50-70.50', '70.0', '47.0');
INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK620GV5-LQE', '10+3', 1546.6, 1546.6, 510.6, 74.0, '40.00-120.00', '70.0/50.0', '50.0/25.0');
)sql";

struct Gv5Case {
    std::string name;
    std::string launch;
    std::map<int, std::string> edits;
    int glycolPercent = 0;  // > 0: the fluid is glycol
    std::optional<std::string> coolingFlow;
    ListEffect effect = ListEffect::Replaced;
    std::vector<RecordingSink::Message> messages;
    std::vector<ResultTable::Row> rows;
};

void PrintTo(const Gv5Case& c, std::ostream* out) { *out << c.name; }

// The large units at the default ambient and water temperatures, as several
// capacity bands and launch digits list them.
ResultTable::Row Woq325Row() {
    return ExpectedRow("WOQ325GV5-LQEE", {{1, "800.0"},
                                          {2, "256.3"},
                                          {3, "38.00"},
                                          {12, "800.0"},
                                          {13, "256.3"},
                                          {14, "12.00"},
                                          {15, "0"},
                                          {16, "60.0"},
                                          {17, "800.0"}});
}
ResultTable::Row Woq380Row() {
    return ExpectedRow("WOQ380GV5-LQEE", {{1, "947.6"},
                                          {2, "302.5"},
                                          {3, "45.00"},
                                          {12, "947.6"},
                                          {13, "302.5"},
                                          {14, "12.00"},
                                          {15, "0"},
                                          {16, "140"},
                                          {17, "947.6"}});
}
ResultTable::Row Woq390Row() {
    return ExpectedRow("WOQ390GV5-LQEE", {{1, "984.0"},
                                          {2, "332.7"},
                                          {3, "47.00"},
                                          {12, "984.0"},
                                          {13, "332.7"},
                                          {14, "12.00"},
                                          {15, "0"},
                                          {16, "70.0"},
                                          {17, "984.0"}});
}

class Gv5RunTest : public testing::TestWithParam<Gv5Case> {};

TEST_P(Gv5RunTest, FillsTheListAndReports) {
    const Gv5Case& c = GetParam();
    RunFixture run(kGv5Units, c.launch);
    run.page().clickScrew();
    if (c.glycolPercent > 0) {
        run.page().selectFluid(true);
        run.set(kGlycolEdit, std::to_string(c.glycolPercent));
    }
    for (const auto& [id, text] : c.edits) run.set(id, text);
    if (c.coolingFlow) run.enterCoolingFlow(*c.coolingFlow);

    EXPECT_EQ(run.run(), c.effect);
    EXPECT_EQ(run.sink().take(), c.messages);
    EXPECT_EQ(run.rows(), c.rows);
}

// Columns: 1 capacity, 2 power, 3 flow, 12/17 rated capacity, 13 rated
// power, 14 inlet, 15 altitude, 16 drop (3 significant digits).
INSTANTIATE_TEST_SUITE_P(
    Cases, Gv5RunTest,
    testing::Values(
        Gv5Case{"RatingPointShowsSecondBrandNames",
                "BREXAL",
                {},
                0,
                {},
                ListEffect::Replaced,
                {},
                {ExpectedRow("WOQ185GV5-LQEE", {{1, "467.0"},
                                                {2, "155.9"},
                                                {3, "22.00"},
                                                {12, "467.0"},
                                                {13, "155.9"},
                                                {14, "12.00"},
                                                {15, "0"},
                                                {16, "50.0"},
                                                {17, "467.0"}}),
                 ExpectedRow("WOQ215GV5-LQEE", {{1, "538.0"},
                                                {2, "186.1"},
                                                {3, "26.00"},
                                                {12, "538.0"},
                                                {13, "186.1"},
                                                {14, "12.00"},
                                                {15, "0"},
                                                {16, "60.0"},
                                                {17, "538.0"}})}},
        // The 380 unit reads "Conference2" (twice the ratio here); the unit
        // after it reads "Conference" again.
        Gv5Case{"SecondDropCurveOnlyForTheLargeUnits",
                "BREXAL",
                {{kCoolingCapacityEdit, "960"}},
                0,
                {},
                ListEffect::Replaced,
                {},
                {Woq380Row(), Woq390Row()}},
        // Launch digit 4 hides the units on modules 4, 7 and 10 without a word:
        // of 325 (7), 380 (10) and 390 (11) only the last is listed.
        Gv5Case{"SecondDigitFourHidesModules4_7And10",
                "04BREXAL",
                {{kCoolingCapacityEdit, "900"}},
                0,
                {},
                ListEffect::Replaced,
                {},
                {Woq390Row()}},
        Gv5Case{"SecondDigitFourLeavesTheListEmpty",
                "04BREXAL",
                {{kCoolingCapacityEdit, "650"}},
                0,
                {},
                ListEffect::Replaced,
                {},
                {}},
        // Any other digit hides nothing.
        Gv5Case{"OtherSecondDigitsHideNothing",
                "03BREXAL",
                {{kCoolingCapacityEdit, "900"}},
                0,
                {},
                ListEffect::Replaced,
                {},
                {Woq325Row(), Woq380Row(), Woq390Row()}},
        // Connect 10+3: QSK380 + QSK240, r4(947.6 + 599.0); the module drops at
        // the modules' rated flows 45.0/50.0 and 29.0/25.0.
        Gv5Case{"TwoModulesAtTheRatingPoint",
                "BREXAL",
                {{kCoolingCapacityEdit, "1550"}},
                0,
                {},
                ListEffect::Replaced,
                {},
                {ExpectedRow("WOQ620GV5-LQEE", {{1, "1547"},
                                                {2, "510.6"},
                                                {3, "74.00"},
                                                {12, "1547"},
                                                {13, "510.6"},
                                                {14, "12.00"},
                                                {15, "0"},
                                                {16, "63.0/58.0"},
                                                {17, "1547"}})}},
        // Glycol 20 %: the shown flow carries the flow factor 1.05, the module
        // flows of the drops (44.37 and 28.05 L/s) do not; drops × 1.1.
        Gv5Case{"GlycolTwoModules",
                "BREXAL",
                {{kCoolingCapacityEdit, "1550"}},
                20,
                {},
                ListEffect::Replaced,
                {},
                {ExpectedRow("WOQ620GV5-LQEE", {{1, "1516"},
                                                {2, "515.7"},
                                                {3, "76.03"},
                                                {12, "1547"},
                                                {13, "510.6"},
                                                {14, "12.00"},
                                                {15, "0"},
                                                {16, "68.3/61.7"},
                                                {17, "1547"}})}},
        Gv5Case{"FlowEnteredComputesTheInlets",
                "BREXAL",
                {},
                0,
                "20",
                ListEffect::Replaced,
                {},
                {ExpectedRow("WOQ185GV5-LQEE", {{1, "467.0"},
                                                {2, "155.9"},
                                                {3, "20.00"},
                                                {12, "467.0"},
                                                {13, "155.9"},
                                                {14, "12.58"},
                                                {15, "0"},
                                                {16, "45.5"},
                                                {17, "467.0"}}),
                 ExpectedRow("WOQ215GV5-LQEE", {{1, "538.0"},
                                                {2, "186.1"},
                                                {3, "20.00"},
                                                {12, "538.0"},
                                                {13, "186.1"},
                                                {14, "13.43"},
                                                {15, "0"},
                                                {16, "46.2"},
                                                {17, "538.0"}})}},
        // 125 − 2 × 46 = 33 < 33.5: stopped before the database is asked.
        Gv5Case{
            "EnvelopePreCheckKeepsTheList",
            "BREXAL",
            {{kCoolingAmbientEdit, "46"}, {kCoolingOutletEdit, "33.5"}},
            0,
            {},
            ListEffect::Kept,
            {{"JVT",
              "Cooling:When the Ambient temperature is 46.0 °C,the outlet temperature must be no more than "
              "33.00 °C."}},
            {}},
        Gv5Case{"NoSuitableModels",
                "BREXAL",
                {{kCoolingCapacityEdit, "100"}},
                0,
                {},
                ListEffect::Kept,
                {{"JVT", "No suitable models!"}},
                {}}),
    [](const testing::TestParamInfo<Gv5Case>& info) { return info.param.name; });

TEST(Gv5Run, RecordKeepsTheGlycolRun) {
    RunFixture run(kGv5Units, "BREXAL");
    run.page().clickScrew();
    run.page().selectFluid(true);
    run.set(kGlycolEdit, "20");
    run.set(kCoolingCapacityEdit, "1550");
    ASSERT_EQ(run.run(), ListEffect::Replaced);

    const ModelResult* record = run.page().results().recordOfRow(0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->modelName, "WOQ620GV5-LQEE");
    EXPECT_EQ(record->coolingWaterFlow, 76.03f);
    EXPECT_EQ(record->coolingInletTemp, 12.0f);
    EXPECT_EQ(record->glycolPercent, 20);
    EXPECT_EQ(record->isWater, 0);
    EXPECT_EQ(record->coolingCapacityRequired, 1550);
    // A chiller run stores no heating side, so marking its row puts zeros there.
    EXPECT_EQ(record->heatingAmbientTemp, 0.0);
    EXPECT_EQ(record->heatingOutletTemp, 0.0);
    EXPECT_EQ(record->heatingInletTemp, 0.0);
    EXPECT_EQ(record->heatingWaterFlow, 0.0);
    run.page().results().markRow(0);
    run.page().RestoreInputsFromRow();
    for (int id : {kHeatingAmbientEdit, kHeatingOutletEdit, kHeatingInletEdit}) {
        EXPECT_EQ(run.page().editText(id), "0") << id;
    }
}

// A chiller on water at 4 °C leaving water and above stays on water.
TEST(Gv5Run, RecordOfAWaterRun) {
    RunFixture run(kGv5Units, "BREXAL");
    run.page().clickScrew();
    run.set(kCoolingCapacityEdit, "1550");
    ASSERT_EQ(run.run(), ListEffect::Replaced);
    const ModelResult* record = run.page().results().recordOfRow(0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->glycolPercent, 0);
    EXPECT_EQ(record->isWater, 1);
}

// A leaving water below 4 °C switches the run to glycol (at least 10 % at
// 2 °C) before the corrections, and the run then uses the raised value.
TEST(Gv5Run, LowLeavingWaterRunsOnGlycol) {
    RunFixture run(kGv5Units, "1BREXAL");  // first digit 1: no notice
    run.page().clickScrew();
    run.set(kCoolingOutletEdit, "2");
    run.set(kCoolingInletEdit, "7");
    ASSERT_EQ(run.run(), ListEffect::Replaced);
    EXPECT_TRUE(run.sink().take().empty());
    ASSERT_GE(run.page().results().rowCount(), 1);
    EXPECT_EQ(run.page().results().recordOfRow(0)->glycolPercent, 10);
    EXPECT_EQ(run.page().results().recordOfRow(0)->isWater, 0);
}

// A one-module unit's drop factor is read at its flow ratio held to 0.3 …
// 1.5, though the table goes on: the nominal 50 kPa times 1.5 at 40 L/s
// (ratio 1.82) and times 0.3 at 5 L/s (ratio 0.23).
TEST(Gv5Run, DropFactorIsReadWithinItsFlowRatios) {
    struct Case {
        const char* enteredFlow;
        const char* drop;
    };
    for (const Case& c : {Case{"40", "75.0"}, Case{"5", "15.0"}, Case{"22", "50.0"}}) {
        SCOPED_TRACE(c.enteredFlow);
        RunFixture run(
            "INSERT INTO WaterPD_GV5 VALUES (2, 2, 4);\n"
            "INSERT INTO ALL_Model_GV5 VALUES (1, 0, 2, 0, 0, 'QSK185GV5-LQE', '1', 467.0, 467.0, 155.9, "
            "22.0, "
            "'5.00-60.00', '50.0', '22.0');\n",
            "BREXAL");
        run.page().clickScrew();
        run.enterCoolingFlow(c.enteredFlow);
        EXPECT_EQ(run.run(), ListEffect::Replaced);
        EXPECT_TRUE(run.sink().take().empty());
        ASSERT_EQ(run.page().results().rowCount(), 1);
        EXPECT_EQ(run.page().results().cell(0, column::kPressureDrop), c.drop);
    }
}

}  // namespace
}  // namespace keld::test

// SPDX-License-Identifier: MIT
// Whole QTK centrifugal chiller runs on a small database: options in, cells
// and messages out.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "selection/page/page_controls.h"
#include "support/selection_fixture.h"

namespace keld::test {
namespace {

// Nominal data as the shipped catalogue has it; the two-module unit's
// nominal flows differ from its modules' rated flows so that the drops show
// which flows were used.
constexpr const char* kQtkUnits = R"sql(
INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK090GN5-LQE', '0', 310.1, 93.1, 14.91, '7.46-22.37', '45.3', '14.91');
INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK130GN5-LQE', '1', 459.2, 135.5, 22.07, '11.04-33.11', '61.8', '22.07');
INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK180GN5-LQE', '2', 625.2, 182.7, 30.05, '15.03-45.08', '52.4', '30.05');
INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK220GN5-LQE', '0+1', 769.3, 228.6, 36.98, '18.49-55.47', '45.3/61.8', '16.00/20.00');
)sql";

struct QtkCase {
    std::string name;
    std::map<int, std::string> edits;
    std::optional<std::string> coolingFlow;  // entered flow, else the inlet is entered
    std::string launch;
    GridValues grids;
    std::vector<RecordingSink::Message> messages;
    std::vector<ResultTable::Row> rows;
};

void PrintTo(const QtkCase& c, std::ostream* out) { *out << c.name; }

class QtkRunTest : public testing::TestWithParam<QtkCase> {};

TEST_P(QtkRunTest, FillsTheListAndReports) {
    const QtkCase& c = GetParam();
    RunFixture run(kQtkUnits, c.launch, c.grids);
    for (const auto& [id, text] : c.edits) run.set(id, text);
    if (c.coolingFlow) run.enterCoolingFlow(*c.coolingFlow);

    EXPECT_EQ(run.run(), ListEffect::Replaced);
    EXPECT_EQ(run.sink().take(), c.messages);
    EXPECT_EQ(run.rows(), c.rows);
}

// Columns: 1 capacity, 2 power, 3 flow, 12/13 rated capacity/power, 14 inlet,
// 15 altitude, 16 pressure drop.
INSTANTIATE_TEST_SUITE_P(
    Cases, QtkRunTest,
    testing::Values(
        // 35 °C, 12 → 7 °C, uncorrected: the database's rated flow, the drop at ratio 1.
        QtkCase{"RatingPointUsesFlow7",
                {},
                {},
                "",
                {},
                {},
                {ExpectedRow("QTK130GN5-LQE", {{1, "459.2"},
                                               {2, "135.5"},
                                               {3, "22.07"},
                                               {12, "459.2"},
                                               {13, "135.5"},
                                               {14, "12.00"},
                                               {15, "0"},
                                               {16, "61.8"}})}},
        // The smallest unit is rated at 93.2 kW there, whatever its module table says.
        QtkCase{"RatingPointPowerOfQtk090",
                {{kCoolingCapacityEdit, "310"}},
                {},
                "",
                {},
                {},
                {ExpectedRow("QTK090GN5-LQE", {{1, "310.1"},
                                               {2, "93.20"},
                                               {3, "14.91"},
                                               {12, "310.1"},
                                               {13, "93.10"},
                                               {14, "12.00"},
                                               {15, "0"},
                                               {16, "45.3"}})}},
        // Two modules at the rating point: module drops at the modules' rated
        // flows, 14.91/16.00 and 22.07/20.00.
        QtkCase{"RatingPointTwoModuleDropsUseModuleTableFlows",
                {{kCoolingCapacityEdit, "770"}},
                {},
                "",
                {},
                {},
                {ExpectedRow("QTK220GN5-LQE", {{1, "769.3"},
                                               {2, "228.6"},
                                               {3, "36.98"},
                                               {12, "769.3"},
                                               {13, "228.6"},
                                               {14, "12.00"},
                                               {15, "0"},
                                               {16, "42.2/68.2"}})}},
        // Off the rating point the flow is the sum of the rounded module flows
        // 14.82 + 21.94, and the drops follow them.
        QtkCase{"TwoModulesOffTheRatingPoint",
                {{kCoolingCapacityEdit, "770"}, {kCoolingAmbientEdit, "30"}},
                {},
                "",
                {},
                {},
                {ExpectedRow("QTK220GN5-LQE", {{1, "769.3"},
                                               {2, "228.6"},
                                               {3, "36.76"},
                                               {12, "769.3"},
                                               {13, "228.6"},
                                               {14, "12.00"},
                                               {15, "0"},
                                               {16, "42.0/67.8"}})}},
        // Even modules (090) read the 090&180 grids, odd ones (130) the 130&260
        // grids; the band follows the 130&260 capacity ratio (700 / 0.9).
        QtkCase{"EvenAndOddModulesUseTheirOwnGrids",
                {{kCoolingCapacityEdit, "700"}, {kCoolingInletEdit, "13"}},
                {},
                "",
                {{"CapcityQTK130&260GN5", "0.9"},
                 {"PowerQTK130&260GN5", "1.1"},
                 {"CapacityQTK090&180GN5", "0.8"},
                 {"PowerQTK090&180GN5", "1.2"}},
                {},
                {ExpectedRow("QTK220GN5-LQE", {{1, "661.4"},
                                               {2, "260.8"},
                                               {3, "26.34"},
                                               {12, "769.3"},
                                               {13, "228.6"},
                                               {14, "13.00"},
                                               {15, "0"},
                                               {16, "28.0/50.9"}})}},
        // An entered flow gives the inlet: 7 + 459.2 × 0.86 / 20 / 3.6.
        QtkCase{"FlowEnteredComputesTheInlet",
                {},
                "20",
                "",
                {},
                {},
                {ExpectedRow("QTK130GN5-LQE", {{1, "459.2"},
                                               {2, "135.5"},
                                               {3, "20.00"},
                                               {12, "459.2"},
                                               {13, "135.5"},
                                               {14, "12.48"},
                                               {15, "0"},
                                               {16, "56.0"}})}},
        // Altitude 1000 m: capacity × 0.95, power × 1.04, band 500 / 0.95; the
        // second brand shows WOTA names.
        QtkCase{"AltitudeCorrectionAndSecondBrand",
                {{kAltitudeEdit, "1000"}},
                {},
                "BREXAL",
                {},
                {},
                {ExpectedRow("WOTA130GN5-LQE", {{1, "436.2"},
                                                {2, "140.9"},
                                                {3, "20.84"},
                                                {12, "459.2"},
                                                {13, "135.5"},
                                                {14, "12.00"},
                                                {15, "1000"},
                                                {16, "58.4"}})}},
        // 1.5 × 44 − 56 = 10 > 9: every candidate is outside the envelope.
        QtkCase{"EnvelopeRejectsEveryCandidate",
                {{kCoolingAmbientEdit, "44"}, {kCoolingOutletEdit, "9"}, {kCoolingInletEdit, "14"}},
                {},
                "",
                {},
                {{"JVT",
                  "When the Ambient temperature is more than 44.0 °C,the outlet temperature must be more "
                  "than 10.00 "
                  "°C"}},
                {}},
        // The limit itself is inside the envelope: 10 °C at 44 °C ambient.
        // Off the rating point the flow is 459.2 × 0.86 / 5 / 3.6 and the
        // drop 61.8 × 21.94 / 22.07.
        QtkCase{"EnvelopeLimitItselfIsAccepted",
                {{kCoolingAmbientEdit, "44"}, {kCoolingOutletEdit, "10"}, {kCoolingInletEdit, "15"}},
                {},
                "",
                {},
                {},
                {ExpectedRow("QTK130GN5-LQE", {{1, "459.2"},
                                               {2, "135.5"},
                                               {3, "21.94"},
                                               {12, "459.2"},
                                               {13, "135.5"},
                                               {14, "15.00"},
                                               {15, "0"},
                                               {16, "61.4"}})}},
        // 60 L/s exceeds both candidates' maximum.
        QtkCase{"FlowBeyondRangeNamesEveryUnit",
                {{kCoolingCapacityEdit, "700"}, {kToleranceEdit, "20"}},
                "60",
                "",
                {},
                {{"JVT", "QTK180GN5-LQE,QTK220GN5-LQE:Water flow is beyond range"}},
                {}}),
    [](const testing::TestParamInfo<QtkCase>& info) { return info.param.name; });

TEST(QtkRun, RecordKeepsTheInputsOfTheRow) {
    RunFixture run(kQtkUnits);
    run.set(kAltitudeEdit, "1000");
    run.enterCoolingFlow("20");
    ASSERT_EQ(run.run(), ListEffect::Replaced);

    const ModelResult* record = run.page().results().recordOfRow(0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->modelName, "QTK130GN5-LQE");
    EXPECT_EQ(record->coolingAmbientTemp, 35.0f);
    EXPECT_EQ(record->coolingOutletTemp, 7.0f);
    EXPECT_NEAR(record->coolingInletTemp, 7 + 436.2 * 0.86 / 20 / 3.6, 1e-5);
    EXPECT_EQ(record->coolingWaterFlow, 20.0f);
    EXPECT_EQ(record->altitude, 1000);
    EXPECT_EQ(record->foulingFactor, 0.018f);
    EXPECT_EQ(record->coolingCapacityRequired, 500);
    EXPECT_EQ(record->tolerancePercent, 15);
    EXPECT_TRUE(record->coolingFlowEntered);
    EXPECT_EQ(record->isWater, 1);
    EXPECT_EQ(record->heatingCapacityRequired, 500);  // not written by a chiller run
}

// The entered flow is compared as shown (4 significant digits), and the
// minimum with a slack of 0.0000005 that lets a minimum stored a hair above
// its shown value pass: the minimum itself passes, one step below does not.
TEST(QtkRun, EnteredFlowAtTheRangeMinimumIsAccepted) {
    struct Case {
        const char* minimum;
        const char* enteredFlow;
        bool accepted;
    };
    const Case cases[] = {
        {"15.2", "15.2", true},       {"15.2", "15.1996", true},  // shown as 15.20
        {"15.2000004", "15.2", true}, {"15.2000006", "15.2", false}, {"15.2", "15.19", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.minimum) + " " + c.enteredFlow);
        RunFixture run(
            std::string("INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK130GN5-LQE', '1', 459.2, 135.5, "
                        "22.07, '") +
            c.minimum + "-33.11', '61.8', '22.07');");
        run.enterCoolingFlow(c.enteredFlow);
        EXPECT_EQ(run.run(), ListEffect::Replaced);
        EXPECT_EQ(run.page().results().rowCount(), c.accepted ? 1 : 0);
        const std::vector<RecordingSink::Message> rejected{
            {"JVT", "QTK130GN5-LQE:Water flow is beyond range"}};
        EXPECT_EQ(run.sink().take(), c.accepted ? std::vector<RecordingSink::Message>{} : rejected);
    }
}

// A module drop below 1 kPa shows "-"; a single unit's drop shows its number.
TEST(QtkRun, SmallDrops) {
    RunFixture run(
        "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK130GN5-LQE', '1', 459.2, 135.5, 22.07, '11.04-33.11', "
        "'0.5', '22.07');\n"
        "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK131GN5-LQE', '0+1', 459.2, 228.6, 36.98, "
        "'18.49-55.47', "
        "'0.5/61.8', '16.00/20.00');\n");
    run.run();
    ASSERT_EQ(run.page().results().rowCount(), 2);
    EXPECT_EQ(run.page().results().cell(0, column::kPressureDrop), "0.5");
    EXPECT_EQ(run.page().results().cell(1, column::kPressureDrop), "-/68.2");
}

// The smallest unit's rated 93.2 kW holds at the rating point, whose fouling
// is 0.018 within 0.00001: a typed 0.01801 or 0.01799 is held as the float
// just inside that margin, the next float out is off the rating point and
// the power follows the grid and the fouling factor (93.1 × about 1).
TEST(QtkRun, RatedPowerOfQtk090WithinTheRatingPointsFoulingMargin) {
    const struct {
        const char* fouling;
        const char* power;
    } cases[] = {
        {"0.018", "93.20"},   {"0.01801", "93.20"},      {"0.0180100017", "93.10"},
        {"0.01799", "93.20"}, {"0.0179899987", "93.10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fouling);
        RunFixture run(kQtkUnits);
        run.set(kCoolingCapacityEdit, "310");
        run.set(kFoulingEdit, c.fouling);
        ASSERT_EQ(run.run(), ListEffect::Replaced);
        ASSERT_EQ(run.page().results().rowCount(), 1);
        EXPECT_EQ(run.page().results().cell(0, column::kCoolingPower), c.power);
    }
}

// A module whose flow ratio is at most 0.00001 carries (almost) no water: its
// drop is the nominal drop times that ratio, uncorrected, and shows "-".
// Above it the drop factor is looked up (the fixture's table gives the
// ratio, held to 0.5 … 1.3). A tiny capacity ratio of the even modules gives
// the 090 module of a QTK220 the share of an entered 30 L/s that shows as
// 0.00008, 0.00016 or 0.00024 L/s, over its nominal 16.00 L/s; the 130 module
// takes the rest, 30.00 L/s over 20.00.
TEST(QtkRun, ModuleCarryingAlmostNoWaterHasNoDropFactor) {
    const struct {
        const char* evenCapacityRatio;
        const char* drops;
    } cases[] = {
        {"0.000003948844", "-/80.3"},     // ratio 0.000005
        {"0.000007897710", "-/80.3"},     // ratio 0.00001
        {"0.000011846596", "22.6/80.3"},  // ratio 0.000015: 45.3 × 0.5
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.evenCapacityRatio);
        RunFixture run(kQtkUnits, "", {{"CapacityQTK090&180GN5", c.evenCapacityRatio}});
        run.set(kCoolingCapacityEdit, "770");
        run.enterCoolingFlow("30");
        ASSERT_EQ(run.run(), ListEffect::Replaced);
        ASSERT_EQ(run.page().results().rowCount(), 1);
        EXPECT_EQ(run.page().results().cell(0, column::kPressureDrop), c.drops);
    }
}

// The altitude column shows a site above sea level to 4 significant digits
// and sea level as a plain 0.
TEST(QtkRun, AltitudeColumnFromSeaLevelUp) {
    const struct {
        const char* altitude;
        const char* shown;
    } cases[] = {{"0", "0"}, {"1", "1.000"}, {"1800", "1800"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.altitude);
        RunFixture run(kQtkUnits);
        run.set(kAltitudeEdit, c.altitude);
        ASSERT_EQ(run.run(), ListEffect::Replaced);
        ASSERT_GE(run.page().results().rowCount(), 1);
        EXPECT_EQ(run.page().results().cell(0, column::kAltitude), c.shown);
    }
}

// A range text without "-" is the maximum alone.
TEST(QtkRun, SingleNumberRangeHasMinimumZero) {
    RunFixture run(
        "INSERT INTO ALL_Model VALUES (0, 2, 0, 0, 'QTK130GN5-LQE', '1', 459.2, 135.5, 22.07, '25', '61.8', "
        "'22.07');");
    run.enterCoolingFlow("0.5");
    run.run();
    EXPECT_EQ(run.page().results().rowCount(), 1);
}

}  // namespace
}  // namespace keld::test

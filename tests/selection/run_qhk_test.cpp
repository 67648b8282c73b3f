// SPDX-License-Identifier: MIT
// Whole QHK heat-pump runs (screw compressor, first brand): both water
// circuits, the glycol flow factor, the envelope pre-check.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "selection/page/page_controls.h"
#include "support/selection_fixture.h"

namespace keld::test {
namespace {

constexpr const char* kQhkUnits = R"sql(
INSERT INTO ALL_Model_qhk VALUES (0, 2, 0, 0, 'QHK125GP5-LQE', '0', 419.0, 419.0, 113.6, 20.0, 19.97, '10.00-30.00', '48.2', '20');
INSERT INTO ALL_Model_qhk VALUES (0, 2, 0, 0, 'QHK150GP5-LQE', '1', 507.0, 507.0, 136.7, 24.17, 23.89, '12.09-36.26', '55.6', '24.17');
INSERT INTO ALL_Model_qhk VALUES (0, 2, 0, 0, 'QHK266GP5-LQE', '0+1', 926.0, 926.0, 250.3, 44.17, 43.86, '22.09-66.26', '48.2/55.6', '20/24.17');
)sql";

struct QhkCase {
    std::string name;
    std::map<int, std::string> edits;
    int glycolPercent = 0;  // > 0: the fluid is glycol
    std::optional<std::string> coolingFlow;
    std::optional<std::string> heatingFlow;
    std::vector<RecordingSink::Message> messages;
    std::vector<ResultTable::Row> rows;
};

void PrintTo(const QhkCase& c, std::ostream* out) { *out << c.name; }

class QhkRunTest : public testing::TestWithParam<QhkCase> {};

TEST_P(QhkRunTest, FillsTheListAndReports) {
    const QhkCase& c = GetParam();
    RunFixture run(kQhkUnits);
    run.page().clickScrew();
    if (c.glycolPercent > 0) {
        run.page().selectFluid(true);
        run.set(kGlycolEdit, std::to_string(c.glycolPercent));
    }
    for (const auto& [id, text] : c.edits) run.set(id, text);
    if (c.coolingFlow) run.enterCoolingFlow(*c.coolingFlow);
    if (c.heatingFlow) run.enterHeatingFlow(*c.heatingFlow);

    EXPECT_EQ(run.run(), ListEffect::Replaced);
    EXPECT_EQ(run.sink().take(), c.messages);
    EXPECT_EQ(run.rows(), c.rows);
}

// Columns: 1-3 cooling capacity, power, chilled flow; 4-6 heating capacity,
// power, hot flow; 12/17 rated capacity, 13/18 rated power; 14 chilled inlet,
// 19 hot inlet; 15 altitude; 16 drop (3 significant digits).
INSTANTIATE_TEST_SUITE_P(
    Cases, QhkRunTest,
    testing::Values(
        // Both rating points, uncorrected: the database's "Flow_7" and "Flow_7H".
        QhkCase{"RatingPointsUseRatedFlows",
                {},
                0,
                {},
                {},
                {},
                {ExpectedRow("QHK150GP5-LQE", {{1, "507.0"},
                                               {2, "136.7"},
                                               {3, "24.17"},
                                               {4, "500.0"},
                                               {5, "140.8"},
                                               {6, "23.89"},
                                               {12, "507.0"},
                                               {13, "136.7"},
                                               {14, "12.00"},
                                               {15, "0"},
                                               {16, "55.6"},
                                               {17, "507.0"},
                                               {18, "136.7"},
                                               {19, "40.00"}})}},
        // Glycol 20 %: capacities × 0.98 (cooling) and × 0.97 (heating), both
        // flows × 1.05, the drop × 1.1; no rating point once corrected.
        QhkCase{"GlycolScalesBothFlows",
                {},
                20,
                {},
                {},
                {},
                {ExpectedRow("QHK150GP5-LQE", {{1, "496.9"},
                                               {2, "138.1"},
                                               {3, "24.93"},
                                               {4, "485.0"},
                                               {5, "143.6"},
                                               {6, "24.33"},
                                               {12, "507.0"},
                                               {13, "136.7"},
                                               {14, "12.00"},
                                               {15, "0"},
                                               {16, "63.1"},
                                               {17, "507.0"},
                                               {18, "136.7"},
                                               {19, "40.00"}})}},
        // Entered flows give both inlets; the two module drops split the entered
        // chilled flow by capacity: 18.10 and 21.90 L/s.
        QhkCase{"TwoModulesWithEnteredFlows",
                {{kCoolingCapacityEdit, "900"}},
                0,
                "40",
                "36",
                {},
                {ExpectedRow("QHK266GP5-LQE", {{1, "926.0"},
                                               {2, "250.3"},
                                               {3, "40.00"},
                                               {4, "918.0"},
                                               {5, "260.6"},
                                               {6, "36.00"},
                                               {12, "926.0"},
                                               {13, "250.3"},
                                               {14, "12.53"},
                                               {15, "0"},
                                               {16, "43.6/50.4"},
                                               {17, "926.0"},
                                               {18, "250.3"},
                                               {19, "38.91"}})}},
        // The hot-water flow is held to the same range as the chilled water.
        QhkCase{"HotWaterFlowBeyondRange",
                {},
                0,
                {},
                "50",
                {{"JVT", "QHK150GP5-LQE:Water flow is beyond range"}},
                {}},
        // Below −5 °C ambient: chilled water at most −8 × 20/3 + 205/3 = 15,
        // hot water at most −10 + 60 = 50; one box for both, the list empty.
        QhkCase{
            "EnvelopePreCheckOfBothCircuits",
            {{kCoolingAmbientEdit, "-8"},
             {kCoolingOutletEdit, "16"},
             {kCoolingInletEdit, "21"},
             {kHeatingAmbientEdit, "-10"},
             {kHeatingOutletEdit, "55"},
             {kHeatingInletEdit, "50"}},
            0,
            {},
            {},
            {{"JVT",
              "Cooling:When the Ambient temperature is -8.0 °C,the outlet temperature must be no more than "
              "15.00 °C.\nHeating:When the Ambient temperature is -10.0 °C,the outlet temperature must be no "
              "more than 50.00 °C."}},
            {}}),
    [](const testing::TestParamInfo<QhkCase>& info) { return info.param.name; });

TEST(QhkRun, RecordKeepsBothCircuits) {
    RunFixture run(kQhkUnits);
    run.page().clickScrew();
    run.page().selectFluid(true);
    run.set(kGlycolEdit, "20");
    run.enterHeatingFlow("30");
    ASSERT_EQ(run.run(), ListEffect::Replaced);

    const ModelResult* record = run.page().results().recordOfRow(0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->modelName, "QHK150GP5-LQE");
    EXPECT_EQ(record->coolingInletTemp, 12.0f);
    EXPECT_EQ(record->coolingWaterFlow, 24.93f);
    EXPECT_EQ(record->heatingAmbientTemp, 7.0);
    EXPECT_EQ(record->heatingOutletTemp, 45.0);
    // 45 − 485.0 × 0.86 × 1.05 / 30 / 3.6
    EXPECT_NEAR(record->heatingInletTemp, 45 - 485.0 * 0.86 * 1.05 / 30 / 3.6, 1e-9);
    EXPECT_EQ(record->heatingWaterFlow, 30.0);
    EXPECT_EQ(record->glycolPercent, 20);
    EXPECT_EQ(record->isWater, 0);
    EXPECT_FALSE(record->coolingFlowEntered);
    EXPECT_TRUE(record->heatingFlowEntered);
}

// A heat pump on water writes water and no glycol into its record.
TEST(QhkRun, RecordOfAWaterRun) {
    RunFixture run(kQhkUnits);
    run.page().clickScrew();
    ASSERT_EQ(run.run(), ListEffect::Replaced);
    const ModelResult* record = run.page().results().recordOfRow(0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->glycolPercent, 0);
    EXPECT_EQ(record->isWater, 1);
}

}  // namespace
}  // namespace keld::test

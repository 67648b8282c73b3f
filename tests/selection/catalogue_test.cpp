// SPDX-License-Identifier: MIT
// The module table, the unit-row texts, the brand's model names and the
// candidate query.
#include <gtest/gtest.h>

#include <string>

#include "engine/candidate_query.h"
#include "engine/connect.h"
#include "engine/module_table.h"
#include "engine/selection_conditions.h"
#include "engine/value_pairs.h"
#include "selection/model_names.h"

namespace keld {
namespace {

constexpr int kNone = ModuleConnection::kNone;
constexpr int kUnreadable = ModuleConnection::kUnreadable;

struct ConnectCase {
    std::string text;
    Series series;
    int first;
    int second;
};

TEST(Catalogue, ParseConnectReadsTheModuleIndexes) {
    const ConnectCase cases[] = {
        {"2", Series::Qtk, 2, kNone},
        {"3+3", Series::Qtk, 3, 3},
        {"0+1", Series::Qhk, 0, 1},
        {"11", Series::Qtk, 1, kNone},  // QTK and QHK read one character
        {"11", Series::Gv5, 11, kNone},
        {"10+3", Series::Gv5, 10, 3},
        {"0+1", Series::Gv5, 0, 1},  // a GV5 index may be module 0
        {"", Series::Qtk, kUnreadable, kNone},
        {"", Series::Gv5, kUnreadable, kNone},
        {"+", Series::Gv5, kUnreadable, kUnreadable},
        {"x", Series::Qhk, kUnreadable, kNone},
        {"3+", Series::Qtk, 3, kUnreadable},
    };
    for (const ConnectCase& c : cases) {
        const ModuleConnection connection = ParseConnect(c.text, c.series);
        EXPECT_EQ(connection.first, c.first) << '"' << c.text << '"';
        EXPECT_EQ(connection.second, c.second) << '"' << c.text << '"';
    }
}

TEST(Catalogue, OnlyModulesOfTheSeriesTableAreKnown) {
    EXPECT_TRUE(NamesKnownModules(ParseConnect("3+3", Series::Qtk), Series::Qtk));
    EXPECT_FALSE(NamesKnownModules(ParseConnect("4", Series::Qtk), Series::Qtk));
    EXPECT_FALSE(NamesKnownModules(ParseConnect("3", Series::Qhk), Series::Qhk));
    EXPECT_FALSE(NamesKnownModules(ParseConnect("0+3", Series::Qhk), Series::Qhk));
    EXPECT_TRUE(NamesKnownModules(ParseConnect("11", Series::Gv5), Series::Gv5));
    EXPECT_FALSE(NamesKnownModules(ParseConnect("12", Series::Gv5), Series::Gv5));
    EXPECT_FALSE(NamesKnownModules(ParseConnect("", Series::Gv5), Series::Gv5));
    EXPECT_FALSE(NamesKnownModules(ParseConnect("99999999999999999999", Series::Gv5), Series::Gv5));
    // A second module is named by any "+", readable or not: "3+" is a pair
    // with a broken index, never the single module 3; "1+0" is two modules.
    EXPECT_TRUE(ParseConnect("3+", Series::Qtk).hasSecond());
    EXPECT_FALSE(NamesKnownModules(ParseConnect("3+", Series::Qtk), Series::Qtk));
    EXPECT_TRUE(ParseConnect("1+0", Series::Qtk).hasSecond());
    EXPECT_TRUE(NamesKnownModules(ParseConnect("1+0", Series::Qtk), Series::Qtk));

    ASSERT_NE(FindModule(Series::Gv5, 10), nullptr);
    EXPECT_EQ(FindModule(Series::Gv5, 10)->coolingCapacity, 947.6);
    EXPECT_EQ(FindModule(Series::Qhk, 1)->heatingCapacity, 500.0);
    EXPECT_EQ(FindModule(Series::Qtk, 0)->chilledWaterFlow, 14.91);
    EXPECT_EQ(FindModule(Series::Qtk, -1), nullptr);
}

TEST(Catalogue, RangeAndPairTextsNeverFail) {
    struct RangeCase {
        std::string text;
        double minimum;
        double maximum;
    };
    const RangeCase ranges[] = {
        {"11.04-33.11", 11.04, 33.11},
        {"25", 0, 25},
        {"", 0, 0},
        {"-", 0, 0},
        {"abc-12", 0, 12},
        {"12-", 12, 0},
        {"1-2-3", 1, 2},
    };
    for (const RangeCase& c : ranges) {
        const FlowRange range = ParseFlowRange(c.text);
        EXPECT_EQ(range.minimum, c.minimum) << c.text;
        EXPECT_EQ(range.maximum, c.maximum) << c.text;
    }

    struct PairCase {
        std::string text;
        double first;
        double second;
        bool isPair;
    };
    const PairCase pairs[] = {
        {"45.3/61.8", 45.3, 61.8, true}, {"61.8", 61.8, 0, false}, {"/", 0, 0, true}, {"x/7", 0, 7, true},
        {"12,5", 12, 0, false},          {"", 0, 0, false},
    };
    for (const PairCase& c : pairs) {
        const ValuePair pair = ParseValuePair(c.text);
        EXPECT_EQ(pair.first, c.first) << c.text;
        EXPECT_EQ(pair.second, c.second) << c.text;
        EXPECT_EQ(pair.isPair, c.isPair) << c.text;
    }
}

TEST(Catalogue, SecondBrandRenamesTheSeries) {
    EXPECT_EQ(ShownModelName("QTK090GN5-LQE", Series::Qtk, "BREXAL"), "WOTA090GN5-LQE");
    EXPECT_EQ(ShownModelName("QHK266GP5-LQE", Series::Qhk, "BREXAL"), "WOH266GP5-LQEE");
    EXPECT_EQ(ShownModelName("QSK380GV5-LQE", Series::Gv5, "BREXAL"), "WOQ380GV5-LQEE");
    EXPECT_EQ(ShownModelName("QTK090GN5-LQE", Series::Qtk, "Norvex"), "QTK090GN5-LQE");
    EXPECT_EQ(ShownModelName("QHK266GP5-LQE", Series::Qhk, "Norvex"), "QHK266GP5-LQE");
}

TEST(Catalogue, CandidateQueryAsksForTheOpenBand) {
    SelectionConditions conditions;  // 500 kW, 15 %
    EXPECT_EQ(BuildCandidateQuery(conditions, 0.95, Series::Qtk),
              "select * from ALL_Model where Type=0 and Refrig=2  and Version=0 and Recycle=0 and capacity "
              ">447.368421 and capacity <605.263158 order by ModelName");

    conditions.compressorType = 1;
    conditions.unitType = 1;
    EXPECT_EQ(
        BuildCandidateQuery(conditions, 1.0, Series::Qhk),
        "select * from ALL_Model_qhk where Type=0 and Refrig=2  and Version=0 and Recycle=0 and capacity "
        ">425.000000 and capacity <575.000000 order by ModelName");

    conditions.unitType = 0;
    conditions.tolerancePercent = 0;
    EXPECT_EQ(
        BuildCandidateQuery(conditions, 1.0, Series::Gv5),
        "select * from ALL_Model_GV5 where Centre=1 and Type=0 and Refrig=2  and Version=0 and Recycle=0 "
        "and capacity >500.000000 and capacity <500.000000 order by ModelName");
}

}  // namespace
}  // namespace keld

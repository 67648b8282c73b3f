// SPDX-License-Identifier: MIT
// Every point a map calls ok is the row select lists for that unit at the
// point's conditions, figure for figure; a point it calls otherwise is a
// unit select does not list there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/format_text.h"
#include "selection/result_columns.h"
#include "session/performance_map.h"
#include "session/selection_json.h"
#include "session/selection_session.h"
#include "shipped_options.h"

namespace keld {
namespace {

struct MapCase {
    const char* name;
    std::vector<std::string> duty;  // the options of select, without the point
    const char* model;
    float ambient;
    float outlet;
    MapStatus status;
    bool heating = false;  // the point lies on the heating axes
};

// The shipped grids step in whole degrees: 33.5 and 8.5 lie between points.
const MapCase kCases[] = {
    {"QtkAtTheRatingPoint", {"--cooling-capacity", "450"}, "QTK130GN5-LQE", 35, 7, MapStatus::Ok},
    {"QtkBetweenGridPoints", {"--cooling-capacity", "450"}, "QTK130GN5-LQE", 33.5f, 8.5f, MapStatus::Ok},
    {"QtkTwoModulesSecondBrand",
     {"--launch", "00BREXAL", "--cooling-capacity", "900"},
     "WOTA260GN5-LQE",
     28,
     10,
     MapStatus::Ok},
    {"QtkAltitudeFoulingGb",
     {"--cooling-capacity", "450", "--altitude", "1200", "--fouling", "0.044", "--standard", "gb"},
     "QTK130GN5-LQE",
     31,
     6.5f,
     MapStatus::Ok},
    {"QtkEnteredFlow", {"--cooling-capacity", "450", "--flow", "20"}, "QTK130GN5-LQE", 30, 9, MapStatus::Ok},
    {"QtkBeyondTheEnvelope", {"--cooling-capacity", "450"}, "QTK130GN5-LQE", 41, 4, MapStatus::Envelope},
    {"QtkFlowOutOfRange",
     {"--cooling-capacity", "450", "--flow", "60"},
     "QTK130GN5-LQE",
     35,
     7,
     MapStatus::Flow},
    {"QhkWater",
     {"--compressor", "screw", "--cooling-capacity", "450"},
     "QHK125GP5-LQE",
     30,
     9,
     MapStatus::Ok},
    {"QhkGlycolBetweenGridPoints",
     {"--compressor", "screw", "--cooling-capacity", "450", "--fluid", "glycol", "--glycol", "20"},
     "QHK125GP5-LQE",
     27.5f,
     5.5f,
     MapStatus::Ok},
    {"QhkHeatingSide",
     {"--compressor", "screw", "--cooling-capacity", "450"},
     "QHK125GP5-LQE",
     2,
     47,
     MapStatus::Ok,
     true},
    {"QhkHeatingBetweenGridPoints",
     {"--launch", "10", "--compressor", "screw", "--cooling-capacity", "450", "--fluid", "glycol", "--glycol",
      "15"},
     "QHK125GP5-LQE",
     3.5f,
     42.5f,
     MapStatus::Ok,
     true},
    {"Gv5Water",
     {"--launch", "00BREXAL", "--compressor", "screw", "--cooling-capacity", "700"},
     "WOQ260GV5-LQEE",
     38,
     8,
     MapStatus::Ok},
    {"Gv5LowTemperatureGlycol",
     {"--launch", "00BREXAL", "--compressor", "screw", "--cooling-capacity", "700", "--fluid", "glycol",
      "--glycol", "20"},
     "WOQ335GV5-LQEE",
     32.5f,
     2,
     MapStatus::Ok},
    {"Gv5SecondDropCurveEnteredFlow",
     {"--launch", "14BREXAL", "--compressor", "screw", "--cooling-capacity", "950", "--flow", "40"},
     "WOQ365GV5-LQEE",
     36,
     9.5f,
     MapStatus::Ok},
};

void PrintTo(const MapCase& c, std::ostream* out) { *out << c.name; }

std::string Text(float value) { return FormatText("%g", static_cast<double>(value)); }

class MapAgainstSelect : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapAgainstSelect, OkPointsAreTheRowsSelectLists) {
    const MapCase& c = GetParam();
    MapRequest request;
    request.duty = test::ShippedOptionsOf(c.duty);
    request.model = c.model;
    const MapRange ambient{c.ambient, c.ambient, 1};
    const MapRange outlet{c.outlet, c.outlet, 1};
    (c.heating ? request.heatingAmbient : request.ambient) = ambient;
    (c.heating ? request.heatingOutlet : request.outlet) = outlet;

    SelectionSession mapSession(request.duty);
    ASSERT_TRUE(mapSession.openDatabase());
    const MapOutcome outcome = MapUnit(mapSession.database(), request);
    ASSERT_TRUE(outcome.map.has_value());
    const std::vector<MapPoint>& points = c.heating ? outcome.map->heating : outcome.map->cooling;
    ASSERT_EQ(points.size(), 1u);
    const MapPoint& point = points.front();
    EXPECT_EQ(MapStatusName(point.status), std::string(MapStatusName(c.status))) << point.reason;

    // select at the point: the same duty, the point's ambient and outlet, the
    // inlet moved with the outlet unless the flow is entered.
    std::vector<std::string> args = c.duty;
    const SelectionConditions& duty = outcome.map->duty;
    if (c.heating) {
        args.insert(args.end(), {"--heating-ambient", Text(c.ambient), "--heating-outlet", Text(c.outlet)});
        if (!duty.heatingFlowEntered)
            args.insert(args.end(), {"--heating-inlet",
                                     Text(c.outlet - (duty.heatingOutletTemp - duty.heatingInletTemp))});
    } else {
        args.insert(args.end(), {"--ambient", Text(c.ambient), "--outlet", Text(c.outlet)});
        if (!duty.coolingFlowEntered)
            args.insert(args.end(),
                        {"--inlet", Text(c.outlet + (duty.coolingInletTemp - duty.coolingOutletTemp))});
    }
    SelectionSession select(test::ShippedOptionsOf(args));
    ASSERT_TRUE(select.openDatabase());
    select.runSelection();
    const ResultTable& rows = select.page().results();
    const ModelResult* listed = nullptr;
    for (int r = 0; r < rows.rowCount(); ++r) {
        if (rows.row(r)[column::kModel] == c.model) listed = rows.recordOfRow(r);
    }
    if (c.status != MapStatus::Ok) {
        EXPECT_EQ(listed, nullptr) << "select lists the unit the map leaves out";
        return;
    }
    ASSERT_NE(listed, nullptr) << "select does not list " << c.model;
    EXPECT_EQ(FiguresJson(c.model, point.figures), FiguresJson(c.model, listed->figures));
    EXPECT_EQ(point.ambient, c.heating ? select.page().conditions().heatingAmbientTemp
                                       : select.page().conditions().coolingAmbientTemp);
}

INSTANTIATE_TEST_SUITE_P(Units, MapAgainstSelect, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace keld

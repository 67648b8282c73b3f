// SPDX-License-Identifier: MIT
// A map point's figures in JSON: what its evaluation came to, and null for
// what it did not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/performance_map.h"
#include "session/performance_map_json.h"

namespace keld {
namespace {

UnitPerformance EveryFigureSet() {
    UnitPerformance f;
    f.coolingCapacity = 402;
    f.coolingPower = 148.7;
    f.coolingFlow = 19.2;
    f.coolingInletTemp = 9;
    f.hasHeating = true;
    f.heatingCapacity = 418;
    f.heatingPower = 119.8;
    f.heatingFlow = 19.97;
    f.heatingInletTemp = 40;
    f.ratedCapacity = 459.2;
    f.ratedPower = 135.5;
    f.permittedFlow = {10, 30};
    f.pressureDrops = {61.8};
    return f;
}

// The envelope stops an evaluation before the water side, the flow before
// the pressure drop and the rating; a point without figures has none.
TEST(MapJson, AFigureThePointsEvaluationDidNotComeToIsNull) {
    struct Case {
        MapStatus status;
        std::vector<const char*> shown;
        std::vector<const char*> null;
    };
    const std::vector<const char*> duty = {"coolingCapacity_kW", "coolingPower_kW", "heatingCapacity_kW",
                                           "heatingPower_kW"};
    const std::vector<const char*> water = {"waterFlow_Ls",        "inletTemp_C",
                                            "heatingWaterFlow_Ls", "heatingInletTemp_C",
                                            "permittedFlowMin_Ls", "permittedFlowMax_Ls"};
    const std::vector<const char*> rest = {"ratedCapacity_kW", "ratedPower_kW", "pressureDrop_kPa"};
    auto joined = [](std::vector<const char*> a, const std::vector<const char*>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Case cases[] = {
        {MapStatus::Ok, joined(joined(duty, water), rest), {}},
        {MapStatus::Flow, joined(duty, water), rest},
        {MapStatus::Envelope, duty, joined(water, rest)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(MapStatusName(c.status));
        PerformanceMap map{"QHK125GP5-LQE", Series::Qhk, {}, {}, {}};
        map.cooling.push_back(MapPoint{35, 7, c.status, "", EveryFigureSet()});
        const Json figures = MapJson(map)["cooling"][0]["figures"];
        for (const char* key : c.shown) {
            EXPECT_FALSE(figures.at(key).is_null()) << key;
            EXPECT_NE(figures.at(key), Json(0)) << key;
        }
        for (const char* key : c.null) EXPECT_TRUE(figures.at(key).is_null()) << key;
    }
    for (MapStatus status : {MapStatus::NotAvailable, MapStatus::OutsideGrid}) {
        PerformanceMap map{"QHK125GP5-LQE", Series::Qhk, {}, {}, {}};
        map.cooling.push_back(MapPoint{35, 7, status, "", EveryFigureSet()});
        EXPECT_TRUE(MapJson(map)["cooling"][0]["figures"].is_null()) << MapStatusName(status);
    }
}

// Efficiency is capacity over power; a point without power has 0, not the
// quotient of a division by zero.
TEST(MapJson, EfficiencyIsCapacityOverPowerAndZeroWithoutPower) {
    struct Case {
        double power;
        double efficiency;
    };
    for (const Case c : {Case{148.7, 402 / 148.7}, Case{0, 0}}) {
        UnitPerformance figures = EveryFigureSet();
        figures.coolingPower = c.power;
        PerformanceMap map{"QHK125GP5-LQE", Series::Qhk, {}, {}, {}};
        map.cooling.push_back(MapPoint{35, 7, MapStatus::Ok, "", figures});
        EXPECT_EQ(MapJson(map)["cooling"][0]["efficiency"], Json(c.efficiency)) << c.power;
    }
}

}  // namespace
}  // namespace keld

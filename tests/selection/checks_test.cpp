// SPDX-License-Identifier: MIT
// The operating limits checked before a run, with their exact messages, and
// the glycol a low leaving water temperature forces.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "selection/page/page_controls.h"
#include "selection/page/selection_page.h"
#include "support/recording_sink.h"

namespace keld {
namespace {

using Messages = std::vector<test::RecordingSink::Message>;
using Change = std::function<void(SelectionConditions&)>;

struct CheckCase {
    std::string name;
    Change change;
    const char* caption;  // null: the check passes
    const char* text;
};

const char* kAmbientCentrifugal = "Please input the value of ambient temperature between -8.0 and 44.0 ";
const char* kDifference =
    "Please input the value of water inlet/outlet temperature difference between 4 and 10";
const char* kFouling = "Please input the value of fouling factor difference between 0 and 0.132";
const char* kAltitude = "Please input the value of altitude difference between 0 and 1800";
const char* kFluid = "Please input the value of fluid difference between 0 and 50";

// Runs one check on a page whose conditions start at the defaults and then
// take the case's change; the page's brand and type come from `prepare`.
void RunCases(const std::vector<CheckCase>& cases, const char* launchText,
              const std::function<void(SelectionPage&)>& prepare,
              const std::function<bool(SelectionPage&)>& check) {
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingSink sink{test::SinkMode::Strict};
        SelectionPage page(DecodeLaunchText(launchText), sink);
        prepare(page);
        ASSERT_TRUE(page.readControls());
        c.change(page.conditions());
        const bool passed = check(page);
        if (c.caption == nullptr) {
            EXPECT_TRUE(passed);
            EXPECT_EQ(sink.take(), Messages{});
        } else {
            EXPECT_FALSE(passed);
            EXPECT_EQ(sink.take(), (Messages{{c.caption, c.text}}));
        }
    }
}

TEST(CentrifugalChecks, LimitsAndMessages) {
    const std::vector<CheckCase> cases = {
        {"defaults", [](auto&) {}, nullptr, nullptr},
        {"ambient 44", [](auto& c) { c.coolingAmbientTemp = 44; }, nullptr, nullptr},
        {"ambient 44.1", [](auto& c) { c.coolingAmbientTemp = 44.1f; }, "Cooling", kAmbientCentrifugal},
        // The upper ambient limit allows 0.00001 for single-precision input,
        // the outlet limits allow nothing, the fouling limit only 1e-10.
        {"ambient a float above 44", [](auto& c) { c.coolingAmbientTemp = std::nextafter(44.0f, 99.0f); },
         nullptr, nullptr},
        {"ambient 44.0001", [](auto& c) { c.coolingAmbientTemp = 44.0001f; }, "Cooling", kAmbientCentrifugal},
        {"ambient 44.000015, just beyond the margin", [](auto& c) { c.coolingAmbientTemp = 44.000015f; },
         "Cooling", kAmbientCentrifugal},
        {"outlet a float above 15",
         [](auto& c) {
             c.coolingOutletTemp = std::nextafter(15.0f, 99.0f);
             c.coolingInletTemp = 20;
         },
         "Cooling", "Please input the value of outlet temperature between 4 and 15"},
        {"fouling a float above 0.132", [](auto& c) { c.foulingFactor = std::nextafter(0.132f, 1.0f); },
         "Gerneral Data", kFouling},
        {"ambient -8", [](auto& c) { c.coolingAmbientTemp = -8; }, nullptr, nullptr},
        {"ambient -8.1", [](auto& c) { c.coolingAmbientTemp = -8.1f; }, "Cooling", kAmbientCentrifugal},
        {"outlet 3.9", [](auto& c) { c.coolingOutletTemp = 3.9f; }, "Cooling",
         "Please input the value of outlet temperature between 4 and 15"},
        {"outlet 15",
         [](auto& c) {
             c.coolingOutletTemp = 15;
             c.coolingInletTemp = 20;
         },
         nullptr, nullptr},
        {"outlet 15.1", [](auto& c) { c.coolingOutletTemp = 15.1f; }, "Cooling",
         "Please input the value of outlet temperature between 4 and 15"},
        {"rating point, difference 11", [](auto& c) { c.coolingInletTemp = 18; }, "Cooling", kDifference},
        {"rating point, difference 3.9", [](auto& c) { c.coolingInletTemp = 10.9f; }, "Cooling", kDifference},
        {"rating point, difference 4", [](auto& c) { c.coolingInletTemp = 11; }, nullptr, nullptr},
        {"difference 11 at 36 °C",
         [](auto& c) {
             c.coolingInletTemp = 18;
             c.coolingAmbientTemp = 36;
         },
         nullptr, nullptr},
        {"difference 11 at altitude 1",
         [](auto& c) {
             c.coolingInletTemp = 18;
             c.altitude = 1;
         },
         nullptr, nullptr},
        {"difference 11 with fouling 0.044",
         [](auto& c) {
             c.coolingInletTemp = 18;
             c.foulingFactor = 0.044f;
         },
         nullptr, nullptr},
        {"difference 11 with the flow entered",
         [](auto& c) {
             c.coolingInletTemp = 18;
             c.coolingFlowEntered = true;
         },
         nullptr, nullptr},
        {"fouling 0.132", [](auto& c) { c.foulingFactor = 0.132f; }, nullptr, nullptr},
        {"fouling 0.1321", [](auto& c) { c.foulingFactor = 0.1321f; }, "Gerneral Data", kFouling},
        {"fouling -0.001", [](auto& c) { c.foulingFactor = -0.001f; }, "Gerneral Data", kFouling},
        {"altitude 1800", [](auto& c) { c.altitude = 1800; }, nullptr, nullptr},
        {"altitude 1801", [](auto& c) { c.altitude = 1801; }, "Gerneral Data", kAltitude},
        {"altitude -1", [](auto& c) { c.altitude = -1; }, "Gerneral Data", kAltitude},
        {"first failure only",
         [](auto& c) {
             c.coolingAmbientTemp = 50;
             c.altitude = 5000;
         },
         "Cooling", kAmbientCentrifugal},
    };
    RunCases(
        cases, "", [](SelectionPage&) {}, [](SelectionPage& p) { return p.ValidateCentrifugalInputs(); });
}

TEST(HeatPumpChecks, LimitsAndMessages) {
    const char* ambientHeating = "Please input the value of ambient temperature between -15.0 and 50.0 ";
    const char* ambientCooling = "Please input the value of ambient temperature between -8.0 and 50.0 ";
    const std::vector<CheckCase> cases = {
        {"defaults", [](auto&) {}, nullptr, nullptr},
        {"heating ambient -15", [](auto& c) { c.heatingAmbientTemp = -15; }, nullptr, nullptr},
        {"heating ambient -15.1", [](auto& c) { c.heatingAmbientTemp = -15.1f; }, "Heating", ambientHeating},
        {"heating ambient 50.1", [](auto& c) { c.heatingAmbientTemp = 50.1f; }, "Heating", ambientHeating},
        {"heating outlet 24.9", [](auto& c) { c.heatingOutletTemp = 24.9f; }, "Heating",
         "Please input the value of outlet temperature between 25 and 55"},
        {"heating difference 3", [](auto& c) { c.heatingInletTemp = 42; }, "Heating", kDifference},
        {"heating difference 3, flow entered",
         [](auto& c) {
             c.heatingInletTemp = 42;
             c.heatingFlowEntered = true;
         },
         nullptr, nullptr},
        {"fouling 0.2", [](auto& c) { c.foulingFactor = 0.2f; }, "Gerneral Data", kFouling},
        {"altitude 1900", [](auto& c) { c.altitude = 1900; }, "Gerneral Data", kAltitude},
        {"glycol 51", [](auto& c) { c.glycolPercent = 51; }, "Gerneral Data", kFluid},
        {"glycol -1", [](auto& c) { c.glycolPercent = -1; }, "Gerneral Data", kFluid},
        {"cooling ambient 50", [](auto& c) { c.coolingAmbientTemp = 50; }, nullptr, nullptr},
        {"cooling ambient 50.1", [](auto& c) { c.coolingAmbientTemp = 50.1f; }, "Cooling", ambientCooling},
        {"water at 3 °C",
         [](auto& c) {
             c.coolingOutletTemp = 3;
             c.coolingInletTemp = 8;
         },
         "Cooling", "Please input the value of outlet temperature between 4 and 35"},
        {"glycol at 3 °C",
         [](auto& c) {
             c.fluidIsGlycol = true;
             c.coolingOutletTemp = 3;
             c.coolingInletTemp = 8;
         },
         nullptr, nullptr},
        {"glycol at -8.5 °C",
         [](auto& c) {
             c.fluidIsGlycol = true;
             c.coolingOutletTemp = -8.5f;
         },
         "Cooling", "Please input the value of outlet temperature between -8 and 35"},
        {"cooling difference 11", [](auto& c) { c.coolingInletTemp = 18; }, "Cooling", kDifference},
        {"cooling difference 11, flow entered",
         [](auto& c) {
             c.coolingInletTemp = 18;
             c.coolingFlowEntered = true;
         },
         nullptr, nullptr},
        // Each limit itself is kept.
        {"heating ambient 50", [](auto& c) { c.heatingAmbientTemp = 50; }, nullptr, nullptr},
        {"heating outlet 25",
         [](auto& c) {
             c.heatingOutletTemp = 25;
             c.heatingInletTemp = 20;
         },
         nullptr, nullptr},
        {"heating outlet 55",
         [](auto& c) {
             c.heatingOutletTemp = 55;
             c.heatingInletTemp = 50;
         },
         nullptr, nullptr},
        {"heating outlet 55.1",
         [](auto& c) {
             c.heatingOutletTemp = 55.1f;
             c.heatingInletTemp = 50;
         },
         "Heating", "Please input the value of outlet temperature between 25 and 55"},
        {"heating difference 10", [](auto& c) { c.heatingInletTemp = 35; }, nullptr, nullptr},
        {"heating difference 10.1", [](auto& c) { c.heatingInletTemp = 34.9f; }, "Heating", kDifference},
        {"fouling 0", [](auto& c) { c.foulingFactor = 0; }, nullptr, nullptr},
        {"glycol 50", [](auto& c) { c.glycolPercent = 50; }, nullptr, nullptr},
        {"cooling ambient -8", [](auto& c) { c.coolingAmbientTemp = -8; }, nullptr, nullptr},
        {"cooling ambient -8.1", [](auto& c) { c.coolingAmbientTemp = -8.1f; }, "Cooling", ambientCooling},
        {"water at 4 °C",
         [](auto& c) {
             c.coolingOutletTemp = 4;
             c.coolingInletTemp = 9;
         },
         nullptr, nullptr},
        {"glycol at -8 °C",
         [](auto& c) {
             c.fluidIsGlycol = true;
             c.coolingOutletTemp = -8;
             c.coolingInletTemp = -3;
         },
         nullptr, nullptr},
        {"glycol at -8.1 °C",
         [](auto& c) {
             c.fluidIsGlycol = true;
             c.coolingOutletTemp = -8.1f;
             c.coolingInletTemp = -3;
         },
         "Cooling", "Please input the value of outlet temperature between -8 and 35"},
        {"cooling outlet 35",
         [](auto& c) {
             c.coolingOutletTemp = 35;
             c.coolingInletTemp = 40;
         },
         nullptr, nullptr},
        {"cooling outlet 35.1",
         [](auto& c) {
             c.coolingOutletTemp = 35.1f;
             c.coolingInletTemp = 40;
         },
         "Cooling", "Please input the value of outlet temperature between 4 and 35"},
        {"cooling difference 10", [](auto& c) { c.coolingInletTemp = 17; }, nullptr, nullptr},
        {"cooling difference 10.1", [](auto& c) { c.coolingInletTemp = 17.1f; }, "Cooling", kDifference},
    };
    RunCases(
        cases, "", [](SelectionPage& p) { p.clickScrew(); },
        [](SelectionPage& p) { return p.ValidateScrewInputs(); });
}

TEST(ScrewChillerChecks, LimitsAndMessages) {
    const char* ambient = "Please input the value of ambient temperature between 5.0 and 50.0 ";
    const std::vector<CheckCase> cases = {
        {"defaults", [](auto&) {}, nullptr, nullptr},
        {"ambient 5", [](auto& c) { c.coolingAmbientTemp = 5; }, nullptr, nullptr},
        {"ambient 4.9", [](auto& c) { c.coolingAmbientTemp = 4.9f; }, "Cooling", ambient},
        {"ambient 50.1", [](auto& c) { c.coolingAmbientTemp = 50.1f; }, "Cooling", ambient},
        {"outlet -8.1", [](auto& c) { c.coolingOutletTemp = -8.1f; }, "Cooling",
         "Please input the value of outlet temperature between -8 and 35"},
        {"outlet 35.5", [](auto& c) { c.coolingOutletTemp = 35.5f; }, "Cooling",
         "Please input the value of outlet temperature between -8 and 35"},
        {"glycol 51", [](auto& c) { c.glycolPercent = 51; }, "Gerneral Data", kFluid},
        {"fouling 0.14", [](auto& c) { c.foulingFactor = 0.14f; }, "Gerneral Data", kFouling},
        {"altitude 1800.5", [](auto& c) { c.altitude = 1800.5f; }, "Gerneral Data", kAltitude},
        {"difference 20 is not checked", [](auto& c) { c.coolingInletTemp = 27; }, nullptr, nullptr},
        // Each limit itself is kept.
        {"ambient 50", [](auto& c) { c.coolingAmbientTemp = 50; }, nullptr, nullptr},
        {"outlet -8 on enough glycol",
         [](auto& c) {
             c.coolingOutletTemp = -8;
             c.glycolPercent = 25;
         },
         nullptr, nullptr},
        {"outlet 35", [](auto& c) { c.coolingOutletTemp = 35; }, nullptr, nullptr},
        {"glycol 50", [](auto& c) { c.glycolPercent = 50; }, nullptr, nullptr},
        {"glycol -1", [](auto& c) { c.glycolPercent = -1; }, "Gerneral Data", kFluid},
        {"fouling 0", [](auto& c) { c.foulingFactor = 0; }, nullptr, nullptr},
    };
    RunCases(
        cases, "BREXAL", [](SelectionPage& p) { p.clickScrew(); },
        [](SelectionPage& p) { return p.ValidateScrewInputs(); });
}

// One limit of one check. The limit itself and everything on its inner side
// is kept; beyond it the check refuses with its message. The page shows
// ambients to 0.1 K, water temperatures to 0.01 K, fouling to 0.001 and
// altitude in whole metres, and holds a typed value as the nearest float
// until the field is left: each limit is tried at itself, at its shown
// neighbours and at its float neighbours.
struct Limit {
    std::string what;
    std::function<void(SelectionConditions&, float)> set;
    float value;
    float beyond;          // any value on the refused side
    float shownStep;       // between neighbouring values as the page shows them
    int floatsKeptBeyond;  // floats past the limit that are still kept
    const char* caption;
    const char* text;
};

float FloatsAway(float value, float toward, int count) {
    for (int i = 0; i < count; ++i) value = std::nextafter(value, toward);
    return value;
}

std::vector<CheckCase> CasesAtLimits(const std::vector<Limit>& limits) {
    std::vector<CheckCase> cases;
    for (const Limit& limit : limits) {
        const float outward = limit.beyond > limit.value ? 1.0f : -1.0f;
        const float inside = limit.value - outward * 1000.0f;
        const float outside = limit.value + outward * 1000.0f;
        auto add = [&](const std::string& where, float value, bool kept) {
            Change change = [set = limit.set, value](SelectionConditions& c) { set(c, value); };
            cases.push_back({limit.what + " " + where + " (" + std::to_string(value) + ")", change,
                             kept ? nullptr : limit.caption, kept ? nullptr : limit.text});
        };
        add("at the limit", limit.value, true);
        add("one float inside", std::nextafter(limit.value, inside), true);
        add("one shown step inside", static_cast<float>(limit.value - outward * limit.shownStep), true);
        if (limit.floatsKeptBeyond > 0) {
            add("last float kept beyond", FloatsAway(limit.value, outside, limit.floatsKeptBeyond), true);
        }
        add("first float refused beyond", FloatsAway(limit.value, outside, limit.floatsKeptBeyond + 1),
            false);
        add("one shown step beyond", static_cast<float>(limit.value + outward * limit.shownStep), false);
    }
    return cases;
}

void SetCoolingAmbient(SelectionConditions& c, float t) { c.coolingAmbientTemp = t; }
void SetHeatingAmbient(SelectionConditions& c, float t) { c.heatingAmbientTemp = t; }
void SetCoolingInlet(SelectionConditions& c, float t) { c.coolingInletTemp = t; }
void SetHeatingInlet(SelectionConditions& c, float t) { c.heatingInletTemp = t; }
// A leaving water temperature with the water 5 K warmer (cooling) or cooler
// (heating) at the inlet, so that the difference stays within its limits.
void SetCoolingOutlet(SelectionConditions& c, float t) {
    c.coolingOutletTemp = t;
    c.coolingInletTemp = t + 5;
}
void SetHeatingOutlet(SelectionConditions& c, float t) {
    c.heatingOutletTemp = t;
    c.heatingInletTemp = t - 5;
}

constexpr float kAmbientStep = 0.1f;
constexpr float kWaterStep = 0.01f;
// Single-precision ambients are allowed 0.00001 over an upper limit: the
// floats next to 44 and 50 lie 3.8e-6 apart, so two of them are kept.
constexpr int kAmbientMargin = 2;

TEST(CentrifugalChecks, EachLimitAtItselfAndOnBothSides) {
    const char* outlet = "Please input the value of outlet temperature between 4 and 15";
    const std::vector<Limit> limits = {
        {"ambient -8", SetCoolingAmbient, -8, -9, kAmbientStep, 0, "Cooling", kAmbientCentrifugal},
        {"ambient 44", SetCoolingAmbient, 44, 45, kAmbientStep, kAmbientMargin, "Cooling",
         kAmbientCentrifugal},
        {"outlet 4", SetCoolingOutlet, 4, 3, kWaterStep, 0, "Cooling", outlet},
        {"outlet 15", SetCoolingOutlet, 15, 16, kWaterStep, 0, "Cooling", outlet},
        // At the rating point (35 °C, 7 °C leaving water) the inlet makes the difference.
        {"rating point, difference 4", SetCoolingInlet, 11, 10, kWaterStep, 0, "Cooling", kDifference},
        {"rating point, difference 10", SetCoolingInlet, 17, 18, kWaterStep, 0, "Cooling", kDifference},
        {"fouling 0", [](auto& c, float f) { c.foulingFactor = f; }, 0, -1, 0.001f, 0, "Gerneral Data",
         kFouling},
        {"fouling 0.132", [](auto& c, float f) { c.foulingFactor = f; }, 0.132f, 1, 0.001f, 0,
         "Gerneral Data", kFouling},
        {"altitude 0", [](auto& c, float a) { c.altitude = a; }, 0, -1, 1, 0, "Gerneral Data", kAltitude},
        {"altitude 1800", [](auto& c, float a) { c.altitude = a; }, 1800, 1801, 1, 0, "Gerneral Data",
         kAltitude},
    };
    RunCases(
        CasesAtLimits(limits), "", [](SelectionPage&) {},
        [](SelectionPage& p) { return p.ValidateCentrifugalInputs(); });
}

// The rating point's fouling is 0.018 within 0.00001: there a difference of
// 11 K is refused. A typed 0.01801 or 0.01799 is held as the float just
// inside that margin; the next float out is no longer at the rating point.
TEST(CentrifugalChecks, RatingPointFoulingWithinItsMargin) {
    const auto differenceElevenWithFouling = [](float fouling) {
        return [fouling](SelectionConditions& c) {
            c.coolingInletTemp = 18;
            c.foulingFactor = fouling;
        };
    };
    const std::vector<CheckCase> cases = {
        {"fouling 0.018", differenceElevenWithFouling(0.018f), "Cooling", kDifference},
        {"fouling 0.01801", differenceElevenWithFouling(0.01801f), "Cooling", kDifference},
        {"the float above 0.01801", differenceElevenWithFouling(std::nextafter(0.01801f, 1.0f)), nullptr,
         nullptr},
        {"fouling 0.01799", differenceElevenWithFouling(0.01799f), "Cooling", kDifference},
        {"the float below 0.01799", differenceElevenWithFouling(std::nextafter(0.01799f, 0.0f)), nullptr,
         nullptr},
    };
    RunCases(
        cases, "", [](SelectionPage&) {}, [](SelectionPage& p) { return p.ValidateCentrifugalInputs(); });
}

TEST(HeatPumpChecks, EachLimitAtItselfAndOnBothSides) {
    const char* ambientHeating = "Please input the value of ambient temperature between -15.0 and 50.0 ";
    const char* ambientCooling = "Please input the value of ambient temperature between -8.0 and 50.0 ";
    const char* heatingOutlet = "Please input the value of outlet temperature between 25 and 55";
    const char* waterOutlet = "Please input the value of outlet temperature between 4 and 35";
    const char* glycolOutlet = "Please input the value of outlet temperature between -8 and 35";
    const auto setGlycolOutlet = [](SelectionConditions& c, float t) {
        c.fluidIsGlycol = true;
        SetCoolingOutlet(c, t);
    };
    const std::vector<Limit> limits = {
        {"heating ambient -15", SetHeatingAmbient, -15, -16, kAmbientStep, 0, "Heating", ambientHeating},
        {"heating ambient 50", SetHeatingAmbient, 50, 51, kAmbientStep, kAmbientMargin, "Heating",
         ambientHeating},
        {"heating outlet 25", SetHeatingOutlet, 25, 24, kWaterStep, 0, "Heating", heatingOutlet},
        {"heating outlet 55", SetHeatingOutlet, 55, 56, kWaterStep, 0, "Heating", heatingOutlet},
        // 45 °C leaving hot water: the inlet makes the difference.
        {"heating difference 4", SetHeatingInlet, 41, 42, kWaterStep, 0, "Heating", kDifference},
        {"heating difference 10", SetHeatingInlet, 35, 34, kWaterStep, 0, "Heating", kDifference},
        {"cooling ambient -8", SetCoolingAmbient, -8, -9, kAmbientStep, 0, "Cooling", ambientCooling},
        {"cooling ambient 50", SetCoolingAmbient, 50, 51, kAmbientStep, kAmbientMargin, "Cooling",
         ambientCooling},
        {"water outlet 4", SetCoolingOutlet, 4, 3, kWaterStep, 0, "Cooling", waterOutlet},
        {"glycol outlet -8", setGlycolOutlet, -8, -9, kWaterStep, 0, "Cooling", glycolOutlet},
        {"water outlet 35", SetCoolingOutlet, 35, 36, kWaterStep, 0, "Cooling", waterOutlet},
        {"glycol outlet 35", setGlycolOutlet, 35, 36, kWaterStep, 0, "Cooling", glycolOutlet},
        // 7 °C leaving chilled water.
        {"cooling difference 4", SetCoolingInlet, 11, 10, kWaterStep, 0, "Cooling", kDifference},
        {"cooling difference 10", SetCoolingInlet, 17, 18, kWaterStep, 0, "Cooling", kDifference},
    };
    RunCases(
        CasesAtLimits(limits), "", [](SelectionPage& p) { p.clickScrew(); },
        [](SelectionPage& p) { return p.ValidateScrewInputs(); });
}

TEST(ScrewChillerChecks, EachLimitAtItselfAndOnBothSides) {
    const char* ambient = "Please input the value of ambient temperature between 5.0 and 50.0 ";
    const char* outlet = "Please input the value of outlet temperature between -8 and 35";
    // Enough glycol for the lowest leaving water: no notice that it was raised.
    const auto setOutletOnGlycol = [](SelectionConditions& c, float t) {
        c.coolingOutletTemp = t;
        c.glycolPercent = 25;
    };
    const std::vector<Limit> limits = {
        {"ambient 5", SetCoolingAmbient, 5, 4, kAmbientStep, 0, "Cooling", ambient},
        {"ambient 50", SetCoolingAmbient, 50, 51, kAmbientStep, kAmbientMargin, "Cooling", ambient},
        {"outlet -8", setOutletOnGlycol, -8, -9, kWaterStep, 0, "Cooling", outlet},
        {"outlet 35", setOutletOnGlycol, 35, 36, kWaterStep, 0, "Cooling", outlet},
    };
    RunCases(
        CasesAtLimits(limits), "BREXAL", [](SelectionPage& p) { p.clickScrew(); },
        [](SelectionPage& p) { return p.ValidateScrewInputs(); });
}

struct GlycolCase {
    float leavingWater;
    int glycolBefore;
    int glycolAfter;
};

TEST(HeatPumpChecks, GlycolMinimumByLeavingWater) {
    const GlycolCase cases[] = {
        {4.1f, 0, 0},   {4, 0, 10},     {2, 0, 10},     {1.9f, 0, 15},  {0, 0, 15},
        {-0.1f, 0, 18}, {-2, 0, 18},    {-2.1f, 0, 20}, {-4, 0, 20},    {-4.1f, 0, 23},
        {-6, 0, 23},    {-6.1f, 0, 25}, {-8, 0, 25},    {1.5f, 10, 15}, {1.5f, 40, 40},
    };
    for (const GlycolCase& c : cases) {
        SCOPED_TRACE(c.leavingWater);
        test::RecordingSink sink{test::SinkMode::Strict};
        SelectionPage page(DecodeLaunchText(""), sink);
        page.clickScrew();
        page.selectFluid(true);
        ASSERT_TRUE(page.readControls());
        page.conditions().coolingOutletTemp = c.leavingWater;
        page.conditions().coolingInletTemp = c.leavingWater + 5;
        page.conditions().glycolPercent = c.glycolBefore;
        EXPECT_TRUE(page.ValidateScrewInputs());
        EXPECT_EQ(page.conditions().glycolPercent, c.glycolAfter);
        if (c.glycolAfter != c.glycolBefore) {
            EXPECT_EQ(page.editText(kGlycolEdit), std::to_string(c.glycolAfter));
        }
        EXPECT_TRUE(sink.take().empty());
    }
}

// Only a glycol share below the leaving water's minimum is raised; a share at
// or above it leaves every field as the user typed it.
TEST(HeatPumpChecks, GlycolAtItsMinimumLeavesTheFieldsAsTyped) {
    const struct {
        const char* glycolTyped;
        const char* glycolShown;
        bool fieldsAsTyped;
    } cases[] = {{"14", "15", false}, {"15", "15", true}, {"16", "16", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.glycolTyped);
        test::RecordingSink sink{test::SinkMode::Strict};
        SelectionPage page(DecodeLaunchText(""), sink);
        page.clickScrew();
        page.selectFluid(true);
        page.setEditText(kCoolingOutletEdit, "1.50");  // 15 % glycol at least
        page.setEditText(kCoolingInletEdit, "6.50");
        page.setEditText(kGlycolEdit, c.glycolTyped);
        ASSERT_TRUE(page.readControls());
        EXPECT_TRUE(page.ValidateScrewInputs());
        EXPECT_EQ(page.editText(kGlycolEdit), c.glycolShown);
        if (c.fieldsAsTyped) {
            EXPECT_EQ(page.editText(kCoolingOutletEdit), "1.50");
            EXPECT_EQ(page.editText(kCoolingInletEdit), "6.50");
        }
        EXPECT_TRUE(sink.take().empty());
    }
}

TEST(HeatPumpChecks, DifferenceFailsBeforeTheGlycolIsRaised) {
    test::RecordingSink sink{test::SinkMode::Strict};
    SelectionPage page(DecodeLaunchText(""), sink);
    page.clickScrew();
    page.selectFluid(true);
    ASSERT_TRUE(page.readControls());
    page.conditions().coolingOutletTemp = 1.5f;
    page.conditions().coolingInletTemp = 12;
    page.conditions().glycolPercent = 10;
    EXPECT_FALSE(page.ValidateScrewInputs());
    EXPECT_EQ(page.conditions().glycolPercent, 10);
    EXPECT_EQ(sink.take(), (Messages{{"Cooling", kDifference}}));
}

struct ScrewChillerGlycolCase {
    const char* launchText;
    bool glycol;
    float leavingWater;
    int glycolBefore;
    int glycolAfter;
    bool notice;
    bool switchedToGlycol;
};

// Below 4 °C a GV5 chiller needs glycol by whole degrees, rounded down:
// each degree's first and last temperature.
TEST(ScrewChillerChecks, GlycolMinimumByWholeDegreeBelowFour) {
    const GlycolCase cases[] = {
        {3.99f, 0, 10},  {3, 0, 10},      {2.99f, 0, 10},  {2, 0, 10},  {1.99f, 0, 15},  {1, 0, 15},
        {0.99f, 0, 15},  {0, 0, 15},      {-0.01f, 0, 18}, {-1, 0, 18}, {-1.01f, 0, 18}, {-2, 0, 18},
        {-2.01f, 0, 20}, {-3, 0, 20},     {-3.01f, 0, 20}, {-4, 0, 20}, {-4.01f, 0, 23}, {-5, 0, 23},
        {-5.01f, 0, 23}, {-6, 0, 23},     {-6.01f, 0, 25}, {-7, 0, 25}, {-7.01f, 0, 25}, {-8, 0, 25},
        {-2.5f, 19, 20}, {-2.5f, 20, 20}, {-2.5f, 21, 21},
    };
    for (const GlycolCase& c : cases) {
        SCOPED_TRACE(c.leavingWater);
        test::RecordingSink sink{test::SinkMode::Strict};
        SelectionPage page(DecodeLaunchText("10BREXAL"), sink);  // a first digit 1: no notice
        page.clickScrew();
        ASSERT_TRUE(page.readControls());
        page.conditions().coolingOutletTemp = c.leavingWater;
        page.conditions().glycolPercent = c.glycolBefore;
        EXPECT_TRUE(page.ValidateScrewInputs());
        EXPECT_EQ(page.conditions().glycolPercent, c.glycolAfter);
        EXPECT_TRUE(sink.take().empty());
    }
}

TEST(ScrewChillerChecks, LowLeavingWaterRunsOnGlycol) {
    const ScrewChillerGlycolCase cases[] = {
        {"BREXAL", true, -2.5f, 0, 20, true, true},     {"BREXAL", true, -2.0f, 0, 18, true, true},
        {"BREXAL", true, 3.9f, 0, 10, true, true},      {"BREXAL", true, -8, 0, 25, true, true},
        {"BREXAL", true, 0.5f, 15, 15, false, true},    {"BREXAL", true, -2.5f, 30, 30, false, true},
        {"BREXAL", false, 4, 0, 0, false, false},       {"BREXAL", false, 2, 0, 10, true, true},
        {"10BREXAL", false, -2.5f, 0, 20, false, true},
    };
    for (const ScrewChillerGlycolCase& c : cases) {
        SCOPED_TRACE(std::string(c.launchText) + " " + std::to_string(c.leavingWater));
        test::RecordingSink sink{test::SinkMode::Strict};
        SelectionPage page(DecodeLaunchText(c.launchText), sink);
        page.clickScrew();
        page.selectFluid(c.glycol);
        if (c.glycol) page.setEditText(kGlycolEdit, std::to_string(c.glycolBefore));
        ASSERT_TRUE(page.readControls());
        page.conditions().coolingOutletTemp = c.leavingWater;

        EXPECT_TRUE(page.ValidateScrewInputs());
        EXPECT_EQ(page.conditions().glycolPercent, c.glycolAfter);
        Messages expected;
        if (c.notice) {
            expected.push_back({"Cooling", "LWT is less than 4 degrees, the machine will use the glycol of " +
                                               std::to_string(c.glycolAfter)});
        }
        EXPECT_EQ(sink.take(), expected);
        EXPECT_EQ(page.fluidListShowsGlycol(), c.switchedToGlycol);
        EXPECT_EQ(page.conditions().fluidIsGlycol, c.switchedToGlycol);
        EXPECT_EQ(page.isEnabled(kGlycolEdit), c.switchedToGlycol);
        if (c.switchedToGlycol) {
            EXPECT_EQ(page.editText(kGlycolEdit), std::to_string(c.glycolAfter));
        }
    }
}

}  // namespace
}  // namespace keld

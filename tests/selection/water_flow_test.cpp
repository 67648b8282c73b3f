// SPDX-License-Identifier: MIT
// The permitted-flow test at the ends of a unit's range, and the rating
// points at which the rated flows stand in for the formula.
#include "engine/water_flow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace keld {
namespace {

TEST(FlowWithinRange, ComputedFlowsAtBothEndsOfTheRange) {
    const FlowRange range{10, 20};
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double flow;
        double inletTemp;
        bool within;
    } cases[] = {
        {std::nextafter(10.0, 0.0), 12, false},  {10, 12, true},          {20, 12, true},
        {std::nextafter(20.0, 99.0), 12, false}, {notANumber, 12, false}, {15, infinity, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FlowWithinRange(range, {c.flow, c.inletTemp}, false), c.within)
            << c.flow << " " << c.inletTemp;
    }
}

// An entered flow counts as shown (4 significant digits), and its minimum
// has a slack of 0.0000005 so that a typed minimum passes.
TEST(FlowWithinRange, EnteredFlowsAsShownWithSlackOnTheMinimum) {
    const struct {
        double minimum;
        double maximum;
        double flow;
        bool within;
    } cases[] = {
        {10.00000045, 20, 10, true},
        {10.0 + 0.0000005, 20, 10, true},
        {10.00000055, 20, 10, false},
        {10, 20, 20, true},
        {10, 20, 20.004, true},   // shown as 20.00
        {10, 20, 20.006, false},  // shown as 20.01
        {10, 20, std::nextafter(20.0, 99.0), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FlowWithinRange({c.minimum, c.maximum}, {c.flow, 12}, true), c.within)
            << c.minimum << " " << c.flow;
    }
}

// The temperatures count as at the rating point within 0.00001 (in single
// precision), and only when the capacity is uncorrected.
TEST(RatingPoint, CoolingAndHeatingWithinTheirMargin) {
    using Change = std::function<void(SelectionConditions&, CorrectionResult&)>;
    const struct {
        const char* name;
        Change change;
        bool cooling;
        bool heating;
    } cases[] = {
        {"at both points", [](auto&, auto&) {}, true, true},
        {"cooling outlet 7.000009", [](auto& c, auto&) { c.coolingOutletTemp = 7.000009f; }, true, true},
        {"cooling outlet 7.000015", [](auto& c, auto&) { c.coolingOutletTemp = 7.000015f; }, false, true},
        {"cooling outlet 6.99999", [](auto& c, auto&) { c.coolingOutletTemp = 6.99999f; }, false, true},
        {"cooling ambient 35.00002", [](auto& c, auto&) { c.coolingAmbientTemp = 35.00002f; }, false, true},
        {"cooling inlet 12.00002", [](auto& c, auto&) { c.coolingInletTemp = 12.00002f; }, false, true},
        {"cooling capacity corrected", [](auto&, auto& r) { r.capacityFactor = 0.99; }, false, true},
        {"heating outlet 45.00002", [](auto& c, auto&) { c.heatingOutletTemp = 45.00002f; }, true, false},
        {"heating ambient 7.000015", [](auto& c, auto&) { c.heatingAmbientTemp = 7.000015f; }, true, false},
        {"heating ambient 7.000009", [](auto& c, auto&) { c.heatingAmbientTemp = 7.000009f; }, true, true},
        {"heating inlet 40.00002", [](auto& c, auto&) { c.heatingInletTemp = 40.00002f; }, true, false},
        {"heating capacity corrected", [](auto&, auto& r) { r.heatCapacityFactor = 1.01; }, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SelectionConditions conditions;
        CorrectionResult corrections;
        corrections.capacityFactor = 1;
        corrections.heatCapacityFactor = 1;
        c.change(conditions, corrections);
        EXPECT_EQ(AtCoolingRatingPoint(conditions, corrections), c.cooling);
        EXPECT_EQ(AtHeatingRatingPoint(conditions, corrections), c.heating);
    }
}

}  // namespace
}  // namespace keld

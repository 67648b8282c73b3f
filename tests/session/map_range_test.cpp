// SPDX-License-Identifier: MIT
// The axes of a map as FROM:TO:STEP.
#include <gtest/gtest.h>

#include "session/performance_map.h"
#include "session/usage_error.h"

namespace keld {
namespace {

TEST(MapRange, PointsRunFromFromToToIncludedWhenReached) {
    struct Case {
        const char* text;
        std::vector<double> points;
    } const cases[] = {
        {"25:35:5", {25, 30, 35}},
        {"35:35:1", {35}},                         // one point
        {"25:34:5", {25, 30}},                     // the steps miss TO
        {"0:0.3:0.1", {0, 0.1, 0.2, 0.3}},         // 3 × 0.1 lies above 0.3 as doubles
        {"-8:-6.5:0.5", {-8, -7.5, -7, -6.5}},     // negative ambients
        {"0:199:1", std::vector<double>(200, 0)},  // exactly the most points an axis takes
    };
    for (const Case& c : cases) {
        const std::vector<double> points = RangePoints(ParseMapRange("--ambient", c.text));
        ASSERT_EQ(points.size(), c.points.size()) << c.text;
        if (c.points.size() == 200) continue;  // the count is the point of that case
        for (std::size_t i = 0; i < points.size(); ++i) EXPECT_DOUBLE_EQ(points[i], c.points[i]) << c.text;
    }
}

TEST(MapRange, RefusesWhatGivesNoOrTooManyPoints) {
    for (const char* text : {"35:34.99:1", "5:10:0", "5:10:-1", "0:200:1", "1:2", "1:2:3:4", "a:2:1",
                             "1:2:1x", ":2:1", "1:2:inf", "nan:2:1"}) {
        EXPECT_THROW(ParseMapRange("--outlet", text), UsageError) << text;
    }
}

}  // namespace
}  // namespace keld

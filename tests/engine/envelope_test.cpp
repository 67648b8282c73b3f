// SPDX-License-Identifier: MIT
#include "engine/envelope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace keld {
namespace {

struct EnvelopeCase {
    const char* what;
    Series series;
    float ambient;
    float outlet;
    bool heating;  // the duty's values are the heating side's
    bool crossed;
    double limit;  // the leaving-water limit named when crossed
};

SelectionConditions DutyOf(const EnvelopeCase& c) {
    SelectionConditions conditions;
    if (c.heating) {
        conditions.heatingAmbientTemp = c.ambient;
        conditions.heatingOutletTemp = c.outlet;
    } else {
        conditions.coolingAmbientTemp = c.ambient;
        conditions.coolingOutletTemp = c.outlet;
    }
    return conditions;
}

// Each series' limit at the limit itself and on both sides, in ambient and
// in leaving water.
TEST(EnvelopeCrossings, EachSeriesLimitAtAndAroundItsEdges) {
    const float justAbove40 = std::nextafter(40.0f, 50.0f);
    const EnvelopeCase cases[] = {
        // QTK: above 40 °C ambient the leaving water must be more than 1.5 × ambient − 56.
        {"QTK at 40 °C: no limit yet", Series::Qtk, 40.0f, 0.0f, false, false, 0},
        {"QTK just above 40 °C by less than the slack", Series::Qtk, justAbove40, 0.0f, false, false, 0},
        {"QTK at 44 °C, leaving water below 10 °C", Series::Qtk, 44.0f, 9.5f, false, true, 10.0},
        {"QTK at 44 °C, leaving water at 10 °C", Series::Qtk, 44.0f, 10.0f, false, false, 0},
        {"QTK at 44 °C, leaving water above 10 °C", Series::Qtk, 44.0f, 10.5f, false, false, 0},
        // QHK: below −5 °C the chilled water at most ambient × 20/3 + 205/3.
        {"QHK cooling at −5 °C: no limit", Series::Qhk, -5.0f, 30.0f, false, false, 0},
        {"QHK cooling at −6 °C, at the limit", Series::Qhk, -6.0f, 28.333334f, false, false, 0},
        {"QHK cooling at −6 °C, above the limit", Series::Qhk, -6.0f, 28.5f, false, true, 28.333334f},
        // ... and the hot water at most ambient + 60.
        {"QHK heating at −5 °C: no limit", Series::Qhk, -5.0f, 60.0f, true, false, 0},
        {"QHK heating at −10 °C, at the limit", Series::Qhk, -10.0f, 50.0f, true, false, 0},
        {"QHK heating at −10 °C, above it", Series::Qhk, -10.0f, 50.5f, true, true, 50.0},
        // GV5: above 45 °C the leaving water at most 125 − 2 × ambient.
        {"GV5 at 45 °C: no limit", Series::Gv5, 45.0f, 40.0f, false, false, 0},
        {"GV5 at 46 °C, at the limit", Series::Gv5, 46.0f, 33.0f, false, false, 0},
        {"GV5 at 46 °C, above it", Series::Gv5, 46.0f, 33.5f, false, true, 33.0},
        {"GV5 at 46 °C, below it", Series::Gv5, 46.0f, 32.5f, false, false, 0},
    };
    CorrectionResult corrections;
    corrections.capacityRatioEven = 1;
    for (const EnvelopeCase& c : cases) {
        const std::vector<EnvelopeLimit> crossed = EnvelopeCrossings(c.series, DutyOf(c), corrections);
        ASSERT_EQ(!crossed.empty(), c.crossed) << c.what;
        if (!c.crossed) continue;
        EXPECT_EQ(crossed.front().heating, c.heating) << c.what;
        EXPECT_EQ(crossed.front().ambient, c.ambient) << c.what;
        EXPECT_DOUBLE_EQ(crossed.front().leavingWater, c.limit) << c.what;
    }
}

// A QTK grid without data for the even modules leaves any duty outside.
TEST(EnvelopeCrossings, QtkWithoutEvenModuleDataIsOutside) {
    SelectionConditions conditions;
    CorrectionResult corrections;
    corrections.capacityRatioEven = 0;
    EXPECT_EQ(EnvelopeCrossings(Series::Qtk, conditions, corrections).size(), 1u);
    corrections.capacityRatioEven = 1;
    EXPECT_TRUE(EnvelopeCrossings(Series::Qtk, conditions, corrections).empty());
    // The screw series do not look at the corrections.
    corrections.capacityRatioEven = 0;
    EXPECT_TRUE(EnvelopeCrossings(Series::Gv5, conditions, corrections).empty());
}

}  // namespace
}  // namespace keld

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

template <std::size_t N>
void ExpectCrossings(const EnvelopeCase (&cases)[N], const CorrectionResult& corrections) {
    for (const EnvelopeCase& c : cases) {
        const std::vector<EnvelopeLimit> crossed = EnvelopeCrossings(c.series, DutyOf(c), corrections);
        ASSERT_EQ(!crossed.empty(), c.crossed) << c.what;
        if (!c.crossed) continue;
        EXPECT_EQ(crossed.front().heating, c.heating) << c.what;
        EXPECT_EQ(crossed.front().ambient, c.ambient) << c.what;
        EXPECT_DOUBLE_EQ(crossed.front().leavingWater, c.limit) << c.what;
    }
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
    ExpectCrossings(cases, corrections);
}

// The ambient limits compared with the slack of 0.00001: the floats next to
// 40 and 33 lie 3.8e-6 apart, so two floats past a limit are still within it
// and the third is not. A limit typed to its shown 0.1 K (or 0.05 K) beyond
// is crossed; at the ambient limit itself no leaving water is too low or too
// high.
TEST(EnvelopeCrossings, EachSeriesLimitAtItsSlackAndShownSteps) {
    const float twoAbove40 = std::nextafter(std::nextafter(40.0f, 50.0f), 50.0f);
    const float threeAbove40 = std::nextafter(twoAbove40, 50.0f);
    const float oneAbove33 = std::nextafter(33.0f, 40.0f);
    const float threeAbove33 = std::nextafter(std::nextafter(oneAbove33, 40.0f), 40.0f);
    const float justBelowMinus5 = std::nextafter(-5.0f, -6.0f);
    const EnvelopeCase cases[] = {
        {"QTK two floats above 40 °C, leaving water 4 °C", Series::Qtk, twoAbove40, 4.0f, false, false, 0},
        {"QTK three floats above 40 °C, leaving water 4 °C", Series::Qtk, threeAbove40, 4.0f, false, true,
         4.000017166137695},
        {"QTK at 40.1 °C, leaving water 4 °C", Series::Qtk, 40.1f, 4.0f, false, true, 4.149997711181641},
        {"QHK cooling at −5 °C, leaving water above what −5 °C would allow", Series::Qhk, -5.0f, 36.0f, false,
         false, 0},
        {"QHK cooling a float below −5 °C, leaving water 35 °C", Series::Qhk, justBelowMinus5, 35.0f, false,
         true, 34.999996185302734},
        // Three floats below −5 °C the limit lies halfway between two floats;
        // it is rounded down.
        {"QHK cooling three floats below −5 °C, leaving water a float above its limit", Series::Qhk,
         -5.000001430511475f, 34.99999237060547f, false, true, 34.9999885559082},
        {"QHK heating at −5 °C, hot water above what −5 °C would allow", Series::Qhk, -5.0f, 56.0f, true,
         false, 0},
        {"QHK heating at −5.05 °C, hot water 55 °C", Series::Qhk, -5.05f, 55.0f, true, true, 54.95f},
        {"GV5 at 45.1 °C, leaving water 35 °C", Series::Gv5, 45.1f, 35.0f, false, true, 34.80000305175781},
        {"GV5 at 46 °C, leaving water a float above 33 °C", Series::Gv5, 46.0f, oneAbove33, false, false, 0},
        {"GV5 at 46 °C, leaving water three floats above 33 °C", Series::Gv5, 46.0f, threeAbove33, false,
         true, 33.0},
    };
    CorrectionResult corrections;
    corrections.capacityRatioEven = 1;
    ExpectCrossings(cases, corrections);
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

// SPDX-License-Identifier: MIT
// A service answers many duties on one session: a duty the page refuses
// reads no correction table, and its answer must show neutral factors, never
// those of the duty answered before it.
#include <gtest/gtest.h>

#include <string>

#include "session/selection_json.h"
#include "session/selection_session.h"
#include "shipped_options.h"

namespace keld {
namespace {

Json CorrectionsAfterRun(SelectionSession& session) {
    const RunOutcome outcome = session.runSelection();
    return SelectionMembers(session.page(), session.collected().messages(), outcome.list,
                            session.dataStamp())["corrections"];
}

TEST(RefusedDuty, ShowsNeutralFactorsNotThoseOfTheDutyBefore) {
    // Every factor below 1: altitude, fouling, glycol at a low leaving water.
    const PageOptions corrected = test::ShippedOptionsOf(
        {"--compressor", "screw", "--cooling-capacity", "450", "--fluid", "glycol", "--glycol", "30",
         "--outlet", "2", "--inlet", "7", "--altitude", "1500", "--fouling", "0.086"});
    SelectionSession session(corrected);
    ASSERT_TRUE(session.openDatabase());
    const Json before = CorrectionsAfterRun(session);
    for (const char* factor :
         {"altitudeCapacity", "altitudePower", "foulingCapacity", "foulingPower", "glycolCapacity",
          "glycolPower", "lowTemperatureCapacity", "lowTemperaturePower"}) {
        EXPECT_NE(before[factor], Json(1)) << factor << " is not read at this duty; the test needs a new one";
    }

    // An ambient beyond the screw series' inputs: refused before any table.
    session.startRequest(
        test::ShippedOptionsOf({"--compressor", "screw", "--cooling-capacity", "450", "--ambient", "60"}));
    const Json refused = CorrectionsAfterRun(session);
    ASSERT_FALSE(session.collected().messages().empty());
    for (const char* factor :
         {"altitudeCapacity", "altitudePower", "foulingCapacity", "foulingPower", "glycolCapacity",
          "glycolPower", "lowTemperatureCapacity", "lowTemperaturePower"}) {
        EXPECT_EQ(refused[factor], Json(1)) << factor;
    }
    for (const char* ratio :
         {"capacityRatio", "powerRatio", "capacityRatioEven", "powerRatioEven", "capacityFactor",
          "powerFactor", "heatCapacityRatio", "heatPowerRatio", "heatCapacityFactor", "heatPowerFactor"}) {
        EXPECT_EQ(refused[ratio], Json(0)) << ratio;
    }
}

}  // namespace
}  // namespace keld

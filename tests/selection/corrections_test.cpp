// SPDX-License-Identifier: MIT
// Which tables, columns and grid points the corrections and the pressure-drop
// factors read, and in which order their failures surface.
#include "engine/corrections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "db/database_error.h"
#include "engine/pressure_drop.h"
#include "support/selection_fixture.h"

namespace keld::test {
namespace {

// Grid cells of 1 and above come back exactly; those below 1 one float step
// above their value.
constexpr double kGridTolerance = 1e-7;

TEST(Corrections, QtkReadsEvenAndOddGridsWithTheirFactors) {
    RunFixture fixture("", "",
                       {{"CapacityQTK090&180GN5", "1.25"},
                        {"PowerQTK090&180GN5", "1.5"},
                        {"CapcityQTK130&260GN5", "2"},
                        {"PowerQTK130&260GN5", "3"}});
    SelectionConditions conditions;
    conditions.altitude = 1000;         // High: capacity 0.95, power 1.04
    conditions.foulingFactor = 0.132f;  // Dirt: capacity 0.95, power 1.05
    CorrectionResult result;
    ComputeQtkCorrections(fixture.db(), conditions, result);

    EXPECT_NEAR(result.capacityFactor, 0.95 * 0.95, 1e-12);
    EXPECT_NEAR(result.powerFactor, 1.05 * 1.04, 1e-12);
    EXPECT_NEAR(result.capacityRatioEven, 1.25 * 0.9025, 1e-12);
    EXPECT_NEAR(result.powerRatioEven, 1.5 * 1.092, 1e-12);
    EXPECT_NEAR(result.capacityRatio, 2 * 0.9025, 1e-12);
    EXPECT_NEAR(result.powerRatio, 3 * 1.092, 1e-12);
    // A centrifugal chiller runs on water, so it has no glycol and no
    // low-temperature factor.
    const CoolingFactors& f = result.cooling;
    EXPECT_NEAR(f.altitudeCapacity, 0.95, 1e-12);
    EXPECT_NEAR(f.altitudePower, 1.04, 1e-12);
    EXPECT_NEAR(f.foulingCapacity, 0.95, 1e-12);
    EXPECT_NEAR(f.foulingPower, 1.05, 1e-12);
    EXPECT_EQ(f.glycolCapacity, 1);
    EXPECT_EQ(f.glycolPower, 1);
    EXPECT_EQ(f.lowTemperatureCapacity, 1);
    EXPECT_EQ(f.lowTemperaturePower, 1);
    EXPECT_TRUE(fixture.sink().take().empty());
}

// Glycol below 4 °C: the grids are read at 7 °C (where they hold 1, while
// the 2 °C row holds 0.5) and the "waterout" factors at 2 °C fold in.
TEST(Corrections, LowLeavingGlycolReadsTheGridsAt7) {
    const std::string grids = "DROP TABLE \"CapacityQHK\";\n" +
                              GridSql("CapacityQHK", "1", {{"2", "35", "0.5"}}) +
                              "DROP TABLE \"PowerQHK\";\n" + GridSql("PowerQHK", "1", {{"2", "35", "0.5"}});
    RunFixture fixture(grids);
    SelectionConditions conditions;
    conditions.compressorType = 1;
    conditions.unitType = 1;
    conditions.fluidIsGlycol = true;
    conditions.glycolPercent = 20;     // Fluid: capacity 0.98, power 1.01
    conditions.coolingOutletTemp = 2;  // waterTem: capacity 0.9, power 0.95
    CorrectionResult result;
    ComputeScrewCorrections(fixture.db(), conditions, result);
    EXPECT_NEAR(result.capacityFactor, 0.98 * 0.9, 1e-12);
    EXPECT_NEAR(result.powerFactor, 1.01 * 0.95, 1e-12);
    EXPECT_NEAR(result.capacityRatio, 0.98 * 0.9, 1e-12);
    EXPECT_NEAR(result.powerRatio, 1.01 * 0.95, 1e-12);

    // With water the grids are read at the leaving water itself.
    conditions.fluidIsGlycol = false;
    conditions.glycolPercent = 0;
    ComputeScrewCorrections(fixture.db(), conditions, result);
    EXPECT_NEAR(result.capacityRatio, 0.5, kGridTolerance);
}

// Glycol from 4 °C up is an ordinary run: the grids at the leaving water and
// no "waterout" factor; a glycol run just below 4 °C reads them at 7 °C.
TEST(Corrections, LowLeavingGlycolStartsBelow4) {
    const std::string grids = "DROP TABLE \"CapacityQHK\";\n" +
                              GridSql("CapacityQHK", "1", {{"4", "35", "0.8"}, {"7", "35", "1.25"}});
    RunFixture fixture(grids);
    const struct {
        float leavingWater;
        double grid;         // the capacity grid where it is read
        double waterFactor;  // "waterTem" capacity: 0.9 at 2 °C, 1 from 4 °C
    } cases[] = {
        {3.9f, 1.25, 0.9 + 0.1 * 1.9 / 2},
        {4, 0.8, 1},
        {4.1f, 0.8 + 0.45 * 0.1 / 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.leavingWater);
        SelectionConditions conditions;
        conditions.compressorType = 1;
        conditions.unitType = 1;
        conditions.fluidIsGlycol = true;
        conditions.glycolPercent = 20;  // Fluid: capacity 0.98
        conditions.coolingOutletTemp = c.leavingWater;
        CorrectionResult result;
        ComputeScrewCorrections(fixture.db(), conditions, result);
        EXPECT_NEAR(result.capacityFactor, 0.98 * c.waterFactor, 1e-6);
        EXPECT_NEAR(result.capacityRatio, c.grid * 0.98 * c.waterFactor, 1e-6);
    }
    EXPECT_TRUE(fixture.sink().take().empty());
}

TEST(Corrections, HeatingFieldsOnlyForHeatPumps) {
    RunFixture fixture("", "", {{"CapacityQHK_H", "1.25"}, {"PowerQHK_H", "1.5"}, {"CapacityQSK_GV5", "2"}});
    SelectionConditions conditions;
    conditions.compressorType = 1;
    conditions.unitType = 1;
    conditions.altitude = 1000;  // High: heating capacity 0.96, heating power 1.03
    CorrectionResult result;
    ComputeScrewCorrections(fixture.db(), conditions, result);
    EXPECT_NEAR(result.heatCapacityFactor, 0.96, 1e-12);
    EXPECT_NEAR(result.heatPowerFactor, 1.03, 1e-12);
    EXPECT_NEAR(result.heatCapacityRatio, 1.25 * 0.96, 1e-12);
    EXPECT_NEAR(result.heatPowerRatio, 1.5 * 1.03, 1e-12);
    EXPECT_NEAR(result.capacityRatio, 0.95, 1e-12);  // the QHK grid holds 1

    // A screw chiller reads the GV5 grids and leaves the heating fields be.
    conditions.unitType = 0;
    result.heatCapacityRatio = 7;
    ComputeScrewCorrections(fixture.db(), conditions, result);
    EXPECT_NEAR(result.capacityRatio, 2 * 0.95, 1e-12);
    EXPECT_EQ(result.heatCapacityRatio, 7);
}

// The first table read is the first one to fail: glycol first in a QTK run,
// fouling first in a screw run.
TEST(Corrections, FailuresSurfaceInReadingOrder) {
    RunFixture fixture(
        "DELETE FROM Fluid WHERE Concertration <= 0;\n"  // no glycol row at or below 0 %
        "DELETE FROM Dirt WHERE Dirt >= 0.018;\n");      // no fouling row at or above 0.018
    SelectionConditions conditions;
    CorrectionResult result;
    try {
        ComputeQtkCorrections(fixture.db(), conditions, result);
        ADD_FAILURE() << "no error";
    } catch (const DatabaseError& error) {
        EXPECT_STREQ(error.what(), "Table Fluid has no row below Concertration = 0.000000");
    }
    conditions.compressorType = 1;
    conditions.unitType = 1;
    try {
        ComputeScrewCorrections(fixture.db(), conditions, result);
        ADD_FAILURE() << "no error";
    } catch (const DatabaseError& error) {
        EXPECT_STREQ(error.what(), "Table Dirt has no row above Dirt = 0.018000");
    }
}

struct DropCase {
    const char* name;
    int unitType;
    int compressorType;
    bool useConference2;
    double flowRatio;
    int glycolPercent;
    double factor;
};

// The drop tables of the fixture give back the ratio (Conference2: twice
// it), so the factor shows the ratio after the series' clamp.
TEST(Corrections, PressureDropRatioClampsBySeries) {
    RunFixture fixture("");
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const DropCase cases[] = {
        {"QTK low", 0, 0, false, 0.2, 0, 0.5},
        {"QTK high", 0, 0, false, 1.45, 0, 1.3},
        {"QTK glycol", 0, 0, false, 0.9, 20, 0.9 * 1.1},
        {"QHK low", 1, 1, false, 0.2, 0, 0.5},
        {"QHK high", 1, 1, false, 1.45, 0, 1.3},
        {"GV5 low", 0, 1, false, 0.2, 0, 0.3},
        {"GV5 high", 0, 1, false, 1.45, 0, 1.45},
        {"GV5 above 1.5", 0, 1, false, 1.8, 0, 1.5},
        {"GV5 large unit", 0, 1, true, 1.45, 0, 2.9},
        {"GV5 not a number", 0, 1, false, notANumber, 0, 0.3},
    };
    for (const DropCase& c : cases) {
        SelectionConditions conditions;
        conditions.unitType = c.unitType;
        conditions.compressorType = c.compressorType;
        const double factor = c.compressorType == 0
                                  ? PressureDropRatio(fixture.db(), c.flowRatio, c.glycolPercent)
                                  : PressureDropRatioScrew(fixture.db(), c.flowRatio, c.glycolPercent,
                                                           conditions, c.useConference2);
        EXPECT_NEAR(factor, c.factor, 1e-6) << c.name;
    }
    EXPECT_TRUE(fixture.sink().take().empty());
}

}  // namespace
}  // namespace keld::test

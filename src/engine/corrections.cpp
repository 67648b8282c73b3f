// SPDX-License-Identifier: MIT
#include "engine/corrections.h"

#include <string>

#include "db/lookups.h"
#include "db/schema.h"

namespace keld {
namespace {

// The correction tables share their value columns; each correction reads the
// column of the quantity it corrects at its own key.
class CorrectionLookup {
public:
    CorrectionLookup(PerformanceDatabase& db, const SelectionConditions& conditions)
        : db_(db), conditions_(conditions) {}

    double altitude(const std::string& column) {
        return LookupByKey(db_, conditions_.altitude, column, schema::kHigh, schema::kHighth);
    }
    double fouling(const std::string& column) {
        return LookupByKey(db_, conditions_.foulingFactor, column, schema::kDirt, schema::kDirt);
    }
    double glycol(const std::string& column, int glycolPercent) {
        return LookupByKey(db_, static_cast<float>(glycolPercent), column, schema::kFluid,
                           schema::kConcertration);
    }
    double lowLeavingWater(const std::string& column) {
        return LookupByKey(db_, conditions_.coolingOutletTemp, column, schema::kWaterTem, schema::kWaterout);
    }

private:
    PerformanceDatabase& db_;
    const SelectionConditions& conditions_;
};

// Below 4 °C leaving water a glycol run takes its low-temperature behaviour
// from the "waterout" factors and reads the grids at 7 °C.
constexpr float kLowLeavingWaterLimit = 4.0f;
constexpr float kGridLeavingWaterForLowTemperatures = 7.0f;

bool LowTemperatureGlycol(const SelectionConditions& conditions) {
    return conditions.fluidIsGlycol && conditions.coolingOutletTemp < kLowLeavingWaterLimit;
}

// A centrifugal chiller only ever runs on water.
constexpr int kWaterGlycolPercent = 0;

}  // namespace

float GridLeavingWater(Series series, const SelectionConditions& conditions) {
    if (series != Series::Qtk && LowTemperatureGlycol(conditions)) return kGridLeavingWaterForLowTemperatures;
    return conditions.coolingOutletTemp;
}

void ComputeQtkCorrections(PerformanceDatabase& db, const SelectionConditions& conditions,
                           CorrectionResult& result) {
    CorrectionLookup lookup(db, conditions);
    // Each factor is read in the order written, glycol first.
    const double glycolPower = lookup.glycol(schema::kCorrectionPowerC, kWaterGlycolPercent);
    const double foulingPower = lookup.fouling(schema::kCorrectionPowerC);
    const double altitudePower = lookup.altitude(schema::kCorrectionPowerC);
    result.powerFactor = glycolPower * (foulingPower * altitudePower);
    const double glycolCapacity = lookup.glycol(schema::kCorrectionCapacity, kWaterGlycolPercent);
    const double foulingCapacity = lookup.fouling(schema::kCorrectionCapacity);
    const double altitudeCapacity = lookup.altitude(schema::kCorrectionCapacity);
    result.capacityFactor = glycolCapacity * (foulingCapacity * altitudeCapacity);
    result.cooling = {altitudeCapacity,
                      altitudePower,
                      foulingCapacity,
                      foulingPower,
                      glycolCapacity,
                      glycolPower,
                      1.0,
                      1.0};

    const float oat = conditions.coolingAmbientTemp;
    const float lwt = conditions.coolingOutletTemp;
    result.capacityRatioEven = LookupOatLwt(db, schema::kCapacityQtk090, oat, lwt) * result.capacityFactor;
    result.powerRatioEven = LookupOatLwt(db, schema::kPowerQtk090, oat, lwt) * result.powerFactor;
    result.capacityRatio = LookupOatLwt(db, schema::kCapacityQtk130, oat, lwt) * result.capacityFactor;
    result.powerRatio = LookupOatLwt(db, schema::kPowerQtk130, oat, lwt) * result.powerFactor;
}

void ComputeScrewCorrections(PerformanceDatabase& db, const SelectionConditions& conditions,
                             CorrectionResult& result) {
    CorrectionLookup lookup(db, conditions);
    const bool lowTemperatureGlycol = LowTemperatureGlycol(conditions);
    double lowCapacity = 1;
    double lowPower = 1;
    if (lowTemperatureGlycol) {
        lowCapacity = lookup.lowLeavingWater(schema::kCorrectionCapacity);
        lowPower = lookup.lowLeavingWater(schema::kCorrectionPower);
    }

    const int glycolPercent = conditions.glycolPercent;
    const double foulingPower = lookup.fouling(schema::kCorrectionPowerC);
    const double altitudePower = lookup.altitude(schema::kCorrectionPowerC);
    const double glycolPower = lookup.glycol(schema::kCorrectionPowerC, glycolPercent);
    result.powerFactor = foulingPower * altitudePower * glycolPower * lowPower;
    const double foulingCapacity = lookup.fouling(schema::kCorrectionCapacity);
    const double altitudeCapacity = lookup.altitude(schema::kCorrectionCapacity);
    const double glycolCapacity = lookup.glycol(schema::kCorrectionCapacity, glycolPercent);
    result.capacityFactor = foulingCapacity * altitudeCapacity * glycolCapacity * lowCapacity;
    result.cooling = {altitudeCapacity, altitudePower, foulingCapacity, foulingPower,
                      glycolCapacity,   glycolPower,   lowCapacity,     lowPower};

    const bool gv5Run = conditions.unitType == 0 && conditions.compressorType == 1;
    const std::string capacityGrid = gv5Run ? schema::kCapacityQskGv5 : schema::kCapacityQhk;
    const std::string powerGrid = gv5Run ? schema::kPowerQskGv5 : schema::kPowerQhk;
    const float oat = conditions.coolingAmbientTemp;
    const float lwt = GridLeavingWater(gv5Run ? Series::Gv5 : Series::Qhk, conditions);
    result.capacityRatio = LookupOatLwt(db, capacityGrid, oat, lwt) * result.capacityFactor;
    result.powerRatio = LookupOatLwt(db, powerGrid, oat, lwt) * result.powerFactor;

    if (conditions.unitType != 1) return;
    // The heating side has no low-temperature factor.
    double foulingHeatPower = lookup.fouling(schema::kCorrectionPowerH);
    double altitudeHeatPower = lookup.altitude(schema::kCorrectionPowerH);
    result.heatPowerFactor =
        foulingHeatPower * altitudeHeatPower * lookup.glycol(schema::kCorrectionPowerH, glycolPercent);
    double foulingHeatCapacity = lookup.fouling(schema::kCorrectionHotCapacity);
    double altitudeHeatCapacity = lookup.altitude(schema::kCorrectionHotCapacity);
    result.heatCapacityFactor = foulingHeatCapacity * altitudeHeatCapacity *
                                lookup.glycol(schema::kCorrectionHotCapacity, glycolPercent);
    const float heatingOat = conditions.heatingAmbientTemp;
    const float heatingLwt = conditions.heatingOutletTemp;
    result.heatCapacityRatio =
        LookupOatLwt(db, schema::kCapacityQhkHeating, heatingOat, heatingLwt) * result.heatCapacityFactor;
    result.heatPowerRatio =
        LookupOatLwt(db, schema::kPowerQhkHeating, heatingOat, heatingLwt) * result.heatPowerFactor;
}

}  // namespace keld

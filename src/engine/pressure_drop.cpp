// SPDX-License-Identifier: MIT
#include "engine/pressure_drop.h"

#include <string>

#include "db/lookups.h"
#include "db/schema.h"

namespace keld {
namespace {

// Holds the ratio to the range the drop table covers. A ratio that is not a
// number (a zero flow over a zero nominal flow) counts as the lowest ratio,
// so that no lookup is ever asked for an undefined key.
double ClampFlowRatio(double ratio, double lowest, double highest) {
    if (!(ratio >= lowest)) return lowest;
    if (ratio > highest) return highest;
    return ratio;
}

double DropFactor(PerformanceDatabase& db, double flowRatio, int glycolPercent, const std::string& table,
                  const std::string& column) {
    double glycolDrop = LookupByKey(db, static_cast<float>(glycolPercent), schema::kCorrectionWaterPd,
                                    schema::kFluid, schema::kConcertration);
    double flowDrop = LookupByKey(db, static_cast<float>(flowRatio), column, table, schema::kCorrectionFlow);
    return flowDrop * glycolDrop;
}

}  // namespace

double PressureDropRatio(PerformanceDatabase& db, double flowRatio, int glycolPercent) {
    return DropFactor(db, ClampFlowRatio(flowRatio, 0.5, 1.3), glycolPercent, schema::kWaterPd,
                      schema::kConference);
}

double PressureDropRatioScrew(PerformanceDatabase& db, double flowRatio, int glycolPercent,
                              const SelectionConditions& conditions, bool useConference2) {
    const bool gv5Run = conditions.unitType == 0 && conditions.compressorType == 1;
    if (gv5Run) {
        return DropFactor(db, ClampFlowRatio(flowRatio, 0.3, 1.5), glycolPercent, schema::kWaterPdGv5,
                          useConference2 ? schema::kConference2 : schema::kConference);
    }
    return DropFactor(db, ClampFlowRatio(flowRatio, 0.5, 1.3), glycolPercent, schema::kWaterPd2,
                      schema::kConference);
}

}  // namespace keld

// SPDX-License-Identifier: MIT
#include "engine/candidate_query.h"

#include "base/format_text.h"
#include "db/schema.h"

namespace keld {

CapacityBand CapacityBandFor(const SelectionConditions& conditions, double capacityRatio) {
    const double need = conditions.coolingCapacityRequired / capacityRatio;
    const double tolerance = need * conditions.tolerancePercent / 100;
    return {need - tolerance, need + tolerance};
}

namespace {

std::string UnitsQuery(const SelectionConditions& conditions, const CapacityBand& band, Series series) {
    switch (series) {
        case Series::Qtk:
            return FormatText(schema::kCandidateQueryQtk, conditions.unitType, conditions.refrigerant,
                              conditions.version, conditions.recoveryMode, band.lower, band.upper);
        case Series::Qhk: {
            // The heat-pump table lists its units under type 0.
            constexpr int kQhkUnitType = 0;
            return FormatText(schema::kCandidateQueryQhk, kQhkUnitType, conditions.refrigerant,
                              conditions.version, conditions.recoveryMode, band.lower, band.upper);
        }
        case Series::Gv5:
            return FormatText(schema::kCandidateQueryGv5, conditions.compressorType, conditions.unitType,
                              conditions.refrigerant, conditions.version, conditions.recoveryMode, band.lower,
                              band.upper);
    }
    return {};
}

// Nominal capacities are positive and far below this.
constexpr CapacityBand kEveryUnit{0, 1e9};

}  // namespace

std::string BuildCandidateQuery(const SelectionConditions& conditions, double capacityRatio, Series series) {
    return UnitsQuery(conditions, CapacityBandFor(conditions, capacityRatio), series);
}

std::string BuildSeriesUnitsQuery(const SelectionConditions& conditions, Series series) {
    return UnitsQuery(conditions, kEveryUnit, series);
}

}  // namespace keld

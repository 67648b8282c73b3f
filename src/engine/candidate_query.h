// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "engine/module_table.h"
#include "engine/selection_conditions.h"

namespace keld {

// The open interval of nominal capacities (kW) a candidate unit must lie in.
struct CapacityBand {
    double lower = 0;
    double upper = 0;
};

// need = required cooling capacity / capacityRatio, widened by ± need ×
// tolerance / 100. Heat pumps are selected on their cooling capacity too.
// The caller makes sure capacityRatio is not 0.
CapacityBand CapacityBandFor(const SelectionConditions& conditions, double capacityRatio);

// The statement that lists the candidate units of a series, ordered by model
// name, with the band limits written with "%f".
std::string BuildCandidateQuery(const SelectionConditions& conditions, double capacityRatio, Series series);

// The same statement over every unit the series offers for the duty's unit
// type, refrigerant, version and recovery mode, whatever its capacity: the
// units a performance map may be asked for.
std::string BuildSeriesUnitsQuery(const SelectionConditions& conditions, Series series);

}  // namespace keld
